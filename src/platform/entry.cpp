// The start-up code of a non-Windows build: WinMain gets the module handle, no previous instance,
// the command line after the program's name and SW_SHOWDEFAULT, and its result is the exit code.
// Only main lives here, so a program that brings its own main (a test) never pulls this file in.
#include "platform/backend.h"

#include <string>

int main(int argc, char** argv) {
    layer::setProgramArguments(argc, argv);
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1)
            commandLine += ' ';
        commandLine += argv[i];
    }
    return WinMain(GetModuleHandleA(nullptr), nullptr, commandLine.data(), SW_SHOWDEFAULT);
}
