#pragma once
// Picking a tone in the tone picker as a user does: a double click on a cell of the table shown.
#include <QTableWidget>
#include <QTest>

#include "windows/channels/tone_option.h"

namespace dlgtest {

inline QTableWidget* VisibleGrid(const lm::TfToneOption& picker) {
    for (auto* grid : picker.findChildren<QTableWidget*>())
        if (grid->isVisibleTo(&picker)) return grid;
    return nullptr;
}

inline void DoubleClick(QTableWidget* grid, int row, int column) {
    const QPoint at = grid->visualRect(grid->model()->index(row, column)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);  // the press a double click follows
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
}

}  // namespace dlgtest
