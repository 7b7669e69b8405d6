// Where a child window opens in the main window's client area.
#include "widgets/child_frame.h"

#include <QTest>

#include "dialog_test.h"

using namespace lm;

class ChildFrameTest : public QObject {
    Q_OBJECT

private slots:
    // The first window at (20, 20); the next beside a window where it fits and hides none; otherwise
    // cascaded, and always inside the area.
    void newWindowsHideNoOther() {
        const QRect area(0, 0, 1600, 800);
        const QRect grid(20, 20, 830, 400);
        const QRect edit(850, 20, 440, 330);
        const struct {
            std::vector<QRect> taken;
            QSize size;
            QRect area;
            QPoint place;
        } cases[] = {
            {{}, {830, 400}, area, {20, 20}},
            {{grid}, {440, 330}, area, {850, 20}},                    // the edit window beside the grid
            {{grid, edit}, {300, 306}, area, {1290, 20}},             // a settings window beside it
            {{grid, edit}, {320, 306}, area, {20, 420}},              // no room beside: under the grid
            {{grid}, {440, 330}, QRect(0, 0, 1000, 800), {20, 420}},  // no room beside the grid: under it
            {{grid}, {440, 330}, QRect(0, 0, 1000, 700), {560, 20}},  // nor under it: at the right edge
            {{grid, edit}, {440, 330}, QRect(0, 0, 1000, 700), {536, 44}},  // the next cascaded from there
            {{grid, edit, grid}, {900, 700}, QRect(0, 0, 1000, 700), {52, 0}},  // pulled back inside
            {{grid, edit}, {440, 390}, QRect(0, 0, 1290, 400), {826, 10}},      // not below the bottom
        };
        for (const auto& c : cases) {
            QCOMPARE(ChildWindowPlace(c.taken, c.size, c.area), c.place);
            QVERIFY(c.area.contains(QRect(c.place, c.size)) || c.size.width() >= c.area.width() ||
                    c.size.height() >= c.area.height());
        }
    }
};

DLG_TEST(ChildFrameTest)
#include "child_frame_test.moc"
