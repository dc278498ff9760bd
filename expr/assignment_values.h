// The two value loops of the assignment statements. Each starts on the
// first token of the value and runs to the end of the line.
#pragma once

#include <string>

#include "driver/translator.h"

// The value of a variable assignment; casts and quoting follow the type
// of the target. THEN ends the value and stays current.
void translateAssignmentValue(Translator& t, const std::string& targetType);

// The value after "=" in a declaration line: as a variable assignment's,
// also ended by a "," outside parentheses, which stays current.
void translateDeclarationValue(Translator& t, const std::string& targetType);

// A bound or step of a FOR line, of the loop variable's type: ended by
// TO, STEP or the end of the line, which stays current.
void translateLoopBound(Translator& t, const std::string& type);

// The value of a function result; casts and quoting follow the return type.
void translateResultValue(Translator& t, const FunctionRecord& function);
