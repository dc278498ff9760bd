' memgui_drawing.bas - shapes drawn into a canvas's pixels and read back
' with PixelAt, shown as text: "." white, "#" red, "o" blue, "+" any other
' colour. Shapes far larger than the canvas are drawn only where it is.
DIM win AS Long, canvas AS Long
DIM red AS Long, blue AS Long, white AS Long

FUNCTION Show(title AS String)
    DIM x AS Long, y AS Long, c AS Long, line AS String
    Print title
    FOR y = 0 TO 8
        line = "  "
        FOR x = 0 TO 11
            c = PixelAt(canvas, x, y)
            IF c = white THEN
                line = line & "."
            ELSEIF c = red THEN
                line = line & "#"
            ELSEIF c = blue THEN
                line = line & "o"
            ELSE
                line = line & "+"
            END IF
        NEXT x
        Print line
    NEXT y
    ClearCanvas(canvas, white)
END FUNCTION

FUNCTION Main()
    red = RGB(255, 0, 0)
    blue = RGB(0, 0, 255)
    white = RGB(255, 255, 255)
    win = OpenWindow("Drawing", 200, 100)
    canvas = AddCanvas(win, 10, 10, 12, 9)
    Print "canvas " & Hex(PixelAt(canvas, 0, 0)) & ", window " & Hex(PixelAt(win, 0, 0))
    Print "outside: " & PixelAt(canvas, -1, 0) & PixelAt(canvas, 12, 0) & PixelAt(canvas, 0, 9) & ", not a surface: " & PixelAt(99, 0, 0)

    FillRectangle(canvas, 1, 1, 4, 3, red)
    DrawRectangle(canvas, 6, 1, 5, 5, blue)
    FillRectangle(canvas, 0, 7, 0, 2, red)
    DrawRectangle(canvas, 0, 7, 3, -1, red)
    Show("FillRectangle 1,1 4x3; DrawRectangle 6,1 5x5; two empty")
    DrawLine(canvas, 0, 0, 11, 8, red)
    DrawLine(canvas, 11, 0, 11, 0, blue)
    DrawLine(canvas, 0, 8, 4, 4, blue)
    Show("DrawLine 0,0-11,8; a point at 11,0; 0,8-4,4")
    FillEllipse(canvas, 0, 0, 11, 9, red)
    Show("FillEllipse 0,0 11x9")
    DrawEllipse(canvas, 0, 0, 12, 8, blue)
    FillEllipse(canvas, 10, 7, 2, 2, red)
    Show("DrawEllipse 0,0 12x8; FillEllipse 10,7 2x2")

    FillEllipse(canvas, -1000000000, -1000000000, 2000000000, 2000000000, RGB(0, 128, 0))
    DrawEllipse(canvas, -1000000000, -1000000000, 2000000000, 2000000000, red)
    DrawLine(canvas, -2000000000, 4, 2000000000, 4, red)
    DrawLine(canvas, 3, -2000000000, 8, 2000000000, blue)
    FillRectangle(canvas, -2000000000, 8, 2000000006, 2147483647, blue)
    Show("huge: an ellipse round it all (its outline far away), lines across, a rectangle to 5,8")

    FillRectangle(canvas, 0, 0, 12, 9, red)
    MoveControl(canvas, 0, 0, 4, 3)
    Print "after shrinking to 4x3: " & PixelAt(canvas, 3, 2) & " " & PixelAt(canvas, 4, 2)
    MoveControl(canvas, 0, 0, 12, 9)
    Show("grown back to 12x9: what fitted stays, the rest is white")
    ClearCanvas(canvas, blue)
    MoveControl(canvas, 0, 0, 12, 9)
    MoveControl(canvas, 0, 0, 2, 2)
    MoveControl(canvas, 0, 0, 12, 9)
    Show("ClearCanvas blue, shrunk to 2x2 and grown again")

    FillRectangle(win, 5, 5, 2, 2, &H02FF0000)
    FillRectangle(win, 6, 6, 2, 2, &H01000005)
    DrawLine(win, 0, 0, 1, 0, -1)
    Print "window: " & Hex(PixelAt(win, 5, 5)) & " " & Hex(PixelAt(win, 7, 7)) & " " & Hex(PixelAt(win, 0, 0)) & " " & Hex(PixelAt(win, 8, 8)) & ", canvas: " & Hex(PixelAt(canvas, 5, 5))
    DrawString(canvas, 0, 0, "text", red)
    FillRectangle(AddLabel(win, "x", 0, 0, 10, 10), 0, 0, 5, 5, red)
    CloseWindow(win)
    Print "closed: " & PixelAt(canvas, 0, 0)
END FUNCTION
