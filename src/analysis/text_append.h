// Appending to the zero-terminated texts the analyses write. A text never runs past its buffer:
// a piece that does not fit is cut at the last byte before the terminator.
#pragma once

struct TextSink {
    char* text;
    int size;   // bytes in the buffer, the terminator included
    int length; // characters written so far
};

// Empties the buffer and returns a sink that appends to it from its first byte.
TextSink startText(char* buffer, int size);
void appendText(TextSink& sink, const char* piece);
// The number in decimal, converted in ScratchText first (so ScratchText holds it afterwards).
void appendNumber(TextSink& sink, int value);
// The id in decimal followed by its separator: the listings end every id this way.
void appendId(TextSink& sink, int id, const char* separator);
