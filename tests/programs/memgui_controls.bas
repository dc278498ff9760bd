' memgui_controls.bas - controls driven by the program itself: ids, the
' order and number of events, lists, keys, the mouse, handlers that close
' their window, and calls with ids that are not open.
DIM win AS Long, other AS Long
DIM box AS Long, edit AS Long, area AS Long, note AS Long
DIM list AS Long, combo AS Long, canvas AS Long, button AS Long

FUNCTION Clicked(source AS Long)
    Print "  click " & source & ", checked " & GetChecked(source)
END FUNCTION

FUNCTION Changed(source AS Long)
    Print "  change " & source & ": '" & GetText(source) & "' checked " & GetChecked(source) & " selected " & SelectedIndex(source)
END FUNCTION

FUNCTION Key(source AS Long, code AS Long)
    Print "  key " & code & " on " & source
END FUNCTION

FUNCTION Mouse(source AS Long, x AS Long, y AS Long, buttons AS Long)
    Print "  mouse on " & source & " at " & x & "," & y & " buttons " & buttons
END FUNCTION

FUNCTION CloseOwner(source AS Long)
    Print "  closing the window of " & source
    CloseWindow(other)
END FUNCTION

FUNCTION CloseItself(source AS Long) AS Long
    Print "  asked to close " & source & ", closing it here"
    CloseWindow(source)
    CloseItself = FALSE
END FUNCTION

FUNCTION Main()
    win = OpenWindow("First", 300, 200)
    box = AddCheckBox(win, "Check", 10, 10, 100, 20)
    edit = AddTextBox(win, "start", 10, 40, 100, 20)
    area = AddTextArea(win, "a" & Chr(13) & Chr(10) & "b", 10, 70, 100, 60)
    note = AddLabel(win, "note", 10, 140, 100, 20)
    other = OpenWindow("Second", 100, 100)
    list = AddListBox(win, 120, 10, 100, 100)
    combo = AddComboBox(win, 120, 120, 100, 100)
    canvas = AddCanvas(win, 230, 10, 60, 60)
    Print "ids: " & win & " " & box & " " & edit & " " & area & " " & note & " " & other & " " & list & " " & combo & " " & canvas
    Print "titles: " & GetText(win) & ", " & GetText(other)
    SetTitle(other, "Renamed")
    SetText(win, "First again")
    Print "titles: " & GetText(win) & ", " & GetText(other)
    Print "area: " & Len(GetText(area)) & " characters"

    OnClick(box, ADDRESSOF Clicked)
    OnChange(box, ADDRESSOF Changed)
    OnChange(edit, ADDRESSOF Changed)
    OnChange(area, ADDRESSOF Changed)
    OnChange(list, ADDRESSOF Changed)
    OnChange(combo, ADDRESSOF Changed)
    Print "Click on the check box:"
    Click(box)
    SetEnabled(box, 0)
    SetVisible(box, 0)
    Print "Click on it disabled and hidden:"
    Click(box)
    Print "SetChecked 7, then 1 again, then 0:"
    SetChecked(box, 7)
    SetChecked(box, 1)
    SetChecked(box, 0)
    Print "SetText to the same text, then another, on a text box and a label:"
    SetText(edit, "start")
    SetText(edit, "next")
    SetText(note, "other note")
    Print "label: " & GetText(note)
    Print "a text with Chr(0) ends there:"
    SetText(area, "cut" & Chr(0) & "off")

    DIM index AS Long
    index = AddItem(list, "zero")
    index = AddItem(list, "one")
    index = AddItem(list, "two")
    index = AddItem(list, "three")
    Print "last item added: " & index & ", " & ItemCount(list) & " items, selected " & SelectedIndex(list)
    Print "SelectItem 2, 2 again, 9 and -2 (out of range):"
    SelectItem(list, 2)
    SelectItem(list, 2)
    SelectItem(list, 9)
    SelectItem(list, -2)
    RemoveItem(list, 0)
    Print "after removing item 0: selected " & SelectedIndex(list) & " = " & ItemText(list, SelectedIndex(list))
    RemoveItem(list, 1)
    Print "after removing the selected item: " & SelectedIndex(list) & ", " & ItemCount(list) & " left: " & ItemText(list, 0) & " " & ItemText(list, 1)
    Print "RemoveItem and ItemText out of range: " & ItemCount(list) & " '" & ItemText(list, 2) & "' '" & ItemText(list, -1) & "'"
    RemoveItem(list, 5)
    SelectItem(list, 0)
    ClearItems(list)
    Print "cleared: " & ItemCount(list) & " items, selected " & SelectedIndex(list)
    SelectItem(list, -1)

    AddItem(combo, "red")
    AddItem(combo, "green")
    Print "combo: selected " & SelectedIndex(combo) & ", text '" & GetText(combo) & "'"
    SelectItem(combo, 1)
    SetText(combo, "blue")
    Print "combo text after SetText: " & GetText(combo)
    SelectItem(combo, -1)

    Print "keys and the mouse:"
    OnKey(win, ADDRESSOF Key)
    OnKey(canvas, ADDRESSOF Key)
    OnMouse(canvas, ADDRESSOF Mouse)
    PressKey(win, 65)
    PressKey(edit, 13)
    PressKey(canvas, 37)
    MoveMouse(canvas, 5, 6, 1)
    MoveMouse(edit, 5, 6, 1)
    OnKey(canvas, 0)
    PressKey(canvas, 38)

    Print "a handler that closes its window:"
    button = AddCheckBox(other, "Close", 0, 0, 50, 20)
    OnClick(button, ADDRESSOF CloseOwner)
    OnChange(button, ADDRESSOF Changed)
    Click(button)
    Print "open: " & IsOpen(other) & IsOpen(button) & IsOpen(win) & IsOpen(canvas)

    Print "ids not open, and of the wrong kind:"
    Print "[" & GetText(0) & GetText(other) & GetText(99) & "] " & GetChecked(edit) & ItemCount(box) & SelectedIndex(edit) & AddItem(note, "x") & IsOpen(-1) & IsOpen(99)
    Print "[" & AddButton(other, "x", 0, 0, 1, 1) & AddLabel(box, "x", 0, 0, 1, 1) & StartTimer(box, 10, 0) & "]"
    Click(other)
    Click(0)
    PressKey(123456, 1)
    MoveMouse(win, 1, 1, 1)
    SetText(other, "x")
    SetChecked(edit, 1)
    SelectItem(box, 0)
    CloseWindow(box)
    CloseWindow(other)
    StopTimer(77)
    Print "after all that: " & IsOpen(box) & " " & GetText(edit)
    Print "a new id: " & AddButton(win, "last", 0, 0, 10, 10)
    Print "the close box of a window whose OnClose closes it:"
    OnClose(win, ADDRESSOF CloseItself)
    Click(win)
    CloseWindow(win)
    Print "closed: " & IsOpen(win) & IsOpen(edit) & " [" & GetText(edit) & "]"
END FUNCTION
