#pragma once
// The frame a settings window stands in inside the main window's client area: a fixed size, a system menu, a
// minimise box and a close box (no maximise box), placed at (20, 20) when the window is first shown there.
#include <QObject>

class QWidget;

namespace lm {

constexpr int kChildWindowLeft = 20;
constexpr int kChildWindowTop = 20;

// Watches window (and is owned by it): once the window has been put into a sub-window of the main window's
// client area, that frame gets the buttons above and a border that cannot be dragged; when the window is
// first shown, its frame is moved to (20, 20). A window shown on its own is left alone.
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
