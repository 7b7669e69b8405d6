#include "windows/channels/channel_grid.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

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

}  // namespace lm
