#pragma once
// The editor windows that the main window shows as child windows, one per kind, created by command tag.
//
// Adding an editor window is adding one class: its .cpp registers a factory for its command tag with
//     LM_REGISTER_CHILD_WINDOW(cmd::kKeyFunction, TfKeyFun)
// (the class is constructed with a QWidget* parent and is shown inside the main window's client area). A
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

// Registers the factory of the window kind `tag`; returns true so that it can initialise a static.
bool RegisterChildWindow(int tag, ChildWindowFactory factory);
// The factory of a kind, or nullptr while no window of that kind is built into the program.
const ChildWindowFactory* FindChildWindowFactory(int tag);
// The tags of the child-window kinds: 10 to 15, 17 and 19.
bool IsChildWindowTag(int tag);

}  // namespace lm

#define LM_CHILD_WINDOW_CONCAT2(a, b) a##b
#define LM_CHILD_WINDOW_CONCAT(a, b) LM_CHILD_WINDOW_CONCAT2(a, b)
#define LM_REGISTER_CHILD_WINDOW(tag, Class)                                                                \
    static const bool LM_CHILD_WINDOW_CONCAT(lm_child_window_registered_, __LINE__) =                     \
        ::lm::RegisterChildWindow((tag), [](QWidget* parent) -> QWidget* { return new Class(parent); });
