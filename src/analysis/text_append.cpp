#include "analysis/text_append.h"

#include "graph/text_buffers.h"

#include <charconv>

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
    // to_chars, not snprintf: a circuit text converts up to 9,801 numbers.
    const std::to_chars_result end = std::to_chars(ScratchText, ScratchText + ScratchTextSize - 1, value);
    *end.ptr = '\0';
    appendText(sink, ScratchText);
}

void appendId(TextSink& sink, int id, const char* separator) {
    appendNumber(sink, id);
    appendText(sink, separator);
}
