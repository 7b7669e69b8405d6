#pragma once
// The rows of a channel file as the import window lists them: a check box per row, where the row goes (or
// why it is skipped), and the channel as the radio will store it. Rows that replace a channel in use are
// shown in bold.
#include <QAbstractTableModel>
#include <QStringList>
#include <set>

#include "core/channel_csv.h"

namespace lm {

class ImportRowsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kTake, kLine, kChannel, kRx, kTx, kDec, kEnc, kPower, kWidth, kScan, kNote, kColumns };

    explicit ImportRowsModel(QObject* parent = nullptr);

    // Shows a new preview (the left-out rows stay as they are).
    void SetPreview(ImportPreview preview);
    const ImportPreview& Preview() const { return preview_; }
    // The rows the user unchecked, counted from 1 after the header.
    std::vector<int> LeftOut() const { return {leftOut_.begin(), leftOut_.end()}; }
    void Toggle(int modelRow);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override;

signals:
    // The user checked or unchecked a row: the preview must be made again.
    void leftOutChanged();

private:
    ImportPreview preview_;
    std::set<int> leftOut_;
    QStringList titles_;
};

}  // namespace lm
