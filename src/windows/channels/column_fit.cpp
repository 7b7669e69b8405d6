#include "windows/channels/column_fit.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <algorithm>

#include "widgets/fit_contents.h"

namespace lm {

int ColumnWidthNeeded(const QTableView* grid, const QString& title, const QComboBox* box,
                      const QString& typedText) {
    const QHeaderView* header = grid->horizontalHeader();
    const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    int need = 0;
    for (const QString& line : title.split('\n'))
        need = std::max(need, header->fontMetrics().horizontalAdvance(line) + headerMargin);
    if (box != nullptr) return std::max(need, BoxWidthForItems(box));
    // A text editor's frame and margins on both sides.
    const int editMargin = 2 * grid->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
    return std::max(need, grid->fontMetrics().horizontalAdvance(typedText) + editMargin);
}

}  // namespace lm
