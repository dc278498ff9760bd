// qztypes.h - the BASIC type names that plix writes into generated C++,
// with the sizes of 32-bit Windows, and the String type.
//
// Every generated .cpp, API header and class header includes this file. The
// names that the Windows headers define too are given the same types, so a
// program may include both.
// Type names are written as the BASIC source spells them, so each type has
// its upper-case, capitalised and (where C++ allows) lower-case spelling.
#ifndef QZTYPES_H
#define QZTYPES_H

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

typedef int32_t Long;
typedef int32_t Integer;
typedef int32_t INTEGER;
typedef int32_t integer;
typedef int16_t Short;
typedef int16_t SHORT;
typedef uint8_t Byte;
typedef uint8_t BYTE;
// One byte, as the Windows headers define BOOLEAN and boolean.
typedef unsigned char Boolean;
typedef unsigned char BOOLEAN;
typedef unsigned char boolean;
typedef float Single;
typedef float SINGLE;
typedef float single;
typedef double Double;
typedef double DOUBLE;
typedef char Char;
typedef char CHAR;
typedef void Void;
#ifndef VOID
#define VOID void
#endif
// Any: a value that can also carry an address (32 bits on Win32).
typedef intptr_t Any;
typedef intptr_t ANY;
typedef intptr_t any;

// LONG as the Windows headers define it (a 32-bit long), so that a program
// that also includes <windows.h> sees one and the same type.
typedef long LONG;

// A BASIC string: assigned from literals and numbers, joined with "+",
// compared with "=" and "<>", and handed to the char* parameters of DLL
// functions as its buffer.
class String {
public:
    String() {}
    String(const char* text) : text_(text ? text : "") {}
    String(const std::string& text) : text_(text) {}
    String(char c) : text_(1, c) {}
    // (String)n gives the decimal text of a number.
    explicit String(int n) : text_(std::to_string(n)) {}
    explicit String(long n) : text_(std::to_string(n)) {}
    explicit String(long long n) : text_(std::to_string(n)) {}
    explicit String(unsigned n) : text_(std::to_string(n)) {}
    explicit String(short n) : text_(std::to_string(n)) {}
    explicit String(unsigned char n) : text_(std::to_string(n)) {}
    explicit String(double n) : text_(format(n)) {}
    explicit String(float n) : text_(format(n)) {}

    // The buffer, for DLL functions that take a char*.
    operator char*() const { return const_cast<char*>(text_.c_str()); }
    // (Long)s and (Any)s: the address of the text, as a DLL function taking
    // an address expects it. The number a text holds is Val(s).
    explicit operator intptr_t() const { return reinterpret_cast<intptr_t>(text_.c_str()); }

    const std::string& str() const { return text_; }
    Long length() const { return static_cast<Long>(text_.size()); }

    String& operator+=(const String& other) {
        text_ += other.text_;
        return *this;
    }

private:
    static std::string format(double n) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.15g", n);
        return buffer;
    }
    std::string text_;
};

typedef String STRING;

inline String operator+(const String& a, const String& b) { return String(a.str() + b.str()); }
inline String operator+(const String& a, const char* b) { return String(a.str() + (b ? b : "")); }
inline String operator+(const char* a, const String& b) { return String((a ? a : "") + b.str()); }
inline bool operator==(const String& a, const String& b) { return a.str() == b.str(); }
inline bool operator==(const String& a, const char* b) { return a.str() == (b ? b : ""); }
inline bool operator==(const char* a, const String& b) { return b == a; }
inline bool operator!=(const String& a, const String& b) { return !(a == b); }
inline bool operator!=(const String& a, const char* b) { return !(a == b); }
inline bool operator!=(const char* a, const String& b) { return !(b == a); }
inline bool operator<(const String& a, const String& b) { return a.str() < b.str(); }
inline bool operator>(const String& a, const String& b) { return a.str() > b.str(); }
inline bool operator<=(const String& a, const String& b) { return a.str() <= b.str(); }
inline bool operator>=(const String& a, const String& b) { return a.str() >= b.str(); }
// A literal on either side compares texts too: without these, s < "b" is
// ambiguous (String's char* conversion offers an address comparison).
inline bool operator<(const String& a, const char* b) { return a < String(b); }
inline bool operator>(const String& a, const char* b) { return a > String(b); }
inline bool operator<=(const String& a, const char* b) { return a <= String(b); }
inline bool operator>=(const String& a, const char* b) { return a >= String(b); }
inline bool operator<(const char* a, const String& b) { return String(a) < b; }
inline bool operator>(const char* a, const String& b) { return String(a) > b; }
inline bool operator<=(const char* a, const String& b) { return String(a) <= b; }
inline bool operator>=(const char* a, const String& b) { return String(a) >= b; }

#endif
