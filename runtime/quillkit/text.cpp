// Text functions of the Quillkit library: searching, trimming, building
// and comparing texts, and the texts of numbers.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "decimal.h"
#include "quillkit.h"

namespace {

// A text that Space, Repeat or Replace would make longer than this is "":
// a 32-bit program runs out of memory, which it cannot survive, not far
// beyond it, and a count that large is a mistake anyway.
const size_t kLargestBuilt = size_t(1) << 28;

bool blank(char c) { return c == ' ' || c == '\t'; }

// The same text for infinities and NaN on every C library.
const char* nonFinite(double x) { return std::isnan(x) ? "NaN" : (x < 0 ? "-Inf" : "Inf"); }

// printf's %g text in one form everywhere: "." whatever the locale, an
// exponent of at least two digits (Windows' C library writes three), and
// "-0" as "0".
std::string general(double x, int precision) {
    if (!std::isfinite(x)) return nonFinite(x);
    if (x == 0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, x);
    std::string text;
    for (const char* p = buffer; *p; ++p) {
        char c = *p;
        if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == 'e') {
            text += c;
        } else if (c == 'E') {
            text += 'e';
        } else {
            text += '.';
        }
    }
    size_t e = text.find('e');
    if (e != std::string::npos) {
        size_t first = e + 2;
        while (text.size() - first > 2 && text[first] == '0') text.erase(first, 1);
    }
    return text;
}

}  // namespace

// Empty `find` is found where the search starts, as InStr(s, "") is 1, and
// also just after the end, the one place where Mid gives "" too.
Long InStr(Long start, String s, String find) {
    const std::string& text = s.str();
    if (start < 1) start = 1;
    if (static_cast<size_t>(start) > text.size() + 1) return 0;
    size_t at = text.find(find.str(), static_cast<size_t>(start) - 1);
    return at == std::string::npos ? 0 : static_cast<Long>(at) + 1;
}

String Str(Double x) { return String(general(x, 15)); }
String Str(Single x) { return String(general(x, 7)); }
String Str(long n) { return String(std::to_string(n)); }

// The functions the library gained after its first ones (quillkit.h).
namespace quillkit {

// Empty `find` is found just after the end, as InStr finds it at 1.
Long InStrRev(String s, String find) {
    size_t at = s.str().rfind(find.str());
    return at == std::string::npos ? 0 : static_cast<Long>(at) + 1;
}

String LTrim(String s) {
    const std::string& text = s.str();
    size_t first = 0;
    while (first < text.size() && blank(text[first])) ++first;
    return String(text.substr(first));
}

String RTrim(String s) {
    const std::string& text = s.str();
    size_t end = text.size();
    while (end > 0 && blank(text[end - 1])) --end;
    return String(text.substr(0, end));
}

String Space(Long n) {
    if (n <= 0 || static_cast<size_t>(n) > kLargestBuilt) return String();
    return String(std::string(static_cast<size_t>(n), ' '));
}

String Repeat(String text, Long count) {
    const std::string& piece = text.str();
    if (count <= 0 || piece.empty() || static_cast<size_t>(count) > kLargestBuilt / piece.size()) return String();
    std::string result;
    result.reserve(piece.size() * static_cast<size_t>(count));
    for (Long i = 0; i < count; ++i) result += piece;
    return String(result);
}

// Each match is replaced once: the search goes on after the inserted text,
// so a replacement that contains `find` is not replaced again.
String Replace(String s, String find, String replacement) {
    const std::string& text = s.str();
    const std::string& from = find.str();
    const std::string& to = replacement.str();
    if (from.empty()) return s;
    size_t matches = 0;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + from.size())) ++matches;
    if (to.size() > from.size()) {
        size_t extra = to.size() - from.size();
        if (matches > kLargestBuilt / extra || text.size() + matches * extra > kLargestBuilt) return String();
    }
    std::string result;
    size_t done = 0;
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, done)) {
        result.append(text, done, at - done);
        result += to;
        done = at + from.size();
    }
    result.append(text, done, std::string::npos);
    return String(result);
}

String Hex(Long n) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%X", static_cast<unsigned>(static_cast<uint32_t>(n)));
    return String(buffer);
}

Long StrComp(String a, String b) { return StrComp(a, b, 0); }

// Bytes in order, as unsigned values; without case, A to Z read as a to z
// (so "_" sorts before letters either way of writing them).
Long StrComp(String a, String b, Long ignoreCase) {
    const std::string& x = a.str();
    const std::string& y = b.str();
    size_t common = x.size() < y.size() ? x.size() : y.size();
    for (size_t i = 0; i < common; ++i) {
        unsigned char c = static_cast<unsigned char>(x[i]);
        unsigned char d = static_cast<unsigned char>(y[i]);
        if (ignoreCase) {
            if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c - 'A' + 'a');
            if (d >= 'A' && d <= 'Z') d = static_cast<unsigned char>(d - 'A' + 'a');
        }
        if (c != d) return c < d ? -1 : 1;
    }
    if (x.size() == y.size()) return 0;
    return x.size() < y.size() ? -1 : 1;
}

// Rounded as Round(x, decimals) rounds, and written from those digits, so
// that no C library's own rounding of halves takes part.
String FormatNumber(Double x, Long decimals) {
    if (!std::isfinite(x)) return String(nonFinite(x));
    if (decimals < 0) decimals = 0;
    if (decimals > 15) decimals = 15;
    decimal::Digits d = decimal::rounded(x, decimals);
    long long length = static_cast<long long>(d.digits.size());
    auto digit = [&](long long i) { return i >= 0 && i < length ? d.digits[static_cast<size_t>(i)] : '0'; };
    std::string text = d.negative ? "-" : "";
    if (d.point <= 0) text += '0';
    for (long long i = 0; i < d.point; ++i) text += digit(i);
    if (decimals > 0) text += '.';
    for (long long i = 0; i < decimals; ++i) text += digit(d.point + i);
    return String(text);
}

}  // namespace quillkit
