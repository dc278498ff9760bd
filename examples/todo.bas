' A to-do list: type a task, Add puts it in the list, Done takes the
' selected one out. Run with the argument "test" and it does so itself.
DIM win AS Long
DIM task AS Long, tasks AS Long
DIM addButton AS Long, doneButton AS Long
DIM status AS Long

FUNCTION Refresh()
    SetEnabled(addButton, Trim(GetText(task)) <> "")
    SetEnabled(doneButton, SelectedIndex(tasks) >= 0)
    SetText(status, Str(ItemCount(tasks)) & " to do")
END FUNCTION

FUNCTION TaskEdited(source AS Long)
    Refresh()
END FUNCTION

FUNCTION Picked(source AS Long)
    Refresh()
END FUNCTION

FUNCTION AddTask(source AS Long)
    DIM text AS String
    text = Trim(GetText(task))
    IF text = "" THEN EXIT FUNCTION
    AddItem(tasks, text)
    SetText(task, "")
    SetFocus(task)
    Refresh()
END FUNCTION

FUNCTION DoneTask(source AS Long)
    DIM index AS Long
    index = SelectedIndex(tasks)
    IF index < 0 THEN EXIT FUNCTION
    RemoveItem(tasks, index)
    Refresh()
END FUNCTION

FUNCTION ShowList()
    DIM i AS Long, line AS String
    FOR i = 0 TO ItemCount(tasks) - 1
        line = line & "[" & ItemText(tasks, i) & "]"
    NEXT i
    Print GetText(status) & ": " & line
END FUNCTION

FUNCTION Main()
    win = OpenWindow("To do", 320, 260)
    task = AddTextBox(win, "", 10, 10, 200, 24)
    addButton = AddButton(win, "Add", 220, 10, 90, 24)
    tasks = AddListBox(win, 10, 44, 200, 170)
    doneButton = AddButton(win, "Done", 220, 44, 90, 24)
    status = AddLabel(win, "", 10, 224, 300, 20)
    OnChange(task, ADDRESSOF TaskEdited)
    OnChange(tasks, ADDRESSOF Picked)
    OnClick(addButton, ADDRESSOF AddTask)
    OnClick(doneButton, ADDRESSOF DoneTask)
    Refresh()
    SetFocus(task)
    IF Command() <> "test" THEN EXIT FUNCTION

    SetText(task, "  buy milk ")
    Click(addButton)
    SetText(task, "write letter")
    Click(addButton)
    SetText(task, "call Ann")
    Click(addButton)
    Click(addButton)
    ShowList()
    SelectItem(tasks, 1)
    Print "selected: " & ItemText(tasks, SelectedIndex(tasks))
    Click(doneButton)
    ShowList()
    Print "selected after Done: " & SelectedIndex(tasks)
    ClearItems(tasks)
    Refresh()
    ShowList()
    CloseWindow(win)
END FUNCTION
