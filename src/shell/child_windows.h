#pragma once
// The editor windows that the main window shows as child windows, one per kind, created by command tag.
//
// Adding an editor window is adding one class in its subsystem's window library and one line in
// RegisterWindows() (shell/windows_wiring.cpp) that registers a factory for its command tag (the window is shown
// inside the main window's client area). A
// window that follows the current channel implements EditorHooks as well. A window may close itself (a Close
// button of its own calling close()); its frame in the client area goes with it.
#include <functional>
#include <map>

class QWidget;

namespace lm {

// What the main window asks of an editor window, besides showing and closing it.
class EditorHooks {
public:
    virtual ~EditorHooks() = default;
    // Channel information window: the row of a channel changed elsewhere.
    virtual void RefreshRow(int /*row*/) {}
    // Channel edit window: load the current channel again.
    virtual void LoadChannel() {}
    // Channel information window: leave cell editing and hide the in-cell pickers before a command runs.
    virtual void LeaveEditing() {}
};

using ChildWindowFactory = std::function<QWidget*(QWidget* parent)>;

// Registers the factory of the window kind `tag`.
bool RegisterChildWindow(int tag, ChildWindowFactory factory);
// The factory of a kind, or nullptr while no window of that kind is built into the program.
const ChildWindowFactory* FindChildWindowFactory(int tag);
// The tags of the child-window kinds: 10 to 15, 17 and 19.
bool IsChildWindowTag(int tag);

}  // namespace lm
