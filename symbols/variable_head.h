// The parts of a variable declaration both passes read the same way.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class SourceReader;

struct VariableHead {
    std::string nameAsWritten;
    bool isArray = false;
    int32_t arraySize = -1;  // -1: an array without a size
    std::string arraySizeName;  // the constant that gives the size, as written
    int32_t sizeLine = 0, sizePosition = 0;  // where that name stands, as reports count
};

// group -> name [ "(" [digits | constant] ")" ] {"," name [...]} AS ; the
// names one AS gives its type. Ends on the type token (or FUNCTION). A
// constant's value is for the caller to find.
std::vector<VariableHead> readVariableGroup(SourceReader& r);

// A value after "=" belongs to one name, which is no array.
void checkInitialValueNames(const std::vector<VariableHead>& group);

// The value a variable outside a procedure starts with: a constant.
struct InitialConstant {
    enum class Kind { Number, Text, Constant };
    Kind kind = Kind::Number;
    // The number (with its "-"), the string literal, or the constant's name,
    // as written.
    std::string text;
    bool negative = false;  // a constant's name after "-"
    std::string asWritten;  // the value (after its sign) as written, for reports
    int32_t line = 0, position = 0;  // where it stands, as reports count
};

// initial -> "=" (["-" | "+"] (number | "&" Hdigits | TRUE | FALSE | constant) | string)
// Starts on "=" and ends on the token after the value.
InitialConstant readInitialConstant(SourceReader& r);
