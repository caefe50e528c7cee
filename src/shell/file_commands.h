// The "Citire" and "Salvare" buttons: the graph read from, or saved to, the file named in the panel.
#pragma once

void readFileCommand();
void saveFileCommand();
