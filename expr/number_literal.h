// Numbers in expressions. The reader delivers 2.5 as three tokens (digits,
// ".", digits); the value translators put them back together.
#pragma once

#include <string>

#include "source/source_reader.h"

// From a digits token: the number as written, with its fraction if one
// follows. The token after the number is current afterwards.
std::string readNumberLiteral(SourceReader& reader);

// The type of a number as readNumberLiteral gives it: Double with a
// fraction, Long without.
inline std::string numberLiteralType(const std::string& number) {
    return number.find('.') == std::string::npos ? "Long" : "Double";
}

// TRUE and FALSE are the numbers 1 and 0 wherever a number stands.
inline bool isTruthWord(const SourceReader& reader) { return reader.is("TRUE") || reader.is("FALSE"); }
