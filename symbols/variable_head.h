// The part of a variable declaration both passes read the same way.
#pragma once

#include <cstdint>
#include <string>

class SourceReader;

struct VariableHead {
    std::string nameAsWritten;
    bool isArray = false;
    int32_t arraySize = -1;  // -1: an array without a size
};

// head -> name [ "(" [digits] ")" ] AS ; ends on the type token (or FUNCTION).
VariableHead readVariableHead(SourceReader& r);
