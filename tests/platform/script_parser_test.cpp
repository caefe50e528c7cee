// The grafuri-script parser: what each line means, and which lines are errors.
#include "platform/script.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

using layer::ScriptCommand;
using layer::ScriptCommandKind;
using layer::ScriptLine;

namespace {

TEST(ScriptParser, CommandsCarryTheirArguments) {
    struct Case {
        const char* line;
        ScriptCommandKind kind;
        int x, y;
        const char* text;
    };
    const Case cases[] = {
        {"click 954 45", ScriptCommandKind::Click, 954, 45, ""},
        {"rclick 10 -3", ScriptCommandKind::RightClick, 10, -3, ""},
        {"  dblclick 1 2  ", ScriptCommandKind::DoubleClick, 1, 2, ""},
        {"type  7", ScriptCommandKind::Type, 0, 0, " 7"},
        {"type R\xC3\xA2r", ScriptCommandKind::Type, 0, 0, "R\xC3\xA2r"},
        {"type", ScriptCommandKind::Type, 0, 0, ""},
        {"screenshot out/a b.png\r", ScriptCommandKind::Screenshot, 0, 0, "out/a b.png"},
        {"status", ScriptCommandKind::Status, 0, 0, ""},
        {"close", ScriptCommandKind::Close, 0, 0, ""},
    };
    for (const Case& c : cases) {
        ScriptCommand command;
        std::string error;
        ASSERT_EQ(layer::parseScriptLine(c.line, command, error), ScriptLine::Command)
            << c.line << ": " << error;
        EXPECT_EQ(command.kind, c.kind) << c.line;
        EXPECT_EQ(command.x, c.x) << c.line;
        EXPECT_EQ(command.y, c.y) << c.line;
        EXPECT_EQ(command.text, c.text) << c.line;
    }
}

TEST(ScriptParser, KeysAndAnswersByName) {
    struct Case {
        const char* line;
        int virtualKey;
    };
    const Case keys[] = {{"key BACKSPACE", VK_BACK}, {"key DELETE", VK_DELETE}, {"key LEFT", VK_LEFT},
                         {"key RIGHT", VK_RIGHT},    {"key HOME", VK_HOME},     {"key END", VK_END},
                         {"key ENTER", VK_RETURN},   {"key ESCAPE", VK_ESCAPE}};
    for (const Case& c : keys) {
        ScriptCommand command;
        std::string error;
        ASSERT_EQ(layer::parseScriptLine(c.line, command, error), ScriptLine::Command) << c.line;
        EXPECT_EQ(command.virtualKey, c.virtualKey) << c.line;
    }
    ScriptCommand command;
    std::string error;
    ASSERT_EQ(layer::parseScriptLine("answer CANCEL", command, error), ScriptLine::Command);
    EXPECT_FALSE(command.ok);
    ASSERT_EQ(layer::parseScriptLine("answer OK", command, error), ScriptLine::Command);
    EXPECT_TRUE(command.ok);
}

TEST(ScriptParser, BlankLinesAndCommentsAreNothing) {
    for (const char* line : {"", "   ", "\r", "# click 1 2", "   # indented comment"}) {
        ScriptCommand command;
        std::string error;
        EXPECT_EQ(layer::parseScriptLine(line, command, error), ScriptLine::Nothing) << line;
    }
}

TEST(ScriptParser, MalformedLinesAreErrors) {
    const char* lines[] = {
        "clack 1 2",        // unknown command
        "Click 1 2",        // commands are lower case
        "click 1",          // a coordinate missing
        "click 1 2 3",      // one too many
        "click x 2",        // not a number
        "click 1 99999999", // out of range
        "key SPACE",        // not a key the script knows
        "key",              //
        "answer YES",       //
        "answer",           //
        "screenshot",       // no file
        "screenshot   ",    //
        "status now",       // takes no arguments
        "close 1",          //
    };
    for (const char* line : lines) {
        ScriptCommand command;
        std::string error;
        EXPECT_EQ(layer::parseScriptLine(line, command, error), ScriptLine::Error) << line;
        EXPECT_FALSE(error.empty()) << line;
    }
}

TEST(ScriptParser, TypedTextBecomesWindowsLatin) {
    EXPECT_EQ(layer::scriptTextToWindowsLatin("V\xC3\xA2rf \xE2\x82\xAC"), "V\xE2rf \x80");
    EXPECT_EQ(layer::scriptTextToWindowsLatin("\xE4\xB8\xAD"), "?") << "no single-byte code";
}

} // namespace
