// quillkit.h - what the Quillkit module offers to BASIC programs: string
// functions, console output, message boxes, a few math functions and the
// Windows helpers LOWORD, HIWORD, RGB and MAKEINTRESOURCE.
//
// Quillkit.BAS declares the same functions for the translator. The
// functions live in libQuillkit.a; InitGui lives in libKelbrun.a.
// This header does not include <windows.h>: the generated WinMain declares
// itself, and the Windows header's declaration would clash with it.
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
// Position of `find` in `s` from 1, or 0 when it is not there.
Long InStr(String s, String find);
String UCase(String s);
String LCase(String s);
String Trim(String s);
// The decimal text of a number, without a leading blank.
String Str(Long n);
// The number at the start of a text (0 when there is none; beyond the
// Long range, the nearest Long).
Long Val(String s);
String Chr(Long code);
Long Asc(String s);

// A line of text on standard output.
void Print(String text);
// A message box; returns the button pressed (1 for OK).
Long MsgBox(String text, String title);

// Math.
Long Abs(Long n);
Double Sqr(Double x);
Double Sin(Double x);
Double Cos(Double x);
Long Rnd(Long n);

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
