// decimal.h - the decimal digits of a Double, rounded at a place after (or
// before) the point, shared by Round and FormatNumber so that both round
// the same number the same way. Internal to the Quillkit library.
#ifndef QUILLKIT_DECIMAL_H
#define QUILLKIT_DECIMAL_H

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace decimal {

// |value| = 0.digits x 10^point; no digits at all is zero. The first digit
// is never 0.
struct Digits {
    bool negative = false;
    std::string digits;
    long long point = 0;
};

// The first `precision` significant digits of |x| (finite, not zero) as
// printf rounds them. Only digits and the exponent are read, so whatever
// decimal point the C locale prints does not matter.
inline Digits significant(double x, int precision) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, std::fabs(x));
    Digits d;
    const char* p = buffer;
    for (; *p && *p != 'e' && *p != 'E'; ++p)
        if (*p >= '0' && *p <= '9') d.digits += *p;
    d.point = (*p ? std::atol(p + 1) : 0) + 1;
    d.negative = x < 0;
    return d;
}

// x rounded to `decimals` places after the point, halves away from zero
// (a negative count rounds to tens, hundreds, ...). The rounding looks at x
// as Str shows it, 15 significant digits, so that Round(2.675, 2) is 2.68 as
// the text "2.675" promises rather than 2.67 as its binary value would
// give; where the place lies beyond those 15, at the 17 digits that tell
// every Double apart. x must be finite.
inline Digits rounded(double x, long long decimals) {
    if (x == 0) return Digits();
    Digits d = significant(x, 15);
    long long kept = d.point + decimals;
    if (kept >= 15) {
        d = significant(x, 17);
        kept = d.point + decimals;
        if (kept >= 17) return d;
    }
    if (kept < 0) return Digits();
    bool up = d.digits[static_cast<size_t>(kept)] >= '5';
    d.digits.resize(static_cast<size_t>(kept));
    if (up) {
        size_t i = d.digits.size();
        while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
        if (i > 0) {
            ++d.digits[i - 1];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.point;
        }
    }
    if (d.digits.empty()) return Digits();
    return d;
}

}  // namespace decimal

#endif
