// Moves a finished file over its target in one step, so the target is either the old file or the
// new one, never a half-written mix.
#pragma once

// True when `from` now stands under the name `to`, replacing any file of that name.
bool replaceFile(const char* from, const char* to);
