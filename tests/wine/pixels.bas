' pixels.bas - draws what tests/wine/pixels.sh looks for on the screen: a
' canvas with a marker at its top left corner, a filled ellipse, an
' outline and a line, and a square on the window itself. A second window
' covers the first and closes, so that what shows has been painted again.
' It prints "shown" when the screen is ready, then waits until the file
' named by its argument exists (at most 30 seconds) and closes.
DIM win AS Long, pad AS Long, cover AS Long, ticks AS Long

FUNCTION Tick(timer AS Long)
	ticks = ticks + 1
	IF ticks = 5 THEN CloseWindow(cover)
	IF ticks = 10 THEN Print "shown"
	IF ticks > 10 AND (FileExists(Command()) OR ticks > 300) THEN CloseWindow(win)
END FUNCTION

FUNCTION Main()
	win = OpenWindow("Pixels", 240, 180)
	pad = AddCanvas(win, 10, 10, 200, 150)
	FillRectangle(pad, 0, 0, 4, 4, RGB(10, 200, 30))
	FillEllipse(pad, 100, 50, 61, 41, RGB(200, 30, 120))
	DrawEllipse(pad, 20, 60, 41, 41, RGB(0, 0, 255))
	DrawLine(pad, 10, 140, 189, 140, RGB(255, 128, 0))
	FillRectangle(win, 220, 10, 10, 10, RGB(90, 60, 30))
	Print "on the canvas: " & Hex(PixelAt(pad, 130, 70)) & " " & Hex(PixelAt(pad, 5, 100))
	cover = OpenWindow("Cover", 300, 240)
	StartTimer(win, 100, ADDRESSOF Tick)
END FUNCTION
