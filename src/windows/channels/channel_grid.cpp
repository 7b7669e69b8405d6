#include "windows/channels/channel_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

namespace lm {

ChannelGrid::ChannelGrid(QWidget* parent) : QTableView(parent) {
    if (auto* button = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
        auto* layout = new QVBoxLayout(button);
        layout->setContentsMargins(0, 0, 0, 0);
        corner_ = new QLabel(button);
        corner_->setAlignment(Qt::AlignCenter);
        corner_->setAttribute(Qt::WA_TransparentForMouseEvents);
        layout->addWidget(corner_);
    }
}

void ChannelGrid::SetCornerTitle(const QString& title) {
    if (corner_ != nullptr) corner_->setText(title);
}

void ChannelGrid::LeaveEditing() {
    if (state() != EditingState) return;
    // In-cell editors are the viewport's children.
    for (QWidget* editor : viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!editor->isVisible()) continue;
        commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void ChannelGrid::MoveOn(int rows) {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) return;
    const int row = std::clamp(current.row() + rows, 0, model()->rowCount() - 1);
    const QModelIndex next = model()->index(row, current.column());
    selectionModel()->setCurrentIndex(next, QItemSelectionModel::ClearAndSelect);
    scrollTo(next);
}

void ChannelGrid::EditCell(const QModelIndex& index) {
    if (state() == EditingState || !index.isValid() || !(model()->flags(index) & Qt::ItemIsEditable)) return;
    edit(index);
}

void ChannelGrid::keyPressEvent(QKeyEvent* event) {
    if (state() != EditingState && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        MoveOn((event->modifiers() & Qt::ShiftModifier) != 0 ? -1 : 1);
        return;
    }
    QTableView::keyPressEvent(event);
}

}  // namespace lm
