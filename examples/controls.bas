' Every kind of control, driven by the program itself: what it sets, what
' it reads back, and which handlers fire (each change fires once).
DIM win AS Long, box AS Long, area AS Long, check AS Long
DIM list AS Long, combo AS Long, button AS Long, label AS Long
DIM changes AS Long, clicks AS Long, keepOpen AS Long

FUNCTION Changed(source AS Long)
    changes = changes + 1
    Print "  change of " & Describe(source)
END FUNCTION

FUNCTION Clicked(source AS Long)
    clicks = clicks + 1
    Print "  click on " & Describe(source)
END FUNCTION

FUNCTION Closing(source AS Long) AS Long
    Print "  asked to close; keep open: " & keepOpen
    Closing = keepOpen
END FUNCTION

FUNCTION Describe(id AS Long) AS String
    SELECT CASE id
    CASE box
        Describe = "the text box"
    CASE area
        Describe = "the text area"
    CASE check
        Describe = "the check box"
    CASE list
        Describe = "the list"
    CASE combo
        Describe = "the combo box"
    CASE button
        Describe = "the button"
    CASE ELSE
        Describe = "id " & id
    END SELECT
END FUNCTION

FUNCTION Items(id AS Long) AS String
    DIM i AS Long, text AS String
    FOR i = 0 TO ItemCount(id) - 1
        text = text & ItemText(id, i) & ";"
    NEXT i
    Items = ItemCount(id) & " items: " & text & " selected " & SelectedIndex(id)
END FUNCTION

FUNCTION Main()
    DIM red AS Long, green AS Long, blue AS Long
    win = OpenWindow("Controls", 420, 320)
    label = AddLabel(win, "Name:", 10, 12, 60, 20)
    box = AddTextBox(win, "Ann", 80, 10, 200, 24)
    area = AddTextArea(win, "", 10, 44, 270, 80)
    check = AddCheckBox(win, "Remember me", 10, 134, 200, 20)
    list = AddListBox(win, 10, 160, 130, 100)
    combo = AddComboBox(win, 150, 160, 130, 200)
    button = AddButton(win, "OK", 300, 10, 100, 28)
    Print "ids: " & win & " " & label & " " & box & " " & area & " " & check & " " & list & " " & combo & " " & button
    OnChange(box, ADDRESSOF Changed)
    OnChange(area, ADDRESSOF Changed)
    OnChange(check, ADDRESSOF Changed)
    OnChange(list, ADDRESSOF Changed)
    OnChange(combo, ADDRESSOF Changed)
    OnClick(check, ADDRESSOF Clicked)
    OnClick(button, ADDRESSOF Clicked)
    OnClose(win, ADDRESSOF Closing)

    Print "texts: [" & GetText(label) & "] [" & GetText(box) & "] [" & GetText(win) & "]"
    SetText(box, "Bob")
    SetText(box, "Bob")
    Print "text box: " & GetText(box)
    SetText(area, "first line" & Chr(13) & Chr(10) & "second line")
    Print "text area: " & Len(GetText(area)) & " characters, line 2 at " & InStr(GetText(area), "second")
    SetTitle(win, "Controls: Bob")
    Print "title: " & GetText(win)

    Print "checked: " & GetChecked(check)
    Click(check)
    Print "checked after a click: " & GetChecked(check)
    SetChecked(check, 1)
    SetChecked(check, 0)
    Print "checked: " & GetChecked(check)
    Click(button)
    SetEnabled(button, FALSE)
    Click(button)
    Print "clicks " & clicks & ", changes " & changes

    ' One call a statement: the calls of one expression run in the order
    ' C++ picks.
    red = AddItem(list, "red")
    green = AddItem(list, "green")
    blue = AddItem(list, "blue")
    Print "list: " & red & green & blue
    SelectItem(list, 2)
    SelectItem(list, 2)
    Print Items(list)
    RemoveItem(list, 0)
    Print Items(list)
    RemoveItem(list, 1)
    Print Items(list)
    RemoveItem(list, 5)
    SelectItem(list, 7)
    Print Items(list)
    ClearItems(list)
    Print Items(list)

    AddItem(combo, "small")
    AddItem(combo, "large")
    SelectItem(combo, 1)
    Print "combo: " & Items(combo) & ", text " & GetText(combo)
    SelectItem(combo, -1)
    Print "combo: " & Items(combo)

    SetVisible(label, FALSE)
    MoveControl(box, 80, 12, 150, 24)
    SetFocus(box)
    Print "bad ids: [" & GetText(99) & "] " & ItemCount(99) & " " & GetChecked(0) & " " & IsOpen(-1)
    SetText(99, "x")
    Click(99)

    keepOpen = TRUE
    Click(win)
    Print "open after asking: " & IsOpen(win)
    keepOpen = FALSE
    Click(win)
    Print "open after asking again: " & IsOpen(win) & ", the box: " & IsOpen(box)
END FUNCTION
