// The character classes of BASIC source text, shared by the reader and by
// the look-aheads that read the text ahead of it.
#pragma once

#include <cstddef>
#include <string_view>

constexpr bool isLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
constexpr bool isDigit(int c) { return c >= '0' && c <= '9'; }
constexpr bool isBlank(int c) { return c == ' ' || c == '\t'; }
constexpr bool isNameChar(int c) { return isLetter(c) || isDigit(c); }

// The whole word `upperWord` (any letter case) stands at `at` in `text`.
inline bool isWordAt(std::string_view text, size_t at, std::string_view upperWord) {
    if (at > 0 && isNameChar(static_cast<unsigned char>(text[at - 1]))) return false;
    if (text.size() - at < upperWord.size()) return false;
    for (size_t k = 0; k < upperWord.size(); ++k)
        if ((text[at + k] & ~0x20) != upperWord[k]) return false;
    const size_t end = at + upperWord.size();
    return end >= text.size() || !isNameChar(static_cast<unsigned char>(text[end]));
}
