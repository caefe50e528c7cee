// The process-wide text buffers shared by the analyses, the painting and the shell.
#pragma once

// The longest text any analysis writes is a circuit that uses every one of the 9,801 arcs a
// graph can hold: "Un circuit este: (" + 9,801 ids of up to two digits each followed by ", " +
// the start again + ")". ResultText holds that whole, with room to spare.
constexpr int ResultTextSize = 40 * 1024;
constexpr int ScratchTextSize = 256;

extern char ResultText[ResultTextSize];
extern char ScratchText[ScratchTextSize];
