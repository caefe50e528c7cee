// The grafuri-script parser.
#include "platform/script.h"

#include "platform/gdi_internal.h"
#include "platform/win32.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <sstream>
#include <strings.h>
#include <vector>

namespace layer {
namespace {

struct KeyName {
    const char* name;
    int virtualKey;
};

const KeyName keyNames[] = {{"BACKSPACE", VK_BACK}, {"DELETE", VK_DELETE}, {"LEFT", VK_LEFT},
                            {"RIGHT", VK_RIGHT},    {"HOME", VK_HOME},     {"END", VK_END},
                            {"ENTER", VK_RETURN},   {"ESCAPE", VK_ESCAPE}};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    std::string word;
    while (in >> word)
        out.push_back(word);
    return out;
}

bool parseInt(const std::string& word, int& value) {
    if (word.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || errno != 0 || v < -32768 || v > 32767)
        return false;
    value = (int)v;
    return true;
}

// The text after the command word and the one blank that separates it.
std::string restAfter(const std::string& line, std::size_t commandEnd) {
    if (commandEnd >= line.size())
        return "";
    return line.substr(commandEnd + 1);
}

ScriptLine fail(std::string& error, const std::string& reason) {
    error = reason;
    return ScriptLine::Error;
}

} // namespace

ScriptLine parseScriptLine(const std::string& raw, ScriptCommand& out, std::string& error) {
    std::string line = raw;
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line[start] == '#')
        return ScriptLine::Nothing;
    std::size_t commandEnd = line.find_first_of(" \t", start);
    if (commandEnd == std::string::npos)
        commandEnd = line.size();
    std::string command = line.substr(start, commandEnd - start);
    std::vector<std::string> args = words(line.substr(commandEnd));
    out = ScriptCommand{};

    if (command == "click" || command == "rclick" || command == "dblclick") {
        out.kind = command == "click"    ? ScriptCommandKind::Click
                   : command == "rclick" ? ScriptCommandKind::RightClick
                                         : ScriptCommandKind::DoubleClick;
        if (args.size() != 2 || !parseInt(args[0], out.x) || !parseInt(args[1], out.y))
            return fail(error, command + " needs two integer coordinates X Y");
        return ScriptLine::Command;
    }
    if (command == "type") {
        out.kind = ScriptCommandKind::Type;
        out.text = restAfter(line, commandEnd);
        return ScriptLine::Command;
    }
    if (command == "key") {
        out.kind = ScriptCommandKind::Key;
        if (args.size() != 1)
            return fail(error, "key needs one key name");
        for (const KeyName& k : keyNames)
            if (strcasecmp(k.name, args[0].c_str()) == 0)
                out.virtualKey = k.virtualKey;
        if (out.virtualKey == 0)
            return fail(error, "unknown key name: " + args[0]);
        return ScriptLine::Command;
    }
    if (command == "answer") {
        out.kind = ScriptCommandKind::Answer;
        if (args.size() != 1 ||
            (strcasecmp(args[0].c_str(), "OK") != 0 && strcasecmp(args[0].c_str(), "CANCEL") != 0))
            return fail(error, "answer needs OK or CANCEL");
        out.ok = strcasecmp(args[0].c_str(), "OK") == 0;
        return ScriptLine::Command;
    }
    if (command == "screenshot") {
        out.kind = ScriptCommandKind::Screenshot;
        std::string file = restAfter(line, commandEnd);
        std::size_t first = file.find_first_not_of(" \t");
        std::size_t last = file.find_last_not_of(" \t");
        if (first == std::string::npos)
            return fail(error, "screenshot needs a file name");
        out.text = file.substr(first, last - first + 1);
        return ScriptLine::Command;
    }
    if (command == "status" || command == "close") {
        out.kind = command == "status" ? ScriptCommandKind::Status : ScriptCommandKind::Close;
        if (!args.empty())
            return fail(error, command + " takes no arguments");
        return ScriptLine::Command;
    }
    return fail(error, "unknown command: " + command);
}

std::string scriptTextToWindowsLatin(const std::string& utf8) {
    return utf8ToWindowsLatin(utf8);
}

} // namespace layer
