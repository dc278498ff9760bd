// The part of a variable declaration both passes read the same way.
#pragma once

#include <cstdint>
#include <string>

class SourceReader;

struct VariableHead {
    std::string nameAsWritten;
    bool isArray = false;
    int32_t arraySize = -1;  // -1: an array without a size
    std::string arraySizeName;  // the constant that gives the size, as written
    int32_t sizeLine = 0, sizePosition = 0;  // where that name stands, as reports count
};

// head -> name [ "(" [digits | constant] ")" ] AS ; ends on the type token
// (or FUNCTION). A constant's value is for the caller to find.
VariableHead readVariableHead(SourceReader& r);
