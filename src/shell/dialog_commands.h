#pragma once
// The commands of the main window that run a modal dialog of another part of the program (read, write, port,
// model, embedded message), registered by command tag so that the main window does not depend on the dialogs.
#include <functional>

namespace lm {

class TfMainFrm;

// Runs the dialog modally over the main window; true when it completed its work (a read that completed, a
// model change that made a new image).
using DialogCommand = std::function<bool(TfMainFrm& main)>;

bool RegisterDialogCommand(int tag, DialogCommand command);
const DialogCommand* FindDialogCommand(int tag);
// Runs the command of a tag; false when it reports no completed work or no dialog is registered for the tag.
bool RunDialogCommand(int tag, TfMainFrm& main);

}  // namespace lm
