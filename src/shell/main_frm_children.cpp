// The child windows of the main window's client area: made by their factories, found by kind, closed,
// tiled and cascaded.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "shell/child_windows.h"
#include "shell/command_table.h"
#include "shell/editor_frame.h"
#include "shell/main_frm.h"
#include "widgets/artwork.h"
#include "widgets/editor_hooks.h"
#include "widgets/translate.h"
#include "windows/link/transfer_dialog.h"

namespace lm {

void TfMainFrm::ReopenEditors() {
    CloseAllChildren();
    ShowChildWindow(cmd::kChannelInfo);
}

QMdiSubWindow* TfMainFrm::ChildFrame(int kind) const {
    const auto it = children_.find(kind);
    if (it == children_.end() || it->second.isNull()) return nullptr;
    auto* frame = static_cast<EditorFrame*>(it->second.data());
    return frame->closed() || frame->widget() == nullptr ? nullptr : frame;
}

QWidget* TfMainFrm::ChildWindow(int kind) const {
    QMdiSubWindow* frame = ChildFrame(kind);
    return frame != nullptr ? frame->widget() : nullptr;
}

void TfMainFrm::ShowChildWindow(int kind) {
    QMdiSubWindow* frame = ChildFrame(kind);
    if (frame == nullptr) {
        const ChildWindowFactory* factory = FindChildWindowFactory(kind);
        if (factory == nullptr) return;  // this kind of window is not part of the program yet
        QWidget* editor = (*factory)(*this);
        if (editor == nullptr) return;
        MarkAsForm(editor);
        frame = new EditorFrame(editor);
        mdi_->addSubWindow(frame);
        frame->setWindowIcon(editor->windowIcon().isNull() ? ImageListIcon(kImageNode)
                                                           : editor->windowIcon());
        children_[kind] = frame;
    } else {
        mdi_->setActiveSubWindow(frame);
        frame->setFocus();
    }
    frame->show();
    if (frame->isMinimized()) frame->showNormal();
}

void TfMainFrm::CloseAllChildren() {
    const QPointer<QMdiSubWindow> grid = ChildFrame(cmd::kChannelInfo);
    CloseAllWindows();
    // The channel grid goes at once, so that the caller can open a new one.
    if (!grid.isNull() && grid->widget() != nullptr) delete grid.data();
}

void TfMainFrm::CloseAllWindows() {
    // The window list runs from the front window to the back one; the last in it closes first.
    const QList<QMdiSubWindow*> frames = mdi_->subWindowList(QMdiArea::StackingOrder);
    for (QMdiSubWindow* frame : frames) frame->close();
}

void TfMainFrm::TileChildren(bool horizontal) {
    QList<QMdiSubWindow*> frames;
    for (QMdiSubWindow* frame : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (frame->isVisible() && !frame->isMinimized()) frames.push_back(frame);
    }
    if (frames.isEmpty()) return;
    const QRect area = mdi_->viewport()->rect();
    const int n = static_cast<int>(frames.size());
    for (int i = 0; i < n; ++i) {
        frames[i]->showNormal();
        if (horizontal) {
            const int h = area.height() / n;
            frames[i]->setGeometry(0, i * h, area.width(), h);
        } else {
            const int w = area.width() / n;
            frames[i]->setGeometry(i * w, 0, w, area.height());
        }
    }
}

void TfMainFrm::ArrangeIcons() {
    const QRect area = mdi_->viewport()->rect();
    int x = 0;
    int y = area.bottom();
    for (QMdiSubWindow* frame : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (!frame->isMinimized()) continue;
        const QSize size = frame->size();
        if (x > 0 && x + size.width() > area.width()) {
            x = 0;
            y -= size.height();
        }
        frame->move(x, y - size.height() + 1);
        x += size.width();
    }
}

}  // namespace lm
