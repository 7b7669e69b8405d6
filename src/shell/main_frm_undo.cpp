// Undo and redo of the main window: Edit > Undo and Redo take back and apply again the steps of the program's
// document, and their captions name the step ("Undo RX Frequency of channel 3").
#include <QAction>
#include <QKeySequence>

#include "shell/command_table.h"
#include "shell/main_frm.h"

namespace lm {

void TfMainFrm::ConnectDocument() {
    if (QAction* redo = MenuAction(cmd::kRedo))
        redo->setShortcuts(
            {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    documentListener_ = Document().AddListener([this](const DocumentEvent& event) {
        RefreshUndoActions();
        if (event.kind == DocumentEventKind::Moved) ShowCurrentChannel();
        // The windows follow the document themselves; the caption shows whether the image is saved.
        if (event.kind == DocumentEventKind::Undone || event.kind == DocumentEventKind::Redone)
            UpdateStatusAndCaption();
    });
    RefreshUndoActions();
}

void TfMainFrm::UndoCommand() { Document().Undo(); }

void TfMainFrm::RedoCommand() { Document().Redo(); }

void TfMainFrm::RefreshUndoActions() {
    const auto caption = [](const QString& verb, const std::string& name) {
        return name.empty() ? verb : verb + " " + QString::fromStdString(name);
    };
    if (QAction* undo = MenuAction(cmd::kUndo)) {
        undo->setEnabled(Document().CanUndo());
        undo->setText(caption(undoVerb_, Document().UndoName()));
    }
    if (QAction* redo = MenuAction(cmd::kRedo)) {
        redo->setEnabled(Document().CanRedo());
        redo->setText(caption(redoVerb_, Document().RedoName()));
    }
}

void TfMainFrm::ResetUndoCaptions() {
    if (QAction* undo = MenuAction(cmd::kUndo)) undo->setText("&Undo");
    if (QAction* redo = MenuAction(cmd::kRedo)) redo->setText("&Redo");
}

void TfMainFrm::KeepUndoCaptions() {
    if (QAction* undo = MenuAction(cmd::kUndo)) undoVerb_ = undo->text();
    if (QAction* redo = MenuAction(cmd::kRedo)) redoVerb_ = redo->text();
    RefreshUndoActions();
}

}  // namespace lm
