' The dialogs, answered from a timer as a user would answer them: the
' program waits in each dialog while its timer runs.
DIM win AS Long, answer AS String

FUNCTION Respond(timer AS Long)
    IF answer = "cancel" THEN CancelDialog ELSE AnswerDialog(answer)
END FUNCTION

FUNCTION Main()
    DIM folder AS String, existing AS String, fresh AS String, got AS String
    folder = Environ("TEMP")
    IF folder = "" THEN folder = "/tmp"
    existing = folder & "/plix-dialogs-" & TickCount() & ".txt"
    fresh = existing & ".new"
    WriteText(existing, "hello")

    win = OpenWindow("Dialogs", 300, 200)
    StartTimer(win, 50, ADDRESSOF Respond)
    AnswerDialog("yes")

    answer = "yes"
    Print "save changes? " & AskYesNo("Save changes?", "Dialogs")
    answer = "no"
    Print "save changes? " & AskYesNo("Save changes?", "Dialogs")
    answer = "cancel"
    Print "save changes? " & AskYesNo("Save changes?", "Dialogs")

    answer = "Bob"
    Print "name: [" & InputBox("Your name?", "Dialogs", "Ann") & "]"
    answer = "cancel"
    Print "name: [" & InputBox("Your name?", "Dialogs", "Ann") & "]"

    answer = existing
    got = OpenFileDialog("Open a text", "Text files|*.txt|All files|*.*")
    Print "opened the file given: " & (got = existing) & ", it holds " & ReadText(got)
    answer = fresh
    Print "save as the name given: " & (SaveFileDialog("Save as", "Text files|*.txt") = fresh)
    answer = "cancel"
    Print "cancelled: [" & OpenFileDialog("Open", "All files|*.*") & "]"

    Kill(existing)
    CloseWindow(win)
END FUNCTION
