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

// --- Windows, controls, events, drawing, dialogs ---------------------------
// Kelbrun implements these with Win32; the native test runs link a second
// implementation that keeps windows, controls and drawing in memory. Both
// behave as this contract says, so that a program prints the same bytes
// under either.
//
// Ids: every window, control and timer is a number above 0, given out in
// order from 1 (windows and controls share the numbers; timers count on
// their own from 1); 0 is "none". A call with an id that is not open (or
// of the wrong kind) does nothing and returns 0 or "". Positions and sizes
// are pixels of the window's client area; a window opens centred on the
// screen, shown, with that client size.

// Opens a window. Once Main returns, InitGui dispatches events until the
// last window has closed: then the program ends.
Long OpenWindow(String title, Long width, Long height);
// Closes a window and its controls at once, without asking its OnClose
// handler; its timers stop.
void CloseWindow(Long win);
void SetTitle(Long win, String title);
// 1 while the window or control exists (a closed window's controls are
// gone too), else 0.
Long IsOpen(Long id);

// Controls, in the system's GUI font. A text area has both scroll bars; a
// combo box is a drop-down list to choose from.
Long AddButton(Long win, String text, Long x, Long y, Long width, Long height);
Long AddLabel(Long win, String text, Long x, Long y, Long width, Long height);
Long AddTextBox(Long win, String text, Long x, Long y, Long width, Long height);
Long AddTextArea(Long win, String text, Long x, Long y, Long width, Long height);
Long AddCheckBox(Long win, String text, Long x, Long y, Long width, Long height);
Long AddListBox(Long win, Long x, Long y, Long width, Long height);
Long AddComboBox(Long win, Long x, Long y, Long width, Long height);
// A canvas: an area to draw on, white at first, with mouse and key events.
// A window's own drawing surface starts in the system's face colour.
Long AddCanvas(Long win, Long x, Long y, Long width, Long height);

// The text of a control, or a window's title. Lines of a text area are
// separated by Chr(13) & Chr(10). SetText on a text box or text area that
// changes its text fires its OnChange handler once.
void SetText(Long id, String text);
String GetText(Long id);
// A check box's state, 1 or 0. SetChecked that changes the state fires
// OnChange once.
void SetChecked(Long id, Long state);
Long GetChecked(Long id);
// List box and combo box items, numbered from 0 in the order added.
// AddItem returns the new item's index. SelectedIndex is -1 when nothing
// is selected; SelectItem(-1) clears the selection. SelectItem that
// changes the selection fires OnChange once; removing or clearing items
// does not. Removing the selected item leaves nothing selected; removing
// another keeps the selected item selected (its index may move). An index
// out of range changes nothing (ItemText gives ""). A combo box's text is
// its selected item's text ("" with none).
Long AddItem(Long id, String text);
void RemoveItem(Long id, Long index);
void ClearItems(Long id);
Long ItemCount(Long id);
String ItemText(Long id, Long index);
Long SelectedIndex(Long id);
void SelectItem(Long id, Long index);
void SetEnabled(Long id, Long state);
void SetVisible(Long id, Long state);
void MoveControl(Long id, Long x, Long y, Long width, Long height);
void SetFocus(Long id);

// Events. Each control or window has at most one handler of each kind; a
// new one replaces it, 0 removes it. A handler receives the id that fired.
// OnClick: a button or check box clicked (a check box toggles first).
void OnClick(Long id, void (*handler)(Long source));
// OnChange: a text box's or text area's text edited, a list's or combo
// box's selection changed, a check box toggled (after its OnClick).
void OnChange(Long id, void (*handler)(Long source));
// OnKey: a key pressed on a window (wherever its focus is) or on a
// canvas; key is the Windows virtual-key code (65 for A, 13 for Enter).
void OnKey(Long id, void (*handler)(Long source, Long key));
// OnMouse: the mouse moved, pressed or released on a canvas: x and y in
// the canvas, buttons the buttons held (1 left, 2 right, 4 middle).
void OnMouse(Long id, void (*handler)(Long source, Long x, Long y, Long buttons));
// OnClose: the user asks to close the window; the handler returns TRUE to
// keep it open, FALSE (or nothing) to let it close.
void OnClose(Long win, Long (*handler)(Long win));
// A timer: the handler runs every ms milliseconds (at least 10) while
// the window is open; returns the timer's id.
Long StartTimer(Long win, Long ms, void (*handler)(Long timer));
void StopTimer(Long timer);

// What a user does, done by the program (tests drive themselves so):
// Click a button or check box (enabled and visible or not) or a window's
// close box (which asks OnClose), press a key on a window or canvas, move
// the mouse on a canvas with buttons held. Each fires the handlers a
// user's action would.
void Click(Long id);
void PressKey(Long id, Long key);
void MoveMouse(Long id, Long x, Long y, Long buttons);

// Drawing on a canvas or a window, in a colour from RGB. What is drawn
// stays until drawn over: the library repaints it when the window is
// uncovered or resized. Rectangles and ellipses span x to x + width - 1
// and y to y + height - 1; DrawString's x, y is the text's top left.
void ClearCanvas(Long id, Long colour);
void DrawLine(Long id, Long x1, Long y1, Long x2, Long y2, Long colour);
void DrawRectangle(Long id, Long x, Long y, Long width, Long height, Long colour);
void FillRectangle(Long id, Long x, Long y, Long width, Long height, Long colour);
void DrawEllipse(Long id, Long x, Long y, Long width, Long height, Long colour);
void FillEllipse(Long id, Long x, Long y, Long width, Long height, Long colour);
void DrawString(Long id, Long x, Long y, String text, Long colour);
// The colour drawn at a point (-1 outside the canvas).
Long PixelAt(Long id, Long x, Long y);

// Dialogs, modal: the program waits for the answer, while its timers
// still run. AskYesNo is 1 for Yes, 0 for No; InputBox gives the text
// entered ("" when cancelled), starting from value; the file dialogs give
// the chosen path ("" when cancelled). A filter lists name and pattern
// pairs: "Text files|*.txt|All files|*.*".
Long AskYesNo(String question, String title);
String InputBox(String prompt, String title, String value);
String OpenFileDialog(String title, String filter);
String SaveFileDialog(String title, String filter);
// Answers the dialog that is open (from a timer's handler, as a user
// would): "yes" or "no" for AskYesNo, the text or path for the others;
// CancelDialog cancels it (No for AskYesNo). Nothing when none is open.
void AnswerDialog(String answer);
void CancelDialog();

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
