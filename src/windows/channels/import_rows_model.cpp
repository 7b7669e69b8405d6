#include "windows/channels/import_rows_model.h"

#include <QFont>

#include "core/channel_table.h"

namespace lm {

ImportRowsModel::ImportRowsModel(QObject* parent) : QAbstractTableModel(parent) {
    titles_ << "Take"
            << "Line"
            << "Channel";
    // The channel's columns take the grid's titles.
    for (int c = 1; c <= 7; ++c)
        titles_ << QString::fromStdString(TitleLine(ChannelColumns()[static_cast<std::size_t>(c)].title));
    titles_ << "Note";
}

void ImportRowsModel::SetPreview(ImportPreview preview) {
    beginResetModel();
    preview_ = std::move(preview);
    endResetModel();
}

void ImportRowsModel::Toggle(int modelRow) {
    if (modelRow < 0 || modelRow >= rowCount()) return;
    const int row = preview_.rows[static_cast<std::size_t>(modelRow)].row;
    if (!leftOut_.erase(row)) leftOut_.insert(row);
    emit leftOutChanged();
}

int ImportRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(preview_.rows.size());
}

int ImportRowsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ImportRowsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const ImportRow& row = preview_.rows[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == kTake) return row.chosen ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::FontRole && row.replaces && row.chosen) {
        QFont bold;
        bold.setBold(true);
        return bold;
    }
    if (role != Qt::DisplayRole) return {};
    switch (column) {
        case kTake:
            return row.row;
        case kLine:
            return row.line;
        case kChannel:
            return row.channel > 0 ? QVariant(row.channel) : QVariant();
        case kNote: {
            QStringList notes;
            if (row.chosen && row.channel == 0) notes << QString::fromStdString(row.skipped);
            for (const std::string& warning : row.warnings) notes << QString::fromStdString(warning);
            return notes.join("; ");
        }
        default:
            break;
    }
    const auto cell = static_cast<std::size_t>(column - kRx + 1);
    return row.channel > 0 && cell < row.cells.size() ? QString::fromStdString(row.cells[cell]) : QString();
}

bool ImportRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != kTake || role != Qt::CheckStateRole) return false;
    const bool wanted = value.toInt() == Qt::Checked;
    if (wanted != preview_.rows[static_cast<std::size_t>(index.row())].chosen) Toggle(index.row());
    return true;
}

Qt::ItemFlags ImportRowsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kTake) f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ImportRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= titles_.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    return titles_[section];
}

bool ImportRowsModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                    int role) {
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= titles_.size())
        return false;
    titles_[section] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

}  // namespace lm
