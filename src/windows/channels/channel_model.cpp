#include "windows/channels/channel_model.h"

#include <QApplication>
#include <QPalette>
#include <algorithm>

#include "core/channel_edit.h"
#include "windows/channels/channel_writer.h"

namespace lm {

namespace {

constexpr int kTintEvery = 16;  // every 16th channel's row is tinted

std::size_t At(int i) { return static_cast<std::size_t>(i); }

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

ChannelTableModel::ChannelTableModel(TDocument& document, BoxItems items, EditTargets targets,
                                     QObject* parent)
    : QAbstractTableModel(parent),
      document_(document),
      items_(std::move(items)),
      targets_(std::move(targets)) {
    for (const lm::ChannelColumn& c : ChannelColumns()) columns_.push_back(ColumnTitleOf(c));
    RefreshAll();
}

void ChannelTableModel::SetColumns(std::vector<ColumnTitle> columns) {
    columns_ = std::move(columns);
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

int ChannelTableModel::FieldOf(int column) { return ChannelColumns()[At(column + 1)].field; }

FieldEditor ChannelTableModel::EditorOf(const QModelIndex& index) const {
    return FieldEditorOf(document_.State(), index.row() + 1, FieldOf(index.column()));
}

void ChannelTableModel::RefreshChannel(int n) {
    if (n < 1 || n > static_cast<int>(rows_.size())) return;
    rows_[At(n - 1)] = ChannelTableRow(document_.State(), n);
    emit dataChanged(index(n - 1, 0), index(n - 1, columnCount() - 1));
}

void ChannelTableModel::RefreshAll() {
    const int count = document_.State().ChannelCount;
    if (count != static_cast<int>(rows_.size())) {
        beginResetModel();
        rows_.clear();
        for (int n = 1; n <= count; ++n) rows_.push_back(ChannelTableRow(document_.State(), n));
        endResetModel();
        return;
    }
    for (int n = 1; n <= count; ++n) rows_[At(n - 1)] = ChannelTableRow(document_.State(), n);
    if (count > 0) emit dataChanged(index(0, 0), index(count - 1, columnCount() - 1));
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kChannelColumns - 1;
}

QString ChannelTableModel::Shown(int row, int column) const {
    const ChannelRow& r = rows_[At(row)];
    const std::string& cell = r.cells[At(column + 1)];
    if (!r.present) return Q(cell);
    const int field = FieldOf(column);
    const int value = r.values[At(column + 1)];
    const FieldEditor editor = FieldEditorOf(document_.State(), row + 1, field);
    // Option items and the none text are shown in the window's language.
    if (value >= 0 && !editor.box.empty()) {
        const QStringList items = items_(editor.box);
        if (value < items.size()) return items.at(value);
    } else if (cell == NoneText()) {
        const QStringList tones = items_(ChannelColumns()[At(column + 1)].box);
        if (!tones.isEmpty()) return tones.front();
    }
    return Q(cell);
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return Shown(index.row(), index.column());
        case kValueRole:
            return std::max(0, rows_[At(index.row())].values[At(index.column() + 1)]);
        case Qt::TextAlignmentRole:
            return static_cast<int>(Column(index.column()).alignment);
        case Qt::BackgroundRole:
            if ((index.row() + 1) % kTintEvery == 0) return QApplication::palette().toolTipBase();
            return {};
        default:
            return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (role == Qt::DisplayRole) return Column(section).title;
        if (role == Qt::TextAlignmentRole) return static_cast<int>(Qt::AlignCenter | Qt::TextWordWrap);
        return {};
    }
    if (role == Qt::DisplayRole) return section + 1;
    if (role == Qt::TextAlignmentRole) return static_cast<int>(ChannelColumn().alignment);
    return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && EditorOf(index).kind != EditorKind::None) f |= Qt::ItemIsEditable;
    return f;
}

bool ChannelTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) return false;
    const int n = index.row() + 1;
    const int field = FieldOf(index.column());
    const std::string text = value.toString().toStdString();
    ChannelEditFn edit;
    switch (EditorOf(index).kind) {
        case EditorKind::Typed:
            edit = [field, text](TALL& s, int ch) {
                return field == cfRxFreq ? SetRxFrequency(s, ch, text) : SetTxFrequency(s, ch, text);
            };
            break;
        case EditorKind::ToneBox: {
            // The none text as the box shows it (translated) means no tone.
            const QStringList tones = items_(ChannelColumns()[At(index.column() + 1)].box);
            const std::string shownNone = tones.isEmpty() ? NoneText() : tones.front().toStdString();
            edit = [field, text, shownNone](TALL& s, int ch) {
                return SetTone(s, ch, field, text, shownNone);
            };
            break;
        }
        case EditorKind::ListBox: {
            const int item = value.toInt();
            edit = [field, item](TALL& s, int ch) { return SetOption(s, ch, field, item); };
            break;
        }
        case EditorKind::None:
            return false;
    }
    // Typing a receive frequency may create or delete the channel: it goes to this channel alone.
    const std::vector<int> channels = field == cfRxFreq ? std::vector<int>{n} : targets_(n);
    if (channels.size() > 1)
        WriteChannels(document_, channels, field, edit);
    else
        WriteChannel(document_, n, field, edit);
    return true;
}

}  // namespace lm
