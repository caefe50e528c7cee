#include "graph/text_buffers.h"

char ResultText[ResultTextSize];
char ScratchText[ScratchTextSize];
