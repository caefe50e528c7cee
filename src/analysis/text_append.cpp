#include "analysis/text_append.h"

#include "graph/text_buffers.h"

#include <cstdio>

TextSink startText(char* buffer, int size) {
    buffer[0] = '\0';
    return TextSink{buffer, size, 0};
}

void appendText(TextSink& sink, const char* piece) {
    int length = sink.length;
    while (*piece != '\0' && length < sink.size - 1) {
        sink.text[length] = *piece;
        ++length;
        ++piece;
    }
    sink.text[length] = '\0';
    sink.length = length;
}

void appendNumber(TextSink& sink, int value) {
    std::snprintf(ScratchText, ScratchTextSize, "%d", value);
    appendText(sink, ScratchText);
}

void appendId(TextSink& sink, int id, const char* separator) {
    appendNumber(sink, id);
    appendText(sink, separator);
}
