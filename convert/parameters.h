// How a parameter is declared in C++: heads, prototypes and class headers
// share this one spelling so that they always agree.
#pragma once

#include <string>

#include "symbols/records.h"

class Translator;

std::string parameterDeclaration(const Translator& t, const VariableRecord& parameter);
// Every parameter of the function, separated by "," without blanks.
std::string parameterList(const Translator& t, const FunctionRecord& function);
