// Running the tool chain and deleting files on each host.
#include <cstdio>
#include <cstdlib>
#include <ostream>

#include "driver/host.h"

namespace host {

namespace {

// What the command interpreter would split or act on inside a file name.
bool needsQuotes(const std::string& argument) {
    return argument.empty() || argument.find_first_of(" \t\"&|<>^") != std::string::npos;
}

// One argument as the tool's C runtime reads it back: inside the quotes a
// run of backslashes is doubled where a quote follows it.
std::string quoted(const std::string& argument) {
    std::string result = "\"";
    size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        result.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
        backslashes = 0;
        result += c;
    }
    result.append(2 * backslashes, '\\');
    return result + "\"";
}

std::string quotedWhereNeeded(const std::string& argument) {
    return needsQuotes(argument) ? quoted(argument) : argument;
}

}  // namespace

std::string interpreterLine(const Command& command) {
    bool plain = true;
    for (const std::string& argument : command.arguments)
        if (needsQuotes(argument)) plain = false;
    if (plain) {
        std::string line = command.text;
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        return line;
    }
    // The tool is a bare name; a leading quote would make cmd /c strip quotes.
    std::string line = command.arguments.front();
    for (size_t i = 1; i < command.arguments.size(); ++i) line += " " + quotedWhereNeeded(command.arguments[i]);
    return line;
}

std::string deletionLine(const std::string& name) {
    // del takes a "/" for the start of a switch and deletes another file.
    std::string target = name;
    for (char& c : target)
        if (c == '/') c = '\\';
    return "del " + quotedWhereNeeded(target);
}

}  // namespace host

#ifdef _WIN32

namespace host {

bool runCommand(const Command& command, std::ostream& console) {
    console.flush();
    std::fflush(stdout);
    // The interpreter's status is the tool's, or its own when it found none.
    return std::system(interpreterLine(command).c_str()) == 0;
}

void deleteFile(const std::string& name, std::ostream& console) {
    console.flush();
    std::fflush(stdout);
    std::system(deletionLine(name).c_str());
}

std::vector<std::string> prepareHeaderAliases(const std::vector<std::pair<std::string, std::string>>&) {
    return {};  // file names ignore letter case here
}

void removeHeaderAliases() {}

}  // namespace host

#else

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

extern char** environ;

namespace host {

namespace {

// The Windows tool names of the command texts, as the 32-bit MinGW cross tools.
std::string crossTool(const std::string& tool) {
    if (tool == "g++") return "i686-w64-mingw32-g++";
    if (tool == "windres.exe") return "i686-w64-mingw32-windres";
    if (tool == "ar.exe") return "i686-w64-mingw32-ar";
    return tool;
}

std::filesystem::path aliasFolder;

}  // namespace

bool runCommand(const Command& command, std::ostream& console) {
    if (command.arguments.empty()) return false;
    std::vector<std::string> arguments;
    arguments.push_back(crossTool(command.arguments[0]));
    for (size_t i = 1; i < command.arguments.size(); ++i) arguments.push_back(nativePath(command.arguments[i]));
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    console.flush();
    std::fflush(stdout);
    pid_t child;
    int error = posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ);
    if (error != 0) {
        console << "unable to run " << arguments[0] << ": " << std::strerror(error) << "\n";
        console.flush();
        return false;
    }
    int status = 0;
    pid_t waited;
    while ((waited = waitpid(child, &status, 0)) < 0 && errno == EINTR) {
    }
    return waited == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void deleteFile(const std::string& name, std::ostream&) {
    std::error_code ignored;
    std::filesystem::remove(nativePath(name), ignored);
}

std::vector<std::string> prepareHeaderAliases(const std::vector<std::pair<std::string, std::string>>& aliases) {
    removeHeaderAliases();
    if (aliases.empty()) return {};
    char pattern[] = "/tmp/plix-headers-XXXXXX";
    if (!mkdtemp(pattern)) return {};
    aliasFolder = pattern;
    for (const auto& [includeName, header] : aliases) {
        std::error_code error;
        std::filesystem::path target = std::filesystem::absolute(nativePath(header), error);
        std::ofstream forward(aliasFolder / includeName, std::ios::binary);
        forward << "#include \"" << target.string() << "\"\n";
    }
    return {"-I" + aliasFolder.string()};
}

void removeHeaderAliases() {
    if (aliasFolder.empty()) return;
    std::error_code error;
    std::filesystem::remove_all(aliasFolder, error);
    aliasFolder.clear();
}

}  // namespace host

#endif
