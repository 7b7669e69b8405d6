#pragma once
// Cut, Copy, Paste and Delete on the channel grid's rows: the keys Ctrl+X, Ctrl+C, Ctrl+V and Delete while
// the grid has the focus (elsewhere they keep the main window's commands), and the grid's context menu. Copy
// puts the channels on the clipboard as tab-separated text with the grid's columns; Paste takes such text,
// from this program or a spreadsheet, into the channels from the current row on.
#include <QObject>
#include <vector>

#include "core/document.h"

class QAction;
class QLabel;
class QTableView;

namespace lm {

class GridCommands : public QObject {
    Q_OBJECT

public:
    // deleteQuestion holds the (translatable) question asked before Delete.
    GridCommands(TDocument& document, QTableView* grid, QLabel* deleteQuestion);

    void Copy();
    void Cut();
    void Paste();
    void Delete();

    // The channels of the rows that hold a selected cell, or of the current row; ascending.
    static std::vector<int> SelectedChannels(const QTableView* grid);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddAction(const char* name, const char* caption, const QKeySequence& key,
                       void (GridCommands::*run)());

    TDocument& document_;
    QTableView* grid_;
    QLabel* deleteQuestion_;
};

}  // namespace lm
