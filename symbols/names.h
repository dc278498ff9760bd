// How names compare. BASIC ignores letter case: every lookup compares the
// upper-case key of a name (a to z only; other bytes as they are), which a
// record's name and a token each get once. Where a Part compares exactly
// (class names in some visibility rules, findType), it says so with ==.
#pragma once

#include <string>

// The key under which a name is found.
std::string nameKey(const std::string& name);

// Whether two names are the same name to BASIC; allocates nothing.
bool sameName(const std::string& a, const std::string& b);

// Whether `name` has the key `key` (already upper case); allocates nothing.
bool hasKey(const std::string& name, const std::string& key);

// A name with no lower-case letter: its own key.
bool isKey(const std::string& name);

// The built-in types that hold whole numbers (as the declarations spell
// them), and those with Single and Double.
bool isWholeNumberType(const std::string& type);
bool isNumberType(const std::string& type);

// Hashing and equality by key, for maps that find a name in any letter
// case without making its key first.
struct NameHash {
    size_t operator()(const std::string& name) const;
};
struct NameEqual {
    bool operator()(const std::string& a, const std::string& b) const { return sameName(a, b); }
};
