// A text that takes few distinct values over a run (type names): each value
// is kept once, and a record holds a pointer to it, where a std::string
// would take 32 bytes in every parameter and variable. It reads as a
// std::string.
#pragma once

#include <ostream>
#include <string>
#include <unordered_set>

class InternedText {
public:
    InternedText() = default;
    InternedText& operator=(const std::string& text) {
        text_ = text.empty() ? nullptr : &*values().insert(text).first;
        return *this;
    }
    InternedText& operator=(const char* text) { return *this = std::string(text); }

    const std::string& str() const { return text_ ? *text_ : none(); }
    operator const std::string&() const { return str(); }
    bool empty() const { return text_ == nullptr; }
    size_t size() const { return str().size(); }

    friend bool operator==(const InternedText& a, const InternedText& b) { return a.text_ == b.text_; }
    friend bool operator==(const InternedText& a, const std::string& b) { return a.str() == b; }
    friend bool operator==(const std::string& a, const InternedText& b) { return a == b.str(); }
    friend bool operator==(const InternedText& a, const char* b) { return a.str() == b; }
    friend bool operator!=(const InternedText& a, const InternedText& b) { return !(a == b); }
    friend bool operator!=(const InternedText& a, const std::string& b) { return !(a == b); }
    friend bool operator!=(const std::string& a, const InternedText& b) { return !(a == b); }
    friend bool operator!=(const InternedText& a, const char* b) { return !(a == b); }

private:
    // Elements of an unordered_set never move: the pointers stay good.
    static std::unordered_set<std::string>& values() {
        static std::unordered_set<std::string> all;
        return all;
    }
    static const std::string& none() {
        static const std::string empty;
        return empty;
    }
    const std::string* text_ = nullptr;
};

inline std::ostream& operator<<(std::ostream& out, const InternedText& text) { return out << text.str(); }
