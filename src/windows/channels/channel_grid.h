#pragma once
// The channel grid's view: a table with a fixed title row and a fixed channel-number column (the row header),
// whose corner shows the channel column's title, and that can be told to leave cell editing. Enter moves down
// a row in the same column and Shift+Enter up, after an edit as well as without one.
#include <QTableView>

class QLabel;

namespace lm {

class ChannelGrid : public QTableView {
    Q_OBJECT

public:
    explicit ChannelGrid(QWidget* parent);
    // The title over the channel numbers.
    void SetCornerTitle(const QString& title);
    // Writes what an open in-cell editor holds and closes it.
    void LeaveEditing();
    // Makes the cell rows below (above, when negative) the current one current, in the same column.
    void MoveOn(int rows);
    // Opens the in-cell editor of a cell that has one, unless one is open already.
    void EditCell(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* corner_ = nullptr;
};

}  // namespace lm
