// The full index: any expression of whole numbers between "(" and ")".
#pragma once

#include <string>

#include "driver/translator.h"

// After the "(" (current) and the "[" already written: the terms and the
// "]"; the token that ends the index, normally ")", stays current.
void translateIndexTerms(Translator& t);

// String, Double and Single values cannot index a C++ array.
bool isDecimalOrText(const std::string& type);
