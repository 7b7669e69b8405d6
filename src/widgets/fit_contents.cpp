#include "widgets/fit_contents.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <algorithm>
#include <map>

namespace lm {

namespace {

constexpr int kGap = 8;     // between a column's boxes and the next column's labels
constexpr int kMargin = 8;  // inside a frame, right of what it holds

// Grows the ancestors of w, up to window, so that each holds its child with a margin; a page of a tab widget
// grows the tab widget. Returns the growth of the window's width.
void GrowAncestors(QWidget* w, QWidget* window) {
    QWidget* child = w;
    for (QWidget* parent = w->parentWidget(); parent != nullptr && child != window;
         child = parent, parent = parent->parentWidget()) {
        if (qobject_cast<QStackedWidget*>(parent) != nullptr) continue;  // a tab widget's pages: below
        if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
            const int need = child->geometry().right() + kMargin;  // child is the stack of pages
            if (tabs->currentWidget() != nullptr && tabs->currentWidget()->width() < need)
                tabs->resize(tabs->width() + need - tabs->currentWidget()->width(), tabs->height());
            continue;
        }
        if (parent == window) break;
        const int need = child->geometry().right() + 1 + kMargin;
        if (parent->width() < need) parent->resize(need, parent->height());
    }
}

}  // namespace

int BoxWidthForItems(const QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = box->isEditable();
    int text = 0;
    for (int i = 0; i < box->count(); ++i)
        text = std::max(text, box->fontMetrics().horizontalAdvance(box->itemText(i)));
    // The box's frame, arrow and margins around a text of that width.
    const QSize content(text + 4, box->fontMetrics().height());
    return box->style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, box).width();
}

void FitBox(QComboBox* box) {
    box->setMaxVisibleItems(std::max(box->maxVisibleItems(), kListLength));
    const int need = BoxWidthForItems(box);
    if (box->width() < need) box->resize(need, box->height());
}

void FitLabelledBoxes(QWidget* window, const std::vector<LabelledBox>& rows) {
    const int windowWidth = window->width();
    // The columns: by parent, then by the labels' left edge.
    std::map<QWidget*, std::map<int, std::vector<LabelledBox>>> columns;
    for (const LabelledBox& row : rows) columns[row.label->parentWidget()][row.label->x()].push_back(row);
    for (auto& [parent, byLeft] : columns) {
        int clear = 0;  // the right edge of the column before
        for (auto& [left, column] : byLeft) {
            const int x = std::max(left, clear == 0 ? left : clear + kGap);
            int labelWidth = 0;
            for (const LabelledBox& row : column)
                labelWidth =
                    std::max({labelWidth, row.box->x() - row.label->x(), row.label->sizeHint().width()});
            // The boxes of a column widen alike, so that their right edges stay in line.
            std::vector<int> designed;
            int grown = 0;
            for (const LabelledBox& row : column) {
                designed.push_back(row.box->width());
                if (auto* box = qobject_cast<QComboBox*>(row.box)) FitBox(box);
                grown = std::max(grown, row.box->width() - designed.back());
            }
            for (std::size_t i = 0; i < column.size(); ++i) {
                const LabelledBox& row = column[i];
                row.label->setGeometry(x, row.label->y(), labelWidth, row.label->height());
                row.box->setGeometry(x + labelWidth, row.box->y(), designed[i] + grown, row.box->height());
                clear = std::max(clear, row.box->geometry().right() + 1);
                GrowAncestors(row.box, window);
            }
        }
    }
    // The window holds its children; what stood at its right edge stays there.
    int right = 0;
    for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (!child->isHidden() || child->testAttribute(Qt::WA_WState_ExplicitShowHide) == false)
            right = std::max(right, child->geometry().right() + 1 + kMargin);
    const int grown = std::max(0, right - windowWidth);
    if (grown == 0) return;
    for (QWidget* child : window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->geometry().right() + 1 + kMargin >= windowWidth && child->inherits("QAbstractButton"))
            child->move(child->x() + grown, child->y());
    }
    window->setFixedSize(windowWidth + grown, window->height());
}

}  // namespace lm
