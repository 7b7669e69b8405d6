#include "widgets/child_frame.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>

namespace lm {

namespace {

QMdiSubWindow* FrameOf(QObject* window) {
    auto* widget = qobject_cast<QWidget*>(window);
    return widget != nullptr ? qobject_cast<QMdiSubWindow*>(widget->parentWidget()) : nullptr;
}

}  // namespace

ChildFrame::ChildFrame(QWidget* window) : QObject(window) {}

void ChildFrame::Install(QWidget* window) { window->installEventFilter(new ChildFrame(window)); }

bool ChildFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ParentChange) {
        // The frame is not shown yet: its buttons can change without hiding it. The fixed-size hint keeps the
        // user from dragging its border.
        if (QMdiSubWindow* frame = FrameOf(watched); frame != nullptr && !frame->isVisible()) {
            frame->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                  Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                  Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
        }
    } else if (event->type() == QEvent::Show && !placed_) {
        if (QMdiSubWindow* frame = FrameOf(watched)) {
            placed_ = true;
            frame->move(kChildWindowLeft, kChildWindowTop);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lm
