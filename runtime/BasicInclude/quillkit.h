// quillkit.h - what the Quillkit module offers to BASIC programs: text,
// numbers, files, time, the program's command line and environment,
// console output, message boxes and the Windows helpers LOWORD, HIWORD, RGB
// and MAKEINTRESOURCE.
//
// Quillkit.BAS declares the same functions for the translator. The
// functions live in libQuillkit.a; InitGui lives in libKelbrun.a.
// This header does not include <windows.h>: the generated WinMain declares
// itself, and the Windows header's declaration would clash with it. Nor
// does it include any other header than qztypes.h: every name a header
// brings in is a name the program's own declarations could clash with.
// Failures are results (0, "", a FileError code), never a crash.
#ifndef QUILLKIT_H
#define QUILLKIT_H

#include "qztypes.h"

// Called by the generated WinMain with the program's instance handle: keeps
// the handle, runs the program's FUNCTION Main(), and then dispatches
// messages for as long as the program has a window open.
void InitGui(long hInstance);
// The instance handle InitGui was given.
long AppInstance();

// Strings. Positions count from 1; Left, Right and Mid clip to the text.
String Left(String s, Long n);
String Right(String s, Long n);
String Mid(String s, Long start, Long n);
Long Len(String s);
// Position of `find` in `s` from 1, or 0 when it is not there; with a
// start, the search begins at that position.
Long InStr(String s, String find);
Long InStr(Long start, String s, String find);
String UCase(String s);
String LCase(String s);
// Without the blanks and tabs at both ends (LTrim: at the start, RTrim:
// at the end).
String Trim(String s);
// The decimal text of a number, without a leading blank: "3", "3.75",
// "-0.5" (up to 15 significant digits, 7 for a Single).
String Str(Long n);
String Str(Double x);
String Str(Single x);
// A variable declared AS LONG is a C++ long, and sizeof an unsigned: each
// would fit the forms above equally well.
String Str(long n);
inline String Str(unsigned n) { return Str(static_cast<Double>(n)); }
inline String Str(unsigned long n) { return Str(static_cast<Double>(n)); }
inline String Str(long long n) { return Str(static_cast<Double>(n)); }
inline String Str(unsigned long long n) { return Str(static_cast<Double>(n)); }
// The number at the start of a text (0 when there is none; beyond the
// Long range, the nearest Long).
Long Val(String s);
String Chr(Long code);
Long Asc(String s);

// A line of text on standard output.
void Print(String text);
// A message box; returns the button pressed (1 for OK).
Long MsgBox(String text, String title);

// Math. Whole results beyond the Long range are the nearest Long (but
// Abs of the lowest Long is itself, as 32-bit arithmetic gives it).
Long Abs(Long n);
Double Abs(Double x);
long Abs(long n);
inline unsigned Abs(unsigned n) { return n; }
inline unsigned long Abs(unsigned long n) { return n; }
inline unsigned long long Abs(unsigned long long n) { return n; }
inline long long Abs(long long n) { return n < 0 ? static_cast<long long>(0ull - static_cast<unsigned long long>(n)) : n; }
Double Sqr(Double x);
Double Sin(Double x);
Double Cos(Double x);
// A whole number from 0 to n - 1; a Double from 0 up to, not including, 1.
Long Rnd(Long n);
Double Rnd();

// Every function Quillkit gained after the ones above lives in this
// namespace, where no name of a program meets it: plix writes its calls as
// quillkit::Round(x).
namespace quillkit {

// Text.
// Position of the last `find` in `s`, or 0.
Long InStrRev(String s, String find);
String LTrim(String s);
String RTrim(String s);
// n blanks; a text repeated count times.
String Space(Long n);
String Repeat(String text, Long count);
// Every `find` in `s` replaced, from left to right.
String Replace(String s, String find, String replacement);
// Upper-case hexadecimal digits; a negative number as its 32 bits.
String Hex(Long n);
// -1, 0 or 1 as a sorts before, with or after b; ignoreCase non-zero
// compares letters without their case.
Long StrComp(String a, String b);
Long StrComp(String a, String b, Long ignoreCase);
// x with exactly `decimals` digits after the point, rounded ("3.14").
String FormatNumber(Double x, Long decimals);

// Numbers.
Double Tan(Double x);
Double Atn(Double x);
Double Exp(Double x);
Double Log(Double x);
// x to the power y (in BASIC, ^ is the bitwise exclusive or).
Double Power(Double x, Double y);
// The whole number at or below x; toward zero; nearest (halves away from
// zero), or x rounded to `decimals` digits after the point.
Long Int(Double x);
Long Fix(Double x);
Long Round(Double x);
Double Round(Double x, Long decimals);
// -1, 0 or 1.
Long Sgn(Double x);
// Conversions: to the nearest Long (as Round), to a Double; from a number
// or from the number at the start of a text.
Long CLng(Double x);
Long CLng(String s);
Double CDbl(Double x);
Double CDbl(String s);
// Starts the random numbers anew: from a seed (the same numbers each
// time) or from the clock.
void Randomize(Long seed);
void Randomize();

// Files. A handle is a number above 0; 0 means the file did not open.
// FileError() is 0 when the last file function succeeded and the system's
// error number when it failed.
Long FileExists(String path);
// The whole file as text ("" when it cannot be read).
String ReadText(String path);
// The text written as the whole file, or added at its end: 1 when all of
// it reached the file, 0 otherwise.
Long WriteText(String path, String text);
Long AppendText(String path, String text);
// Deletes a file: 1 when it is gone, 0 otherwise.
Long Kill(String path);
Long OpenInput(String path);
Long OpenOutput(String path);
Long OpenAppend(String path);
// The next line without its line end ("" at the end of the file).
String ReadLine(Long handle);
// The text and a line end: 1 when written, 0 otherwise.
Long WriteLine(Long handle, String text);
// 1 when no line is left to read (and for a handle that is not open).
Long Eof(Long handle);
// 1 when everything written reached the file, 0 otherwise.
Long CloseFile(Long handle);
Long FileError();

// Time: seconds since midnight (with fractions), today's date as
// "YYYY-MM-DD", the time as "HH:MM:SS", a wait, and milliseconds from an
// arbitrary start.
Double Timer();
String DateStr();
String TimeStr();
void Pause(Long ms);
Long TickCount();

// The program: its arguments (the command line after the program's name),
// an environment variable ("" when it is not set), and its end with an
// exit status (output flushed, open files closed).
String Command();
String Environ(String name);
void EndProgram(Long status);

}  // namespace quillkit

// Windows helpers, as functions; the Windows header's macros win where a
// program includes it.
#ifndef LOWORD
inline Short LOWORD(Long l) { return static_cast<Short>(l & 0xFFFF); }
#endif
#ifndef HIWORD
inline Short HIWORD(Long l) { return static_cast<Short>((l >> 16) & 0xFFFF); }
#endif
#ifndef RGB
inline Long RGB(Long c1, Long c2, Long c3) { return (c1 & 0xFF) | ((c2 & 0xFF) << 8) | ((c3 & 0xFF) << 16); }
#endif
#ifndef MAKEINTRESOURCE
inline Long MAKEINTRESOURCE(Long l) { return l & 0xFFFF; }
#endif

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#ifndef NULL
#define NULL 0
#endif

#endif
