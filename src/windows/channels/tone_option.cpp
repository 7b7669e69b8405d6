#include "windows/channels/tone_option.h"

#include <QColor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <algorithm>
#include <vector>

#include "core/tones.h"
#include "widgets/translate.h"

namespace lm {

namespace {

// The hidden value of a row-1 cell that marks the value column of a group: only those cells can be picked.
constexpr int kMarkerRole = Qt::UserRole;
const QString kValueMarker = QStringLiteral("1");

constexpr int kRowHeight = 22;

struct ColumnLook {
    int width;
    QColor background;
};

// How one table is divided: groups of columns side by side, each listing rows entries from the top down.
struct TableLayout {
    const char* name;
    int groups;
    int rows;
    std::vector<ColumnLook> columns;  // of one group
    int valueColumn;                  // within the group
};

const QColor kIndexColour(249, 141, 227);
const QColor kCodeColour(225, 249, 112);
const QColor kNumberColour(47, 231, 220);

const TableLayout kCtcssTable{"gvCtcss", 5, 9, {{32, kIndexColour}, {43, Qt::white}, {32, kCodeColour}}, 1};
const TableLayout kDcsNTable{"gvDcsN", 8, 11, {{25, kNumberColour}, {43, Qt::white}}, 1};
const TableLayout kDcsITable{"gvDcsI", 8, 11, {{25, kNumberColour}, {43, Qt::white}}, 1};

// "01-67.0-XZ" gives "01", "67.0", "XZ"; "1-D023" gives "1", "D023", "D023"; an empty entry three empty
// parts.
std::array<QString, 3> SplitEntry(QString entry) {
    std::array<QString, 3> parts;
    if (entry.isEmpty()) return parts;
    qsizetype dash = entry.indexOf('-');
    parts[0] = entry.left(dash);
    entry.remove(0, dash + 1);
    dash = entry.indexOf('-');
    if (dash >= 0) {
        parts[1] = entry.left(dash);
        entry.remove(0, dash + 1);
    } else {
        parts[1] = entry;
    }
    parts[2] = entry;
    return parts;
}

QTableWidget* NewTable(const TableLayout& layout, QWidget* parent) {
    const int columns = layout.groups * static_cast<int>(layout.columns.size());
    auto* grid = new QTableWidget(layout.rows, columns, parent);
    grid->setObjectName(layout.name);
    SetTag(grid, kTagNoItems);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setContextMenuPolicy(Qt::NoContextMenu);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < columns; ++c) {
        const ColumnLook& look = layout.columns[static_cast<std::size_t>(c) % layout.columns.size()];
        grid->setColumnWidth(c, look.width);
        for (int r = 0; r < layout.rows; ++r) {
            auto* cell = new QTableWidgetItem;
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            cell->setBackground(look.background);
            cell->setForeground(Qt::black);
            cell->setTextAlignment(Qt::AlignCenter);
            grid->setItem(r, c, cell);
        }
    }
    return grid;
}

// Puts text into a cell; value cells are bold and carry the marker in row 1.
void SetCell(QTableWidget* grid, int row, int column, const QString& text, bool value) {
    QTableWidgetItem* cell = grid->item(row, column);
    cell->setText(text);
    if (!value) return;
    QFont font = cell->font();
    font.setBold(true);
    cell->setFont(font);
    grid->item(0, column)->setData(kMarkerRole, kValueMarker);
}

// Widens the columns whose texts do not fit; returns the width of all columns.
int FitColumns(QTableWidget* grid) {
    int total = 0;
    for (int c = 0; c < grid->columnCount(); ++c) {
        const int design = grid->columnWidth(c);
        grid->resizeColumnToContents(c);
        grid->setColumnWidth(c, std::max(design, grid->columnWidth(c)));
        total += grid->columnWidth(c);
    }
    return total;
}

}  // namespace

TfToneOption::TfToneOption(QWidget* parent) : QDialog(parent) {
    setObjectName("fToneOption");
    setWindowTitle("Channel Tone Option");

    gbSelect_ = new QGroupBox("Channel Voice Selection", this);
    gbSelect_->setObjectName("gbSelect");
    auto* selectRow = new QHBoxLayout(gbSelect_);
    const char* radioNames[] = {"rCTCSS", "rDCSN", "rDCSI"};
    const char* captions[] = {"CTCSS", "DCS-N", "DCS-I"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(captions[i], gbSelect_);
        radio->setObjectName(radioNames[i]);
        selectRow->addWidget(radio);
        radios_[static_cast<std::size_t>(i)] = radio;
        connect(radio, &QRadioButton::clicked, this, [this, i] { rCTCSSClick(i); });
    }
    radios_[0]->setChecked(true);

    lbSel_ = new QListWidget(this);
    lbSel_->setObjectName("lbSel");
    lbSel_->addItems({"CTCSS", "DCS-N", "DCS-I"});
    lbSel_->hide();
    lbValue_ = new QListWidget(this);
    lbValue_->setObjectName("lbValue");
    SetTag(lbValue_, kTagNoItems);
    for (const std::string& entry : TonePickerEntries()) lbValue_->addItem(QString::fromStdString(entry));
    lbValue_->hide();

    gbList_ = new QGroupBox(" Code List", this);
    gbList_->setObjectName("gbList");
    grids_ = {NewTable(kCtcssTable, gbList_), NewTable(kDcsNTable, gbList_), NewTable(kDcsITable, gbList_)};
    for (QTableWidget* grid : grids_) {
        grid->setGeometry(10, 22, 548, kRowHeight * 11 + 4);
        connect(grid, &QTableWidget::cellDoubleClicked, this,
                [this, grid](int row, int column) { gvDblClick(grid, row, column); });
    }
    BuildTables();
    // A column keeps its width unless its bold values need more ("123.0" in this font): the tables, frames
    // and the dialog then grow with it, so that no tone is cut off.
    int width = 548;
    for (QTableWidget* grid : grids_) width = std::max(width, FitColumns(grid) + 4);
    for (QTableWidget* grid : grids_) grid->setGeometry(10, 22, width, kRowHeight * 11 + 4);
    gbSelect_->setGeometry(8, 8, width + 20, 52);
    gbList_->setGeometry(8, 68, width + 20, kRowHeight * 11 + 36);
    setFixedSize(width + 36, gbList_->geometry().bottom() + 10);
}

void TfToneOption::BuildTables() {
    const auto entry = [this](int index) { return lbValue_->item(index)->text(); };
    for (QTableWidget* grid : grids_) grid->setUpdatesEnabled(false);

    for (int g = 0; g < kCtcssTable.groups; ++g) {
        for (int r = 0; r < kCtcssTable.rows; ++r) {
            const std::array<QString, 3> parts =
                SplitEntry(entry(kPickerCtcssFirst + kCtcssTable.rows * g + r));
            for (int part = 0; part < 3; ++part) SetCell(grids_[0], r, 3 * g + part, parts[part], part == 1);
        }
    }
    for (int g = 0; g < kDcsNTable.groups; ++g) {
        for (int r = 0; r < kDcsNTable.rows; ++r) {
            const std::array<QString, 3> parts = SplitEntry(entry(kPickerDcsFirst + kDcsNTable.rows * g + r));
            const bool present = !parts[1].isEmpty();
            for (const auto& [grid, suffix] : {std::pair{grids_[1], "N"}, std::pair{grids_[2], "I"}}) {
                SetCell(grid, r, 2 * g, parts[0], false);
                SetCell(grid, r, 2 * g + 1, present ? parts[1] + suffix : QString(), true);
            }
        }
    }
    for (QTableWidget* grid : grids_) grid->setUpdatesEnabled(true);
}

void TfToneOption::FormShow() {
    result_.clear();
    TranslateOnOpen(this, false);
    radios_[0]->setChecked(true);
    rCTCSSClick(0);
}

void TfToneOption::rCTCSSClick(int number) {
    gbList_->setEnabled(false);
    for (std::size_t i = 0; i < grids_.size(); ++i) grids_[i]->setVisible(radios_[i]->isChecked());
    if (number >= 0 && number < lbSel_->count()) gbList_->setTitle(lbSel_->item(number)->text());
    gbList_->setEnabled(true);
}

void TfToneOption::gvDblClick(const QTableWidget* grid, int row, int column) {
    const QTableWidgetItem* marker = grid->item(0, column);
    if (marker == nullptr || marker->data(kMarkerRole).toString() != kValueMarker) return;
    const QTableWidgetItem* cell = grid->item(row, column);
    result_ = cell != nullptr ? cell->text().toStdString() : std::string();
    accept();
}

bool RunToneOption(QWidget* parent, std::string& tone) {
    TfToneOption picker(parent);
    picker.FormShow();
    picker.exec();
    if (picker.Result().empty()) return false;
    tone = picker.Result();
    return true;
}

}  // namespace lm
