' shapes.bas - the pixels of shapes of odd and even sizes, lines of every
' slope and direction, shapes reaching far past the canvas, and colours
' that RGB did not make, shown as text ("." white, "#" red, "o" blue, "+"
' any other colour). Under Wine (tests/wine/parity.sh) and natively the
' same pixels are set.
DIM win AS Long, pad AS Long
DIM red AS Long, blue AS Long, white AS Long

FUNCTION Show(title AS String)
    DIM x AS Long, y AS Long, c AS Long, row AS String
    Print title
    FOR y = 0 TO 9
        row = "  "
        FOR x = 0 TO 15
            c = PixelAt(pad, x, y)
            IF c = white THEN
                row = row & "."
            ELSEIF c = red THEN
                row = row & "#"
            ELSEIF c = blue THEN
                row = row & "o"
            ELSE
                row = row & "+"
            END IF
        NEXT x
        Print row
    NEXT y
    ClearCanvas(pad, white)
END FUNCTION

FUNCTION Main()
    red = RGB(255, 0, 0)
    blue = RGB(0, 0, 255)
    white = RGB(255, 255, 255)
    win = OpenWindow("Shapes", 100, 60)
    pad = AddCanvas(win, 0, 0, 16, 10)

    FillEllipse(pad, 0, 0, 1, 1, red)
    FillEllipse(pad, 2, 0, 2, 2, red)
    FillEllipse(pad, 5, 0, 3, 5, red)
    FillEllipse(pad, 8, 0, 8, 4, blue)
    FillEllipse(pad, 0, 5, 13, 5, red)
    Show("filled: 1x1, 2x2, 3x5, 8x4, 13x5")
    DrawEllipse(pad, 0, 0, 16, 10, red)
    DrawEllipse(pad, 3, 2, 6, 6, blue)
    DrawEllipse(pad, 10, 3, 4, 3, blue)
    Show("outlines: 16x10, 6x6, 4x3")
    DrawLine(pad, 0, 0, 15, 5, red)
    DrawLine(pad, 15, 9, 0, 4, blue)
    DrawLine(pad, 2, 9, 5, 0, red)
    DrawLine(pad, 12, 0, 9, 9, blue)
    Show("lines: down a third, back up a third, steep up, steep down")
    DrawRectangle(pad, 1, 1, 1, 1, red)
    DrawRectangle(pad, 3, 1, 1, 8, blue)
    DrawRectangle(pad, 5, 1, 10, 2, red)
    DrawRectangle(pad, 5, 4, 10, 5, blue)
    Show("rectangles: 1x1, 1x8, 10x2, 10x5")
    FillEllipse(pad, -1999999992, -999999995, 2000000000, 2000000000, red)
    DrawEllipse(pad, -1000, 6, 1012, 3, blue)
    DrawLine(pad, -2147483647, -2147483647, 2147483647, 2147483647, blue)
    FillRectangle(pad, 2147483647, 0, 2147483647, 5, blue)
    Show("far: a huge disc's edge at 7, a long outline's tip at 11, a diagonal")
    FillRectangle(pad, 0, 0, 4, 4, -1)
    FillRectangle(pad, 4, 0, 4, 4, &H01000004)
    FillRectangle(pad, 8, 0, 4, 4, &H020000FF)
    FillRectangle(pad, 12, 0, 4, 4, &H10FF0001)
    Print "not made by RGB: " & Hex(PixelAt(pad, 0, 0)) & " " & Hex(PixelAt(pad, 4, 0)) & " " & Hex(PixelAt(pad, 8, 0)) & " " & Hex(PixelAt(pad, 12, 0))
    ClearCanvas(pad, &H01000009)
    Print "cleared to palette entry 9: " & Hex(PixelAt(pad, 15, 9))
    ClearCanvas(win, blue)
    Print "the window cleared: " & Hex(PixelAt(win, 99, 59)) & ", outside: " & PixelAt(win, 100, 0)
    CloseWindow(win)
END FUNCTION
