#pragma once
// The width a column of the channel grid needs in the current language and font: its title in the header's
// font, on at most two lines, and the texts of its cells, in the box laid over them (an option or tone
// column) or in the in-cell text editor (a frequency column).
#include <QString>

class QComboBox;
class QTableView;

namespace lm {

// box: the column's option box, nullptr for a typed column, whose widest text is typedText.
int ColumnWidthNeeded(const QTableView* grid, const QString& title, const QComboBox* box,
                      const QString& typedText);

}  // namespace lm
