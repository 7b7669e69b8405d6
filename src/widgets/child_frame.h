#pragma once
// The frame an editor window stands in inside the main window's client area: a fixed size, a system menu, a
// minimise box and a close box (no maximise box), placed where it hides no other window when first shown.
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace lm {

constexpr int kChildWindowLeft = 20;
constexpr int kChildWindowTop = 20;
constexpr int kChildWindowStep = 24;  // the offset of each further window in a cascade

// Where a new child window of the given size goes in area, with the windows already there at `taken`: the
// first at (20, 20); a later one beside the right edge of a window already there, or else under one (the
// first such place, in the order of `taken`, that lies inside area and overlaps no window); otherwise at the
// right edge of area, level with the first window, and cascaded from there, 24 pixels left and down for each
// further window; always pulled back inside area as far as its size allows.
QPoint ChildWindowPlace(const std::vector<QRect>& taken, QSize size, QRect area);

// Watches window (and is owned by it): once the window has been put into a sub-window of the main window's
// client area, that frame gets the buttons above and a border that cannot be dragged; when the window is
// first shown, its frame is placed by ChildWindowPlace among the other visible frames. A window shown on its
// own is left alone.
class ChildFrame : public QObject {
    Q_OBJECT

public:
    static void Install(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ChildFrame(QWidget* window);
    bool placed_ = false;
};

}  // namespace lm
