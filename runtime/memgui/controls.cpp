// The controls of a native run and what the program reads and changes in
// them. Where the library's own words end, they do what the Windows
// controls Kelbrun makes do: a list box's text is its (unshown) window
// text, a drop-down combo box's text is its selected item and cannot be
// set, and an index out of range changes nothing.
#include "memgui.h"

namespace quillkit {
namespace memgui {
namespace {

bool isList(const Object* object) { return object->kind == Kind::ListBox || object->kind == Kind::ComboBox; }

Object* findList(Long id) {
    Object* object = find(id);
    return object && isList(object) ? object : nullptr;
}

bool inRange(const Object* list, Long index) { return index >= 0 && static_cast<size_t>(index) < list->items.size(); }

}  // namespace
}  // namespace memgui

using namespace memgui;

// Where a control stands shows to a user only; natively there is none.
Long AddButton(Long win, String text, Long, Long, Long width, Long height) {
    return addControl(win, Kind::Button, text, width, height);
}

Long AddLabel(Long win, String text, Long, Long, Long width, Long height) {
    return addControl(win, Kind::Label, text, width, height);
}

Long AddTextBox(Long win, String text, Long, Long, Long width, Long height) {
    return addControl(win, Kind::TextBox, text, width, height);
}

Long AddTextArea(Long win, String text, Long, Long, Long width, Long height) {
    return addControl(win, Kind::TextArea, text, width, height);
}

Long AddCheckBox(Long win, String text, Long, Long, Long width, Long height) {
    return addControl(win, Kind::CheckBox, text, width, height);
}

Long AddListBox(Long win, Long, Long, Long width, Long height) {
    return addControl(win, Kind::ListBox, "", width, height);
}

Long AddComboBox(Long win, Long, Long, Long width, Long height) {
    return addControl(win, Kind::ComboBox, "", width, height);
}

Long AddCanvas(Long win, Long, Long, Long width, Long height) {
    return addControl(win, Kind::Canvas, "", width, height);
}

void SetText(Long id, String text) {
    Object* object = find(id);
    if (!object || object->kind == Kind::ComboBox) return;
    std::string value = windowText(text);
    if (value == object->text) return;
    object->text = value;
    if (object->kind == Kind::TextBox || object->kind == Kind::TextArea) fireChange(id);
}

String GetText(Long id) {
    Object* object = find(id);
    if (!object) return String();
    if (object->kind == Kind::ComboBox) {
        return inRange(object, object->selected) ? String(object->items[static_cast<size_t>(object->selected)]) : String();
    }
    return String(object->text);
}

// Any state but 0 checks the box, as a two-state check box takes it.
void SetChecked(Long id, Long state) {
    Object* box = findControl(id, Kind::CheckBox);
    if (!box) return;
    Long checked = state ? 1 : 0;
    if (checked == box->checked) return;
    box->checked = checked;
    fireChange(id);
}

Long GetChecked(Long id) {
    Object* box = findControl(id, Kind::CheckBox);
    return box ? box->checked : 0;
}

Long AddItem(Long id, String text) {
    Object* list = findList(id);
    if (!list) return 0;
    list->items.push_back(windowText(text));
    return static_cast<Long>(list->items.size() - 1);
}

void RemoveItem(Long id, Long index) {
    Object* list = findList(id);
    if (!list || !inRange(list, index)) return;
    list->items.erase(list->items.begin() + index);
    if (list->selected == index) {
        list->selected = -1;
    } else if (list->selected > index) {
        --list->selected;  // the same item stays selected
    }
}

void ClearItems(Long id) {
    Object* list = findList(id);
    if (!list) return;
    list->items.clear();
    list->selected = -1;
}

Long ItemCount(Long id) {
    Object* list = findList(id);
    return list ? static_cast<Long>(list->items.size()) : 0;
}

String ItemText(Long id, Long index) {
    Object* list = findList(id);
    if (!list || !inRange(list, index)) return String();
    return String(list->items[static_cast<size_t>(index)]);
}

Long SelectedIndex(Long id) {
    Object* list = findList(id);
    return list ? list->selected : 0;
}

void SelectItem(Long id, Long index) {
    Object* list = findList(id);
    if (!list || (index != -1 && !inRange(list, index)) || index == list->selected) return;
    list->selected = index;
    fireChange(id);
}

// Whether a control shows or takes input, and where the focus is, matter
// to a user only; the program's own Click, PressKey and MoveMouse act
// whatever they are.
void SetEnabled(Long, Long) {}
void SetVisible(Long, Long) {}
void SetFocus(Long) {}

// Of a control's place only a canvas's size shows, in its pixels. A
// window keeps the client size it opened with.
void MoveControl(Long id, Long, Long, Long width, Long height) {
    if (Object* canvas = findControl(id, Kind::Canvas)) resizeSurface(canvas->surface, width, height);
}

}  // namespace quillkit
