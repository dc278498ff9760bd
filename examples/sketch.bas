' A sketch pad: drag with the left button held to draw, the right button
' to draw thick; keys R, G and B pick the colour, C clears. Run with the
' argument "test" and it draws by itself and reports what it sees.
DIM win AS Long, pad AS Long, hint AS Long
DIM colour AS Long
DIM lastX AS Long, lastY AS Long, drawing AS Long

FUNCTION Mouse(source AS Long, x AS Long, y AS Long, buttons AS Long)
    IF buttons = 0 THEN
        drawing = FALSE
        EXIT FUNCTION
    END IF
    IF drawing THEN
        DrawLine(pad, lastX, lastY, x, y, colour)
        IF buttons = 2 THEN FillEllipse(pad, x - 3, y - 3, 7, 7, colour)
    END IF
    drawing = TRUE
    lastX = x
    lastY = y
END FUNCTION

FUNCTION Key(source AS Long, code AS Long)
    SELECT CASE code
    CASE 82
        colour = RGB(200, 0, 0)
    CASE 71
        colour = RGB(0, 160, 0)
    CASE 66
        colour = RGB(0, 0, 200)
    CASE 67
        ClearCanvas(pad, RGB(255, 255, 255))
    END SELECT
END FUNCTION

FUNCTION Describe(x AS Long, y AS Long) AS String
    DIM c AS Long
    c = PixelAt(pad, x, y)
    IF c = RGB(255, 255, 255) THEN
        Describe = "white"
    ELSEIF c = RGB(200, 0, 0) THEN
        Describe = "red"
    ELSEIF c = RGB(0, 0, 200) THEN
        Describe = "blue"
    ELSE
        Describe = "colour " & Hex(c)
    END IF
END FUNCTION

FUNCTION Main()
    win = OpenWindow("Sketch pad", 400, 320)
    pad = AddCanvas(win, 0, 0, 400, 290)
    hint = AddLabel(win, "Drag to draw. R, G, B: colour. C: clear.", 8, 294, 384, 20)
    colour = RGB(0, 0, 0)
    OnMouse(pad, ADDRESSOF Mouse)
    OnKey(win, ADDRESSOF Key)
    OnKey(pad, ADDRESSOF Key)
    IF Command() <> "test" THEN EXIT FUNCTION

    PressKey(pad, 82)
    MoveMouse(pad, 20, 50, 1)
    MoveMouse(pad, 120, 50, 1)
    MoveMouse(pad, 120, 50, 0)
    Print "on the red line: " & Describe(70, 50) & ", below it: " & Describe(70, 60)
    PressKey(win, 66)
    MoveMouse(pad, 200, 100, 2)
    MoveMouse(pad, 200, 160, 2)
    MoveMouse(pad, 200, 160, 0)
    Print "blue dot: " & Describe(202, 160) & ", beside it: " & Describe(210, 160)
    MoveMouse(pad, 300, 200, 0)
    Print "moving without a button: " & Describe(300, 200)
    PressKey(pad, 67)
    Print "after C: " & Describe(70, 50) & ", " & Describe(200, 130)
    Print "outside: " & PixelAt(pad, 400, 10)
    CloseWindow(win)
END FUNCTION
