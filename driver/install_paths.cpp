#include "driver/install_paths.h"

#include "driver/host.h"

std::string directoryOfProgram(const std::string& programPath, char separator) {
    size_t cut = programPath.rfind(separator);
    if (cut == std::string::npos) return programPath;
    return programPath.substr(0, cut);
}

std::string installDirectoryOf(const std::string& programDir) {
    if (programDir.size() < 3) return std::string();
    return programDir.substr(0, programDir.size() - 3);
}

std::string programDirectory() { return directoryOfProgram(host::runningProgramPath(), host::separator); }

std::string installDirectory() { return installDirectoryOf(programDirectory()); }
