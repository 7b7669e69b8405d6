#pragma once
// Sizes from contents: boxes and labels at least as wide as their texts need in the current language and font
// (the designed width is the least they get), and the frames around them grown to hold them.
#include <vector>

class QComboBox;
class QLabel;
class QWidget;

namespace lm {

constexpr int kListLength = 20;  // the drop-down lists show at least this many items at a time

// The width a drop-down box needs to show its widest item whole.
int BoxWidthForItems(const QComboBox* box);
// Makes box at least as wide as its widest item needs, and its list show kListLength items.
void FitBox(QComboBox* box);

// A label and the box it names, on one row of their parent, the box right of the label.
struct LabelledBox {
    QLabel* label;
    QWidget* box;
};

// Fits the rows of a window that is laid out by hand: the labels of one column (same parent, same left edge)
// take the width of the widest of them, the boxes their items' width (FitBox), a column further right moves
// clear of the one before it, and every frame from a box up to window grows to hold what it holds; the
// window's fixed size grows with them, and the widgets at its right edge (the Close button) move along.
void FitLabelledBoxes(QWidget* window, const std::vector<LabelledBox>& rows);

}  // namespace lm
