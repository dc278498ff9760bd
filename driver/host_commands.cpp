// Running the tool chain and deleting files on each host.
#include <cstdlib>
#include <ostream>

#include "driver/host.h"

#ifdef _WIN32

namespace host {

void runCommand(const Command& command, std::ostream& console) {
    console.flush();
    std::system(command.text.c_str());
}

void deleteFile(const std::string& name, std::ostream& console) {
    console.flush();
    std::system(("del " + name).c_str());
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

void runCommand(const Command& command, std::ostream& console) {
    if (command.arguments.empty()) return;
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
        return;
    }
    int status;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
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
