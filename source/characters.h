// The character classes of BASIC source text, shared by the reader and by
// the look-aheads that read the text ahead of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Each byte's classes as bits, looked up once by the loops that test every
// character of a line.
enum CharacterClass : uint8_t { LETTER_CLASS = 1, DIGIT_CLASS = 2, BLANK_CLASS = 4 };

constexpr std::array<uint8_t, 256> makeCharacterClasses() {
    std::array<uint8_t, 256> classes{};
    for (int c = 'A'; c <= 'Z'; ++c) classes[static_cast<size_t>(c)] = LETTER_CLASS;
    for (int c = 'a'; c <= 'z'; ++c) classes[static_cast<size_t>(c)] = LETTER_CLASS;
    classes['_'] = LETTER_CLASS;
    for (int c = '0'; c <= '9'; ++c) classes[static_cast<size_t>(c)] = DIGIT_CLASS;
    classes[' '] = classes['\t'] = BLANK_CLASS;
    return classes;
}
inline constexpr std::array<uint8_t, 256> characterClasses = makeCharacterClasses();

// Any int: a char (negative above 127), an unsigned char, or -1 for the end.
constexpr bool hasClass(int c, uint8_t classes) {
    return static_cast<unsigned>(c) < 256 && (characterClasses[static_cast<size_t>(c)] & classes) != 0;
}
constexpr bool isLetter(int c) { return hasClass(c, LETTER_CLASS); }
constexpr bool isDigit(int c) { return hasClass(c, DIGIT_CLASS); }
constexpr bool isBlank(int c) { return hasClass(c, BLANK_CLASS); }
constexpr bool isNameChar(int c) { return hasClass(c, LETTER_CLASS | DIGIT_CLASS); }

// `text` from its first character that is no blank or tab ("" for none).
inline std::string_view skipBlanks(std::string_view text) {
    const size_t at = text.find_first_not_of(" \t");
    return at == std::string_view::npos ? std::string_view() : text.substr(at);
}

// The whole word `upperWord` (any letter case) stands at `at` in `text`.
inline bool isWordAt(std::string_view text, size_t at, std::string_view upperWord) {
    if (at > 0 && isNameChar(static_cast<unsigned char>(text[at - 1]))) return false;
    if (text.size() - at < upperWord.size()) return false;
    for (size_t k = 0; k < upperWord.size(); ++k)
        if ((text[at + k] & ~0x20) != upperWord[k]) return false;
    const size_t end = at + upperWord.size();
    return end >= text.size() || !isNameChar(static_cast<unsigned char>(text[end]));
}
