// How names compare. BASIC ignores letter case: every lookup compares the
// upper-case key of a name (a to z only; other bytes as they are), which a
// record's name and a token each get once. Where a Part compares exactly
// (class names in some visibility rules, findType), it says so with ==.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The key under which a name is found.
std::string nameKey(const std::string& name);

// The upper case of a letter a to z; any other byte as it is.
inline char upperCaseLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Whether two names are the same name to BASIC; allocates nothing. Every
// lookup compares names, so this and the hash below are inline.
inline bool sameName(const std::string& a, const std::string& b) {
    const size_t size = a.size();
    if (size != b.size()) return false;
    const char* x = a.data();
    const char* y = b.data();
    for (size_t i = 0; i < size; ++i)
        if (x[i] != y[i] && upperCaseLetter(x[i]) != upperCaseLetter(y[i])) return false;
    return true;
}

// Whether `name` has the key `key` (already upper case); allocates nothing.
bool hasKey(const std::string& name, const std::string& key);

// A name with no lower-case letter: its own key.
bool isKey(const std::string& name);

// The built-in types that hold whole numbers (as the declarations spell
// them), and those with Single and Double.
bool isWholeNumberType(const std::string& type);
bool isNumberType(const std::string& type);
// Double or Single, in any letter case.
bool isDecimalType(const std::string& type);

// Hashing by key, for indexes that find a name in any letter case without
// making its key first.
struct NameHash {
    // FNV-1a over the upper-case bytes.
    size_t operator()(const std::string& name) const {
        uint64_t hash = 1469598103934665603ull;
        for (char c : name) {
            hash ^= static_cast<unsigned char>(upperCaseLetter(c));
            hash *= 1099511628211ull;
        }
        return static_cast<size_t>(hash);
    }
};
