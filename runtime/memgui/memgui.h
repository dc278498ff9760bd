// What the files of the in-memory GUI share: the windows, controls and
// timers of a native run, kept in memory instead of on a screen, so that a
// program prints under the sanitizers what it prints under Wine.
#ifndef QUILLKIT_MEMGUI_H
#define QUILLKIT_MEMGUI_H

#include <cstdint>
#include <string>
#include <vector>

#include "quillkit.h"

namespace quillkit {
namespace memgui {

enum class Kind { Window, Button, Label, TextBox, TextArea, CheckBox, ListBox, ComboBox, Canvas };

// Pixels as COLORREF values (r | g << 8 | b << 16). The buffer is made at
// the first drawing; until then, and after a ClearCanvas, every pixel is
// the background.
struct Surface {
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    ~Surface();
    int width = 0;
    int height = 0;
    uint32_t background = 0;
    std::vector<uint32_t> pixels;
};

struct Object {
    Kind kind = Kind::Window;
    Long id = 0;
    Long window = 0;  // its own id for a window
    std::string text;
    Long checked = 0;
    std::vector<std::string> items;
    Long selected = -1;
    std::vector<Long> controls;  // a window's
    void (*onClick)(Long) = nullptr;
    void (*onChange)(Long) = nullptr;
    void (*onKey)(Long, Long) = nullptr;
    void (*onMouse)(Long, Long, Long, Long) = nullptr;
    Long (*onClose)(Long) = nullptr;
    Surface surface;  // windows and canvases
};

// Registry (registry.cpp). An id that is not open finds nothing. A pointer
// stays valid only until the next handler runs: the handler may close it.
Object* find(Long id);
Object* findWindow(Long id);
Object* findControl(Long id, Kind kind);
Long addControl(Long window, Kind kind, const String& text, Long width, Long height);

struct RunningTimer {
    Long id = 0;
    Long window = 0;
    Long interval = 0;
    int64_t due = 0;  // virtual milliseconds
    void (*handler)(Long) = nullptr;
};
// The timer due first (of equal times, the one started first), or null.
RunningTimer* dueTimer();

// The virtual clock (events.cpp): runs the timer due first, after moving
// the clock to its time; false when no timer runs or the clock is at its
// end. Modal dialogs wait on it too.
int64_t now();
bool runNextTimer();

// Handlers (events.cpp): fired by id, so that a handler that closed the
// control meanwhile makes the rest do nothing.
void fireChange(Long id);

// Drawing (drawing.cpp).
void makeSurface(Surface& surface, Long width, Long height, uint32_t background);
void resizeSurface(Surface& surface, Long width, Long height);

// Text as Windows keeps it: up to the first NUL.
std::string windowText(const String& text);

}  // namespace memgui
}  // namespace quillkit

#endif
