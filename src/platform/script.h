// The grafuri-script language: one command a line. The parser is separate from the headless
// backend that carries the commands out, so its errors can be checked on their own.
#pragma once

#include <string>

namespace layer {

enum class ScriptCommandKind { Click, RightClick, DoubleClick, Type, Key, Answer, Screenshot, Status, Close };

struct ScriptCommand {
    ScriptCommandKind kind = ScriptCommandKind::Status;
    int x = 0, y = 0;   // click, rclick, dblclick: main window client coordinates
    std::string text;   // type: the characters (UTF-8); screenshot: the file
    int virtualKey = 0; // key
    bool ok = true;     // answer: OK (true) or CANCEL (false)
};

enum class ScriptLine { Command, Nothing, Error };

// Parses one line (without its line feed). Nothing for blank lines and comments; Error with the
// reason in `error`.
ScriptLine parseScriptLine(const std::string& line, ScriptCommand& out, std::string& error);

// UTF-8 text of the script to the single-byte Windows Latin text the controls take; characters
// without a code become '?'.
std::string scriptTextToWindowsLatin(const std::string& utf8);

} // namespace layer
