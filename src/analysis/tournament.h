// Whether every two distinct live vertices are joined by exactly one arc.
#pragma once

bool isTournament();
