#include "windows/channels/column_fit.h"

#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <algorithm>

#include "widgets/fit_contents.h"

namespace lm {

namespace {

// The width a title needs in the title row, which holds two lines: a title of one line with blanks may be
// broken into two lines at the blank that leaves the narrower of them.
int TitleWidth(const QFontMetrics& metrics, const QString& title) {
    const QStringList lines = title.split('\n');
    int need = 0;
    for (const QString& line : lines) need = std::max(need, metrics.horizontalAdvance(line));
    if (lines.size() != 1) return need;
    for (qsizetype blank = title.indexOf(' '); blank > 0; blank = title.indexOf(' ', blank + 1)) {
        need = std::min(need, std::max(metrics.horizontalAdvance(title.left(blank)),
                                       metrics.horizontalAdvance(title.mid(blank + 1))));
    }
    return need;
}

}  // namespace

int ColumnWidthNeeded(const QTableView* grid, const QString& title, const QComboBox* box,
                      const QString& typedText) {
    const QHeaderView* header = grid->horizontalHeader();
    const int headerMargin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header) + 2;
    const int need = TitleWidth(header->fontMetrics(), title) + headerMargin;
    if (box != nullptr) return std::max(need, BoxWidthForItems(box));
    // A text editor's frame and margins on both sides.
    const int editMargin = 2 * grid->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 8;
    return std::max(need, grid->fontMetrics().horizontalAdvance(typedText) + editMargin);
}

}  // namespace lm
