// String functions of the Quillkit library.
#include <cctype>
#include <cstdint>
#include <cstdlib>

#include "quillkit.h"

namespace {

// Clips a count to what the text holds.
size_t clipped(Long n, size_t size) {
    if (n <= 0) return 0;
    return static_cast<size_t>(n) < size ? static_cast<size_t>(n) : size;
}

}  // namespace

String Left(String s, Long n) { return String(s.str().substr(0, clipped(n, s.str().size()))); }

String Right(String s, Long n) {
    const std::string& text = s.str();
    size_t count = clipped(n, text.size());
    return String(text.substr(text.size() - count));
}

String Mid(String s, Long start, Long n) {
    const std::string& text = s.str();
    if (start < 1 || static_cast<size_t>(start) > text.size()) return String();
    size_t from = static_cast<size_t>(start) - 1;
    return String(text.substr(from, clipped(n, text.size() - from)));
}

Long Len(String s) { return s.length(); }

Long InStr(String s, String find) {
    size_t at = s.str().find(find.str());
    return at == std::string::npos ? 0 : static_cast<Long>(at) + 1;
}

String UCase(String s) {
    std::string text = s.str();
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return String(text);
}

String LCase(String s) {
    std::string text = s.str();
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return String(text);
}

String Trim(String s) {
    const std::string& text = s.str();
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return String();
    size_t last = text.find_last_not_of(" \t");
    return String(text.substr(first, last - first + 1));
}

String Str(Long n) { return String(n); }

// Beyond the Long range the nearest Long, as strtol gives it where long has
// 32 bits; a wider long would be cut to its low 32 bits instead.
Long Val(String s) {
    long long n = std::strtoll(s.str().c_str(), nullptr, 10);
    if (n > INT32_MAX) return INT32_MAX;
    if (n < INT32_MIN) return INT32_MIN;
    return static_cast<Long>(n);
}

String Chr(Long code) { return String(static_cast<char>(code)); }

Long Asc(String s) { return s.str().empty() ? 0 : static_cast<unsigned char>(s.str()[0]); }
