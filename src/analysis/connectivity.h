// Strong connectivity and the strongly connected components of the graph in the store.
#pragma once

bool isStronglyConnected();
// Writes the component listing into ResultText.
void listStrongComponents();
