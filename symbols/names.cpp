#include "symbols/names.h"

#include <cstdint>

#include "symbols/records.h"

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string nameKey(const std::string& name) { return upperCase(name); }

bool sameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i])) return false;
    return true;
}

bool isKey(const std::string& name) {
    for (char c : name)
        if (c >= 'a' && c <= 'z') return false;
    return true;
}

// FNV-1a over the upper-case bytes.
size_t NameHash::operator()(const std::string& name) const {
    uint64_t hash = 1469598103934665603ull;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(upper(c));
        hash *= 1099511628211ull;
    }
    return static_cast<size_t>(hash);
}

bool hasKey(const std::string& name, const std::string& key) {
    if (name.size() != key.size()) return false;
    for (size_t i = 0; i < name.size(); ++i)
        if (upper(name[i]) != key[i]) return false;
    return true;
}

bool isWholeNumberType(const std::string& type) {
    static const char* const types[] = {"Long", "Integer", "Byte", "Boolean", "Short", "Char", "Any"};
    for (const char* whole : types)
        if (type == whole) return true;
    return false;
}

bool isNumberType(const std::string& type) { return isWholeNumberType(type) || type == "Single" || type == "Double"; }
