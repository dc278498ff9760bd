// The short index of assignment values and conditions: one number or one
// Long, Integer or Byte variable between "(" and ")", written in brackets.
#pragma once

#include <string>

#include "driver/translator.h"

// The current token is the "(" after the array's name; afterwards the
// token after the ")" is current. A condition writes its "[" before it
// checks that the name is an array, an assignment value after.
void translateOneValueIndex(Translator& t, const std::string& arrayName, bool bracketFirst);
