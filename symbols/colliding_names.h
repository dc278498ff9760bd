// Names of the program that C++ already has (keywords, macros, library
// names brought in by the generated preamble), and the spelling under which
// the generated code writes them instead.
#pragma once

#include <string>
#include <vector>

// True when `name`, exactly as spelt, would clash in the generated C++.
bool collidesInCpp(const std::string& name);

// `name` itself, or, when it collides, the same letters in another case
// that does not (size becomes Size).
std::string collisionFreeSpelling(const std::string& name);

// The same for a name declared at file scope (a module variable, TYPE or
// function), whose other spelling must not be a support type either
// (byte becomes BYTe, not the type Byte).
std::string fileScopeSpelling(const std::string& name);
