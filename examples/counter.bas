' A counter: a label and three buttons. Run with the argument "test" and
' it clicks its own buttons, prints what the label shows, and closes.
DIM win AS Long
DIM shown AS Long
DIM plus AS Long, minus AS Long, reset AS Long
DIM count AS Long

FUNCTION Show()
    SetText(shown, Str(count))
    SetEnabled(minus, count > 0)
END FUNCTION

FUNCTION AddOne(source AS Long)
    count = count + 1
    Show()
END FUNCTION

FUNCTION TakeOne(source AS Long)
    IF count > 0 THEN count = count - 1
    Show()
END FUNCTION

FUNCTION ResetCount(source AS Long)
    count = 0
    Show()
END FUNCTION

FUNCTION Main()
    win = OpenWindow("Counter", 260, 110)
    shown = AddLabel(win, "0", 20, 20, 220, 24)
    plus = AddButton(win, "+", 20, 60, 60, 28)
    minus = AddButton(win, "-", 100, 60, 60, 28)
    reset = AddButton(win, "Reset", 180, 60, 60, 28)
    OnClick(plus, ADDRESSOF AddOne)
    OnClick(minus, ADDRESSOF TakeOne)
    OnClick(reset, ADDRESSOF ResetCount)
    Show()
    IF Command() <> "test" THEN EXIT FUNCTION

    Click(plus)
    Click(plus)
    Click(plus)
    Print "after three +: " & GetText(shown)
    Click(minus)
    Print "after one -: " & GetText(shown)
    Click(reset)
    Print "after Reset: " & GetText(shown)
    Click(minus)
    Print "- at zero: " & GetText(shown)
    CloseWindow(win)
    Print "window open: " & IsOpen(win) & ", label open: " & IsOpen(shown)
END FUNCTION
