#include "shell/file_commands.h"

#include "graph/graph_files.h"
#include "graph/text_buffers.h"
#include "shell/control_panel.h"
#include "shell/shell_globals.h"

namespace {

constexpr int MaxFileNameLength = 17;

char upperLatin(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The platform's file system ignores case, so any spelling of the start-up name opens that file;
// folding A to Z is enough, as it holds no other letters.
bool isStartupFileName(const char* name) {
    const char* startup = StartupFileName;
    while (*name != '\0' && upperLatin(*name) == upperLatin(*startup)) {
        ++name;
        ++startup;
    }
    return *name == '\0' && *startup == '\0';
}

// The typed name goes into ResultText; true when it may be used.
bool readFileName() {
    GetWindowTextA(fileNameBox, ResultText, MaxFileNameLength + 1);
    return !isStartupFileName(ResultText);
}

} // namespace

void readFileCommand() {
    if (!readFileName()) {
        MessageBoxA(mainWindow, "Fisierul a fost citit la executia aplicatiei", "Citire graf", MB_OK);
        return;
    }
    switch (readGraphFile(ResultText)) {
    case FileResult::Ok: break;
    case FileResult::CannotOpen:
        MessageBoxA(mainWindow, "Acest fisier nu exista!", "Citire fisier", MB_OK);
        break;
    case FileResult::InvalidGraph:
        MessageBoxA(mainWindow, "Fisierul nu contine un graf valid!", "Citire fisier", MB_OK);
        break;
    case FileResult::CannotWrite: break;
    }
    invalidateCanvas();
}

void saveFileCommand() {
    if (!readFileName()) {
        MessageBoxA(mainWindow, "Alegeti un nume diferit de fisierul initial!", "Salvare graf", MB_OK);
        return;
    }
    const char* text = saveGraphFile(ResultText) == FileResult::Ok ? "Graful a fost salvat in fisier"
                                                                   : "Graful nu a putut fi salvat!";
    MessageBoxA(mainWindow, text, "Salvare graf", MB_OK);
}
