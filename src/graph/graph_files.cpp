#include "graph/graph_files.h"

#include <cstdio>
#include <cstring>
#include <fstream>

#include "graph/graph_store.h"
#include "graph/graph_streams.h"
#include "graph/replace_file.h"

namespace {

// The save writes here first, beside the target so that the final rename stays on one volume.
constexpr const char TempSuffix[] = ".grafuri-tmp";
constexpr int TempNameSize = 1024;

bool makeTempName(const char* name, char (&temp)[TempNameSize]) {
    const std::size_t length = std::strlen(name);
    if (length + sizeof TempSuffix > sizeof temp) {
        return false;
    }
    std::memcpy(temp, name, length);
    std::memcpy(temp + length, TempSuffix, sizeof TempSuffix);
    return true;
}

bool isBlank(const char* name) {
    return name == nullptr || name[0] == '\0';
}

} // namespace

FileResult loadStartupGraph() {
    std::ifstream in(StartupFileName);
    if (!in.is_open()) {
        emptyGraph();
        return FileResult::CannotOpen;
    }
    return loadStartupStream(in);
}

FileResult readGraphFile(const char* name) {
    if (isBlank(name)) {
        return FileResult::CannotOpen;
    }
    std::ifstream in(name);
    if (!in.is_open()) {
        return FileResult::CannotOpen;
    }
    return readGraphStream(in);
}

// The user's file is replaced only by a complete copy: a failed write or close removes the
// temporary and leaves the old file as it was.
FileResult saveGraphFile(const char* name) {
    char temp[TempNameSize];
    if (isBlank(name) || !makeTempName(name, temp)) {
        return FileResult::CannotOpen;
    }
    std::ofstream out(temp);
    if (!out.is_open()) {
        return FileResult::CannotOpen;
    }
    const bool written = writeGraphStream(out);
    out.close();
    if (!written || out.fail() || !replaceFile(temp, name)) {
        std::remove(temp);
        return FileResult::CannotWrite;
    }
    return FileResult::Ok;
}
