' memgui_dialogs.bas - modal dialogs answered by a timer, as a user would
' answer them: the timers run while a dialog waits, a dialog opened inside
' a dialog takes the answer, and a dialog that nobody can answer (no timer
' runs) is cancelled.
DIM win AS Long, answerer AS Long, step AS Long

FUNCTION Answer(t AS Long)
    DIM inner AS String
    step = step + 1
    Print "  tick " & step
    SELECT CASE step
    CASE 1
        Print "  (nothing yet)"
    CASE 2
        AnswerDialog("yes")
    CASE 3
        AnswerDialog("typed")
    CASE 4
        CancelDialog()
    CASE 5
        inner = InputBox("Inner?", "Inner", "")
        Print "  the inner dialog gave '" & inner & "'"
        AnswerDialog("yes")
    CASE 6
        AnswerDialog("inner")
    CASE 7
        AnswerDialog("a.txt")
        AnswerDialog("b.txt")
    CASE 8
        AnswerDialog("no")
    CASE 9
        StopTimer(t)
    END SELECT
END FUNCTION

FUNCTION Main()
    AnswerDialog("yes")
    Print "no timer: AskYesNo " & AskYesNo("Sure?", "Test") & ", InputBox '" & InputBox("Name?", "Test", "start") & "'"
    win = OpenWindow("Dialogs", 200, 100)
    answerer = StartTimer(win, 50, ADDRESSOF Answer)
    Print "AskYesNo answered yes: " & AskYesNo("Sure?", "Test")
    Print "InputBox answered: " & InputBox("Name?", "Test", "start")
    Print "OpenFileDialog cancelled: '" & OpenFileDialog("Open", "Text files|*.txt") & "'"
    Print "AskYesNo answered yes after its inner dialog: " & AskYesNo("Sure?", "Test")
    Print "SaveFileDialog answered twice: " & SaveFileDialog("Save", "All files|*.*")
    Print "AskYesNo answered no: " & AskYesNo("Sure?", "Test")
    Print "InputBox when its timer stops: '" & InputBox("Name?", "Test", "start") & "'"
    Print "open: " & IsOpen(win)
END FUNCTION
