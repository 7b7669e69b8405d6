#pragma once
// The ports of the Production window as a table: one row per port with its check box, what the system says
// of it, and how its radio goes: progress, step, area code, ID number, result and seconds. A failed radio's
// row is marked.
#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace lm {

struct PortRow {
    enum class State { Idle, Busy, Done, Failed };
    std::string port;
    std::string description;
    bool checked = false;
    State state = State::Idle;
    int position = 0;
    int max = 0;
    std::string step;
    std::string area;
    std::string id;
    std::string result;
    std::int64_t ms = -1;  // -1: no time to show

    // Forgets how its last radio went (the port, its description and its box stay).
    void Clear() {
        PortRow fresh;
        fresh.port = port;
        fresh.description = description;
        fresh.checked = checked;
        *this = fresh;
    }
};

class ProductionTable : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { kPort, kDescription, kProgress, kStep, kArea, kId, kResult, kSeconds, kColumns };

    explicit ProductionTable(QObject* parent = nullptr);

    void SetRows(std::vector<PortRow> rows);
    const std::vector<PortRow>& Rows() const { return rows_; }
    // The ports whose box is checked, in the table's order.
    std::vector<std::string> CheckedPorts() const;
    // Changes the row of port (none: nothing) and shows it.
    void Change(const std::string& port, const std::function<void(PortRow&)>& change);
    // While radios are written the boxes stay as they are.
    void SetLocked(bool locked) { locked_ = locked; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value, int role) override;

private:
    std::vector<PortRow> rows_;
    std::vector<QString> headings_;
    bool locked_ = false;
};

// Paints the progress column as a bar.
class ProgressDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

}  // namespace lm
