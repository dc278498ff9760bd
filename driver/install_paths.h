// Where the installation's support files are: the program lives in
// <install>/bin, beside <install>/BasicInclude and <install>/BasicLibs.
#pragma once

#include <string>

// The directory part of a program path: cut before the last separator;
// empty when that separator is the first character; the whole path when
// there is none.
std::string directoryOfProgram(const std::string& programPath, char separator);
// A program directory with its last three characters ("bin") removed.
std::string installDirectoryOf(const std::string& programDir);

// The same for the running plix.
std::string programDirectory();
std::string installDirectory();
