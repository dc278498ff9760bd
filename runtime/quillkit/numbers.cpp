// Number functions of the Quillkit library: math, rounding, conversions
// and random numbers.
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "decimal.h"
#include "quillkit.h"

namespace {

// A whole Double as a Long: beyond the range the nearest Long, NaN as 0
// (a plain cast would be undefined there).
Long nearestLong(double x) {
    if (std::isnan(x)) return 0;
    if (x >= 2147483647.0) return INT32_MAX;
    if (x <= -2147483648.0) return INT32_MIN;
    return static_cast<Long>(x);
}

// The decimal number at the start of a text, handed to strtod as digits
// and an exponent without a point, so that neither the C locale's decimal
// point nor strtod's hexadecimal, INF and NAN forms take part.
double leadingNumber(const std::string& text) {
    size_t i = 0, n = text.size();
    auto digitAt = [&](size_t k) { return k < n && text[k] >= '0' && text[k] <= '9'; };
    while (i < n && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    std::string number;
    if (i < n && (text[i] == '+' || text[i] == '-')) number += text[i++];
    size_t digits = 0;
    long long exponent = 0;
    for (; digitAt(i); ++i, ++digits) number += text[i];
    if (i < n && text[i] == '.')
        for (++i; digitAt(i); ++i, ++digits, --exponent) number += text[i];
    if (digits == 0) return 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t k = i + 1;
        bool negative = k < n && text[k] == '-';
        if (k < n && (text[k] == '+' || text[k] == '-')) ++k;
        // Far beyond any Double's exponent the count stops growing.
        long long written = 0;
        for (; digitAt(k); ++k)
            if (written < 100000000) written = written * 10 + (text[k] - '0');
        exponent += negative ? -written : written;
    }
    number += "e" + std::to_string(exponent);
    return std::strtod(number.c_str(), nullptr);
}

// One generator behind Rnd(n) and Rnd(), written out (SplitMix64) rather
// than std::rand so that a seed gives the same numbers under Windows as
// natively. A program that never calls Randomize starts from seed 0.
uint64_t randomState = 0;

uint64_t nextRandom() {
    uint64_t z = (randomState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

// The one Long without a positive counterpart stays as it is, as 32-bit
// arithmetic gives it (and as Abs always gave it), rather than overflowing.
Long Abs(Long n) { return n < 0 ? static_cast<Long>(0u - static_cast<uint32_t>(n)) : n; }
Double Abs(Double x) { return std::fabs(x); }
long Abs(long n) { return n == LONG_MIN ? LONG_MAX : (n < 0 ? -n : n); }

Double Sqr(Double x) { return std::sqrt(x); }
Double Sin(Double x) { return std::sin(x); }
Double Cos(Double x) { return std::cos(x); }

// The top bits, scaled: no modulo bias, and the same on every host.
Long Rnd(Long n) { return n > 0 ? static_cast<Long>(((nextRandom() >> 32) * static_cast<uint64_t>(n)) >> 32) : 0; }
Double Rnd() { return static_cast<double>(nextRandom() >> 11) * (1.0 / 9007199254740992.0); }

// The functions the library gained after its first ones (quillkit.h).
namespace quillkit {

Double Tan(Double x) { return std::tan(x); }
Double Atn(Double x) { return std::atan(x); }
Double Exp(Double x) { return std::exp(x); }
Double Log(Double x) { return std::log(x); }
Double Power(Double x, Double y) { return std::pow(x, y); }

Long Int(Double x) { return nearestLong(std::floor(x)); }
Long Fix(Double x) { return nearestLong(std::trunc(x)); }
Long Round(Double x) { return nearestLong(Round(x, 0)); }

Double Round(Double x, Long decimals) {
    if (!std::isfinite(x)) return x;
    decimal::Digits d = decimal::rounded(x, decimals);
    if (d.digits.empty()) return 0;
    // Without a point, which strtod would read in the C locale's way.
    std::string text = (d.negative ? "-" : "") + d.digits + "e" + std::to_string(d.point - static_cast<long long>(d.digits.size()));
    return std::strtod(text.c_str(), nullptr);
}

Long Sgn(Double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

Long CLng(Double x) { return Round(x); }
Long CLng(String s) { return Round(leadingNumber(s.str())); }
Double CDbl(Double x) { return x; }
Double CDbl(String s) { return leadingNumber(s.str()); }

void Randomize(Long seed) { randomState = static_cast<uint32_t>(seed); }

// The clock's finest count; a second call within the same tick still
// starts elsewhere, as the state has moved on since.
void Randomize() {
    auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    randomState ^= static_cast<uint64_t>(ticks) * 0xD1B54A32D192ED03ull;
    nextRandom();
}

}  // namespace quillkit
