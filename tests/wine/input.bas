' input.bas - a user's keys, typing and mouse, posted to the message queue
' as Windows posts them, reach the handlers through the message loop: a key
' on a control goes to its window's handler, Tab moves the focus on, Enter
' reaches a canvas and its window, typing fires OnChange, a handler that
' rewrites the text as it is typed leaves the caret after it, and closing
' the window asks OnClose (tests/wine/input.sh).
DECLARE FUNCTION GetFocus ALIAS "GetFocus" LIB "user32" () AS Long
DECLARE FUNCTION GetParent ALIAS "GetParent" LIB "user32" (hwnd AS Long) AS Long
DECLARE FUNCTION PostMessage ALIAS "PostMessageA" LIB "user32" (hwnd AS Long, message AS Long, wParam AS Long, lParam AS Long) AS Long
CONST WM_CLOSE = 16
CONST WM_KEYDOWN = 256
CONST WM_CHAR = 258
CONST WM_MOUSEMOVE = 512
CONST WM_LBUTTONDOWN = 513
CONST WM_LBUTTONUP = 514
CONST MK_LBUTTON = 1

DIM win AS Long, box AS Long, pad AS Long, shout AS Long, step AS Long
DIM boxHandle AS Long, padHandle AS Long, shoutHandle AS Long

FUNCTION WindowKey(source AS Long, key AS Long)
	Print "window key " & key
END FUNCTION

FUNCTION CanvasKey(source AS Long, key AS Long)
	Print "canvas key " & key
END FUNCTION

FUNCTION Typed(source AS Long)
	Print "text box: [" & GetText(box) & "]"
END FUNCTION

FUNCTION Upper(source AS Long)
	SetText(source, UCase(GetText(source)))
END FUNCTION

FUNCTION Mouse(source AS Long, x AS Long, y AS Long, buttons AS Long)
	Print "mouse at " & x & "," & y & " buttons " & buttons
END FUNCTION

FUNCTION Closing(source AS Long) AS Long
	Print "asked to close"
	Closing = FALSE
END FUNCTION

' One step a tick, so that each one's messages are handled before the next.
FUNCTION Tick(timer AS Long)
	step = step + 1
	SELECT CASE step
	CASE 1
		Print "F5 and an x in the text box"
		PostMessage(boxHandle, WM_KEYDOWN, 116, 0)
		PostMessage(boxHandle, WM_CHAR, 120, 0)
	CASE 2
		Print "Tab in the text box"
		PostMessage(boxHandle, WM_KEYDOWN, 9, 0)
	CASE 3
		Print "focus on the canvas: " & (GetFocus() = padHandle)
		PostMessage(padHandle, WM_KEYDOWN, 13, 0)
	CASE 4
		Print "a drag on the canvas"
		PostMessage(padHandle, WM_LBUTTONDOWN, MK_LBUTTON, 5 + 6 * 65536)
		PostMessage(padHandle, WM_MOUSEMOVE, MK_LBUTTON, 7 + 8 * 65536)
		PostMessage(padHandle, WM_LBUTTONUP, 0, 7 + 8 * 65536)
	CASE 5
		Print "Escape on the canvas"
		PostMessage(padHandle, WM_KEYDOWN, 27, 0)
	CASE 6
		Print "abc typed where each change is upper-cased"
		SetFocus(shout)
		PostMessage(shoutHandle, WM_CHAR, 97, 0)
		PostMessage(shoutHandle, WM_CHAR, 98, 0)
		PostMessage(shoutHandle, WM_CHAR, 99, 0)
	CASE 7
		Print "the box: [" & GetText(shout) & "]"
	CASE 8
		Print "open: " & IsOpen(win) & "; the close box"
		PostMessage(GetParent(padHandle), WM_CLOSE, 0, 0)
	END SELECT
END FUNCTION

FUNCTION Main()
	win = OpenWindow("Input", 300, 200)
	box = AddTextBox(win, "", 10, 10, 150, 24)
	pad = AddCanvas(win, 10, 44, 200, 120)
	shout = AddTextBox(win, "", 10, 170, 150, 24)
	OnKey(win, ADDRESSOF WindowKey)
	OnKey(pad, ADDRESSOF CanvasKey)
	OnChange(box, ADDRESSOF Typed)
	OnChange(shout, ADDRESSOF Upper)
	OnMouse(pad, ADDRESSOF Mouse)
	OnClose(win, ADDRESSOF Closing)
	SetFocus(shout)
	shoutHandle = GetFocus()
	SetFocus(pad)
	padHandle = GetFocus()
	SetFocus(box)
	boxHandle = GetFocus()
	StartTimer(win, 100, ADDRESSOF Tick)
END FUNCTION
