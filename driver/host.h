// The host layer: everything that differs between Windows and Linux hosts.
// Texts that plix prints keep their Windows form; only what reaches the
// operating system is adapted here.
#pragma once

#include <string>

namespace host {

// The directory separator of the running host's own paths.
#ifdef _WIN32
constexpr char separator = '\\';
#else
constexpr char separator = '/';
#endif

// Full path of the running plix program file, not truncated at any length.
std::string runningProgramPath();

// A path as plix writes it (backslashes) in the form the host opens.
std::string nativePath(const std::string& path);

// The path to open for a file plix looks for under `path`. Windows ignores
// letter case in file names; on Linux, when `path` itself does not exist,
// the one file in its folder whose name matches ignoring case is taken.
// Returns `path` unchanged when nothing better is found.
std::string findFile(const std::string& path);

}  // namespace host
