#include "shell/editor_frame.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QMetaObject>

#include "shell/command_table.h"

namespace lm {

namespace {

// The frame's own keys (its window menu closes it with Ctrl+W besides Ctrl+F4) give way to the commands of
// the main window: Ctrl+W is Write To Radio whichever window is active.
void YieldCommandShortcuts(QMenu* windowMenu) {
    if (windowMenu == nullptr) return;
    for (QAction* action : windowMenu->actions()) {
        QList<QKeySequence> keys = action->shortcuts();
        const auto taken = [](const QKeySequence& key) {
            for (const MenuItemDef& def : MenuItems()) {
                if (*def.shortcut != '\0' && key == QKeySequence(QString::fromLatin1(def.shortcut)))
                    return true;
            }
            return false;
        };
        if (keys.removeIf(taken) > 0) action->setShortcuts(keys);
    }
}

}  // namespace

EditorFrame::EditorFrame(QWidget* editor) {
    setAttribute(Qt::WA_DeleteOnClose);
    YieldCommandShortcuts(systemMenu());
    setWidget(editor);
    editor->installEventFilter(this);
    // Queued: the frame looks at its editor only after the editor is gone, and never while it is itself being
    // destroyed together with the editor.
    connect(editor, &QObject::destroyed, this, &EditorFrame::CloseAfterEditor, Qt::QueuedConnection);
}

void EditorFrame::closeEvent(QCloseEvent* event) {
    closing_ = true;
    QMdiSubWindow::closeEvent(event);
    closing_ = false;
    if (event->isAccepted()) closed_ = true;
}

bool EditorFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == widget() && !closing_ && !closed_) {
        // The editor closes itself: once it has decided (it may refuse), the frame follows.
        QMetaObject::invokeMethod(this, &EditorFrame::CloseAfterEditor, Qt::QueuedConnection);
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

void EditorFrame::CloseAfterEditor() {
    if (closing_ || closed_) return;
    QWidget* editor = widget();
    if (editor == nullptr || editor->isHidden()) close();
}

}  // namespace lm
