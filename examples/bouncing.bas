' A black disc bounces around a canvas on a timer: the BASIC twin of the
' bounce sample. Run with the argument "test" and it reports where the
' disc is every 25 ticks, then closes after 100.
DIM win AS Long, pad AS Long
DIM width AS Long, height AS Long
DIM centerX AS Long, centerY AS Long, radius AS Long
DIM stepX AS Long, stepY AS Long
DIM ticks AS Long, testing AS Long

FUNCTION Tick(timer AS Long)
    ' The old disc goes under a white rectangle, the new one is drawn.
    FillRectangle(pad, centerX - radius, centerY - radius, 2 * radius + 1, 2 * radius + 1, RGB(255, 255, 255))
    centerX = centerX + stepX
    centerY = centerY + stepY
    IF centerX + radius >= width OR centerX - radius <= 0 THEN stepX = -stepX
    IF centerY + radius >= height OR centerY - radius <= 0 THEN stepY = -stepY
    FillEllipse(pad, centerX - radius, centerY - radius, 2 * radius + 1, 2 * radius + 1, RGB(0, 0, 0))
    ticks = ticks + 1
    IF NOT testing THEN EXIT FUNCTION
    IF ticks MOD 25 = 0 THEN
        Print "tick " & ticks & ": disc at " & centerX & "," & centerY & ", black there: " & (PixelAt(pad, centerX, centerY) = RGB(0, 0, 0))
    END IF
    IF ticks = 100 THEN CloseWindow(win)
END FUNCTION

FUNCTION Main()
    width = 400
    height = 300
    win = OpenWindow("Bouncing", width, height)
    pad = AddCanvas(win, 0, 0, width, height)
    centerX = width / 2
    centerY = height / 2
    radius = Min2(width, height) / 20
    stepX = radius / 4
    stepY = radius / 4
    testing = Command() = "test"
    StartTimer(win, 20, ADDRESSOF Tick)
END FUNCTION

FUNCTION Min2(a AS Long, b AS Long) AS Long
    IF b < a THEN Min2 = b ELSE Min2 = a
END FUNCTION
