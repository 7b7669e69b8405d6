#pragma once
// How the editor windows and the main window keep each other current, without the windows knowing the main
// window: the main window asks an editor through EditorHooks, and an editor tells the main window through the
// EditorHost it has installed.
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

// What an editor window tells the main window.
class EditorHost {
public:
    virtual ~EditorHost() = default;
    // kind 0: the grid refreshes the row of the current channel; kind 2: the edit window loads the current
    // channel again (kind 1, the image replaced, is the main window's own).
    virtual void RefreshEditors(int kind) = 0;
    // Selects the current channel's tree node; kind 2: the edit window loads it as well.
    virtual void ShowCurrentChannel(int kind) = 0;
};

// The main window, while there is one; nullptr otherwise (a window shown on its own, in a test).
EditorHost* TheEditorHost();
void SetEditorHost(EditorHost* host);

}  // namespace lm
