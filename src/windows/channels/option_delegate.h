#pragma once
// The in-cell editors of the channel grid, chosen by the engine (FieldEditorOf): a filtered line edit for the
// frequencies, a tone box with free, filtered text for the tones, a list-only box chosen from by typing for
// the other options, and none on an empty channel (nor a transmit tone box without a transmit frequency).
// Enter stores the value and moves down a row, Shift+Enter up.
#include <QStyledItemDelegate>

#include "windows/channels/channel_model.h"

namespace lm {

class OptionDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    OptionDelegate(ChannelTableModel::BoxItems items, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

signals:
    // The tone box of the cell was double-clicked.
    void toneDoubleClicked(const QModelIndex& index);
    // Enter confirmed an editor: the grid moves on by rows (1 down, -1 up with Shift).
    void movedOn(int rows);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QWidget* ToneBox(QWidget* parent, const std::string& box, const QModelIndex& index) const;
    QWidget* ListBox(QWidget* parent, const std::string& box) const;
    void Commit(QWidget* editor);
    // Enter or Return in an editor: store its value, close it and move on. False for other events.
    bool ConfirmByEnter(QWidget* editor, QEvent* event);

    ChannelTableModel::BoxItems items_;
};

}  // namespace lm
