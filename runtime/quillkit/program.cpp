// The program of the Quillkit library: its arguments, its environment and
// its end.
#ifdef _WIN32
#include <windows.h>
#endif
#include <cstdio>
#include <cstdlib>
#include <string>

#include "quillkit.h"
#include "runtime_internal.h"

namespace quillkit {

// Windows hands a program its command line as one text; the program's name
// comes first, in quotes when it holds blanks.
String Command() {
#ifdef _WIN32
    const char* line = GetCommandLineA();
    if (!line) return String();
    if (*line == '"') {
        ++line;
        while (*line && *line != '"') ++line;
        if (*line == '"') ++line;
    } else {
        while (*line && *line != ' ' && *line != '\t') ++line;
    }
    while (*line == ' ' || *line == '\t') ++line;
    return String(line);
#else
    // The native start keeps no argv: the kernel's copy, one argument after
    // another, each ended by a NUL.
    std::FILE* file = std::fopen("/proc/self/cmdline", "rb");
    if (!file) return String();
    std::string all;
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) all.append(buffer, count);
    std::fclose(file);
    size_t start = all.find('\0');
    if (start == std::string::npos) return String();
    std::string arguments = all.substr(start + 1);
    if (!arguments.empty() && arguments.back() == '\0') arguments.pop_back();
    for (char& c : arguments)
        if (c == '\0') c = ' ';
    return String(arguments);
#endif
}

String Environ(String name) {
    if (name.str().empty()) return String();
#ifdef _WIN32
    // The process's own environment, which SetEnvironmentVariableA changes
    // and the C library's copy does not follow.
    std::string value(256, '\0');
    for (;;) {
        DWORD size = GetEnvironmentVariableA(name, &value[0], static_cast<DWORD>(value.size()));
        if (size == 0) return String();
        if (size < value.size()) {
            value.resize(size);
            return String(value);
        }
        value.resize(size);
    }
#else
    const char* value = std::getenv(name.str().c_str());
    return String(value ? value : "");
#endif
}

// std::exit would flush and close the streams as well; closing the handles
// here does not depend on it.
void EndProgram(Long status) {
    std::fflush(stdout);
    closeOpenFiles();
    std::exit(status);
}

}  // namespace quillkit
