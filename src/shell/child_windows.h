#pragma once
// The editor windows that the main window shows as child windows, one per kind, created by command tag.
//
// Adding an editor window is adding one class in its subsystem's window library and one line in
// RegisterWindows() (shell/windows_wiring.cpp) that registers a factory for its command tag (the window is
// shown inside the main window's client area); the factory hands the window the parts of the state it needs.
// A window that edits in place implements EditorHooks as well. A window may close itself (a Close button of
// its own calling close()); its frame in the client area goes with it.
#include <functional>
#include <map>

#include "widgets/editor_hooks.h"

class QWidget;

namespace lm {

class TfMainFrm;
using ChildWindowFactory = std::function<QWidget*(TfMainFrm& main)>;

// Registers the factory of the window kind `tag`.
bool RegisterChildWindow(int tag, ChildWindowFactory factory);
// The factory of a kind, or nullptr while no window of that kind is built into the program.
const ChildWindowFactory* FindChildWindowFactory(int tag);
// The tags of the child-window kinds: 10 to 15, 17 and 19.
bool IsChildWindowTag(int tag);

}  // namespace lm
