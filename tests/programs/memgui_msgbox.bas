' memgui_msgbox.bas - a message box waits for its answer as the other
' dialogs do: the timer's answers reach the dialogs in the order they open,
' and the box prints nothing; its answer is OK however it goes, closed with
' its window too. Ends by itself under Wine as well (wine.parity).
DIM win AS Long, ticks AS Long

FUNCTION Answer(t AS Long)
    ticks = ticks + 1
    Print "  tick " & ticks
    SELECT CASE ticks
    CASE 2
        AnswerDialog("ok")
    CASE 3
        AnswerDialog("yes")
    CASE 4
        CancelDialog
    CASE 5
        CloseWindow(win)
    END SELECT
END FUNCTION

FUNCTION Main()
    win = OpenWindow("Message boxes", 200, 100)
    StartTimer(win, 30, ADDRESSOF Answer)
    MsgBox "Hello", "Boxes"
    Print "after the box"
    Print "AskYesNo: " & AskYesNo("Again?", "Boxes")
    Print "MsgBox cancelled: " & MsgBox("Bye", "Boxes")
    Print "MsgBox closed with its window: " & MsgBox("Closing", "Boxes")
END FUNCTION
