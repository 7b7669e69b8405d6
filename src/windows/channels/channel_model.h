#pragma once
// The channel grid's table model over the engine's channel table: one row per channel, one column per field
// (the channel number is the vertical header). It shows what ChannelTableRow gives, with the option items and
// the none text in the window's language, and writes an edited cell through the engine's editing rules.
#include <QAbstractTableModel>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "core/document.h"
#include "windows/channels/column_titles.h"

namespace lm {

class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The items of an option box by its name ("cxPower"), as the window shows them.
    using BoxItems = std::function<QStringList(const std::string& box)>;
    // The channels an edit of channel n goes to: n alone, or every selected channel when n is one of several.
    using EditTargets = std::function<std::vector<int>(int n)>;
    // The hidden value of an option cell: the index of its item (0 when there is none).
    static constexpr int kValueRole = Qt::UserRole + 1;

    ChannelTableModel(TDocument& document, BoxItems items, EditTargets targets, QObject* parent);

    // The 13 columns, [0] the channel number's.
    void SetColumns(std::vector<ColumnTitle> columns);
    const ColumnTitle& Column(int column) const { return columns_[static_cast<std::size_t>(column) + 1]; }
    const ColumnTitle& ChannelColumn() const { return columns_.front(); }
    // The field selector of a model column.
    static int FieldOf(int column);
    // The editor a cell gets (none, typed text, a tone box or an item list).
    FieldEditor EditorOf(const QModelIndex& index) const;

    // Reads channel n / every channel from the image again.
    void RefreshChannel(int n);
    void RefreshAll();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // A frequency or tone by its text, an option by its item index.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

private:
    QString Shown(int row, int column) const;

    TDocument& document_;
    BoxItems items_;
    EditTargets targets_;
    std::vector<ColumnTitle> columns_;
    std::vector<ChannelRow> rows_;
};

}  // namespace lm
