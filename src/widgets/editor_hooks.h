#pragma once
// What the main window asks of an editor window, besides showing and closing it. The windows follow the
// document themselves (core/document.h); this is only for what is not an edit.
namespace lm {

class EditorHooks {
public:
    virtual ~EditorHooks() = default;
    // Channel information window: leave cell editing and hide the in-cell pickers before a command runs.
    virtual void LeaveEditing() {}
};

}  // namespace lm
