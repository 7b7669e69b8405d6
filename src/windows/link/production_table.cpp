#include "windows/link/production_table.h"

#include <QApplication>
#include <QBrush>
#include <QColor>
#include <QPainter>
#include <QStyleOptionProgressBar>

namespace lm {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// Seconds with one decimal, with "." whatever the locale.
QString Seconds(std::int64_t ms) {
    return QString::number(ms / 1000) + "." + QString::number(ms % 1000 / 100);
}

}  // namespace

ProductionTable::ProductionTable(QObject* parent)
    : QAbstractTableModel(parent), headings_{"Port", "Description", "Progress", "Step",
                                             "Area", "ID",          "Result",   "Seconds"} {}

void ProductionTable::SetRows(std::vector<PortRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

std::vector<std::string> ProductionTable::CheckedPorts() const {
    std::vector<std::string> ports;
    for (const PortRow& row : rows_)
        if (row.checked) ports.push_back(row.port);
    return ports;
}

void ProductionTable::Change(const std::string& port, const std::function<void(PortRow&)>& change) {
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].port != port) continue;
        change(rows_[i]);
        const int row = static_cast<int>(i);
        emit dataChanged(index(row, 0), index(row, kColumns - 1));
        return;
    }
}

int ProductionTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ProductionTable::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ProductionTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const PortRow& row = rows_[static_cast<std::size_t>(index.row())];
    const int column = index.column();
    if (role == Qt::CheckStateRole && column == kPort) return row.checked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::UserRole && column == kProgress)  // the bar: per mille, -1 for none
        return row.max > 0 ? row.position * 1000 / row.max : -1;
    if (role == Qt::ForegroundRole && row.state == PortRow::State::Failed && column == kResult)
        return QBrush(QColor(0xB0, 0x00, 0x20));
    if (role == Qt::BackgroundRole && row.state == PortRow::State::Failed)
        return QBrush(QColor(0xFF, 0xE4, 0xE4));
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    switch (column) {
        case kPort:
            return Q(row.port);
        case kDescription:
            return Q(row.description);
        case kProgress:
            return row.max > 0 ? QString("%1/%2").arg(row.position).arg(row.max) : QString();
        case kStep:
            return Q(row.step);
        case kArea:
            return Q(row.area);
        case kId:
            return Q(row.id);
        case kResult:
            return Q(row.result);
        case kSeconds:
            return row.ms >= 0 ? Seconds(row.ms) : QString();
        default:
            return {};
    }
}

bool ProductionTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != kPort || role != Qt::CheckStateRole || locked_) return false;
    rows_[static_cast<std::size_t>(index.row())].checked = value.toInt() == Qt::Checked;
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags ProductionTable::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == kPort && !locked_) f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ProductionTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumns)
        return QAbstractTableModel::headerData(section, orientation, role);
    return headings_[static_cast<std::size_t>(section)];
}

bool ProductionTable::setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                                    int role) {
    if (orientation != Qt::Horizontal || role != Qt::EditRole || section < 0 || section >= kColumns)
        return false;
    headings_[static_cast<std::size_t>(section)] = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

void ProgressDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const int perMille = index.data(Qt::UserRole).toInt();
    if (perMille < 0) return QStyledItemDelegate::paint(painter, option, index);
    QStyleOptionProgressBar bar;
    bar.rect = option.rect.adjusted(2, 2, -2, -2);
    bar.minimum = 0;
    bar.maximum = 1000;
    bar.progress = perMille;
    bar.text = index.data().toString();
    bar.textVisible = true;
    bar.state = option.state | QStyle::State_Horizontal;
    QApplication::style()->drawControl(QStyle::CE_ProgressBar, &bar, painter);
}

}  // namespace lm
