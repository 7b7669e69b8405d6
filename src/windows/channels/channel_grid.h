#pragma once
// The channel grid's view: a table with a fixed title row and a fixed channel-number column (the row header),
// whose corner shows the channel column's title, and that can be told to leave cell editing.
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

private:
    QLabel* corner_ = nullptr;
};

}  // namespace lm
