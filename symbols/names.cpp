#include "symbols/names.h"

#include <cstdint>

#include "symbols/records.h"

std::string nameKey(const std::string& name) { return upperCase(name); }

bool isKey(const std::string& name) {
    for (char c : name)
        if (c >= 'a' && c <= 'z') return false;
    return true;
}

bool hasKey(const std::string& name, const std::string& key) {
    if (name.size() != key.size()) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (upperCaseLetter(name[i]) != key[i]) return false;
    return true;
}

bool isWholeNumberType(const std::string& type) {
    static const char* const types[] = {"Long", "Integer", "Byte", "Boolean", "Short", "Char", "Any"};
    for (const char* whole : types)
        if (type == whole) return true;
    return false;
}

bool isNumberType(const std::string& type) { return isWholeNumberType(type) || type == "Single" || type == "Double"; }

bool isDecimalType(const std::string& type) { return sameName(type, "Double") || sameName(type, "Single"); }
