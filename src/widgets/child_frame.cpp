#include "widgets/child_frame.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>
#include <algorithm>

namespace lm {

namespace {

QMdiSubWindow* FrameOf(QObject* window) {
    auto* widget = qobject_cast<QWidget*>(window);
    return widget != nullptr ? qobject_cast<QMdiSubWindow*>(widget->parentWidget()) : nullptr;
}

// The frames shown in the same client area besides frame, in the order they were opened.
std::vector<QRect> OtherFrames(const QMdiSubWindow* frame) {
    std::vector<QRect> taken;
    if (QMdiArea* area = frame->mdiArea()) {
        for (const QMdiSubWindow* other : area->subWindowList(QMdiArea::CreationOrder)) {
            if (other != frame && other->isVisible() && !other->isMinimized())
                taken.push_back(other->geometry());
        }
    }
    return taken;
}

bool Free(const QRect& place, const std::vector<QRect>& taken, const QRect& area) {
    if (!area.contains(place)) return false;
    return std::none_of(taken.begin(), taken.end(), [&place](const QRect& t) { return t.intersects(place); });
}

}  // namespace

QPoint ChildWindowPlace(const std::vector<QRect>& taken, QSize size, QRect area) {
    const QPoint first(area.left() + kChildWindowLeft, area.top() + kChildWindowTop);
    if (taken.empty()) return first;
    for (const bool right : {true, false}) {
        for (const QRect& t : taken) {
            const QRect beside(right ? QPoint(t.right() + 1, t.top()) : QPoint(t.left(), t.bottom() + 1),
                               size);
            if (Free(beside, taken, area)) return beside.topLeft();
        }
    }
    // At the right edge, over as little of the first window as may be; each further one 24 pixels left and
    // down.
    const int step = kChildWindowStep * static_cast<int>(taken.size() - 1);
    QPoint place(area.right() + 1 - size.width() - step, taken.front().top() + step);
    place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - size.width())));
    place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - size.height())));
    return place;
}

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
            const QRect area = frame->mdiArea() != nullptr ? frame->mdiArea()->viewport()->rect() : QRect();
            frame->move(area.isEmpty() ? QPoint(kChildWindowLeft, kChildWindowTop)
                                       : ChildWindowPlace(OtherFrames(frame), frame->size(), area));
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace lm
