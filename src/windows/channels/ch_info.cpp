#include "windows/channels/ch_info.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "core/channel_table.h"
#include "widgets/child_frame.h"
#include "widgets/translate.h"
#include "windows/channels/channel_grid.h"
#include "windows/channels/channel_model.h"
#include "windows/channels/column_fit.h"
#include "windows/channels/grid_commands.h"
#include "windows/channels/option_delegate.h"
#include "windows/channels/tone_option.h"

namespace lm {

namespace {

constexpr int kTitleRowHeight = 35;
constexpr int kRowHeight = 20;
constexpr int kStartWidth = 50;
const QString kWidestFrequency = QStringLiteral("000.00000");
constexpr int kDesignHeight = 520;

// The items of the columns' boxes: every box once, with the items of the first column that names it; the
// epilogue's two lists are the boxes cxCts (its column's items) and cxDcs (the over tone's).
std::vector<std::pair<std::string, std::vector<std::string>>> ColumnBoxes() {
    std::vector<std::pair<std::string, std::vector<std::string>>> boxes;
    for (const ChannelColumn& c : ChannelColumns()) {
        if (c.box.empty()) continue;
        bool known = false;
        for (const auto& b : boxes) known = known || b.first == c.box;
        if (!known) boxes.emplace_back(c.box, c.items);
    }
    return boxes;
}

}  // namespace

TfChInfo::TfChInfo(TDocument& document, QWidget* parent) : QWidget(parent), document_(document) {
    setObjectName("fChInfo");
    setWindowTitle("Channel Information");
    setAttribute(Qt::WA_DeleteOnClose);
    MarkAsForm(this);
    ChildFrame::Install(this);
    resize(kStartWidth, kDesignHeight);

    BColText = new QListWidget(this);
    BColText->setObjectName("BColText");
    BColText->addItems(DefaultColumnEntries());
    BColText->hide();
    lNone = new QLabel(this);
    lNone->setObjectName("lNone");
    lNone->hide();
    lDelete = new QLabel("Delete the selected channels?", this);
    lDelete->setObjectName("lDelete");
    lDelete->hide();
    // The option boxes hold the items the cells show and the in-cell boxes offer, in the window's language;
    // of the tone boxes only the none text is translated.
    for (const auto& [box, items] : ColumnBoxes()) {
        const bool tone = box == "cxRxDcts" || box == "cxTxDcts";
        AddBox(box.c_str(), items, tone ? kTagFirstItemOnly : 0);
    }

    model_ = new ChannelTableModel(
        document_, [this](const std::string& box) { return BoxItems(box); },
        [this](int n) { return EditTargets(n); }, this);
    gvData = new ChannelGrid(this);
    gvData->setObjectName("gvData");
    SetTag(gvData, kTagNoItems);
    gvData->setModel(model_);
    auto* delegate = new OptionDelegate([this](const std::string& box) { return BoxItems(box); }, gvData);
    gvData->setItemDelegate(delegate);
    gvData->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // A click opens the cell's editor itself (below), so a click on the current cell does not open it twice.
    gvData->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    gvData->setTabKeyNavigation(true);
    gvData->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gvData->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gvData->verticalHeader()->setDefaultSectionSize(kRowHeight);
    gvData->horizontalHeader()->setFixedHeight(kTitleRowHeight);
    // Titles wider than their column go on a second line of the title row, not cut off; the current column's
    // title is not set in bold, which would widen it.
    gvData->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter) |
                                                    Qt::Alignment(Qt::TextWordWrap));
    gvData->horizontalHeader()->setHighlightSections(false);
    commands_ = new GridCommands(document_, gvData, lDelete);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData);

    // A click lays the cell's editor over it at once: the option box, or the frequency's text editor.
    connect(gvData, &QAbstractItemView::clicked, gvData, &ChannelGrid::EditCell);
    connect(gvData->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { CurrentCellChanged(current); });
    connect(delegate, &OptionDelegate::movedOn, gvData, &ChannelGrid::MoveOn);
    connect(delegate, &OptionDelegate::toneDoubleClicked, this,
            [this](const QModelIndex& index) { PickTone(index.row(), index.column()); });
    // Only the rows of the channels a step changed are decoded again.
    listener_ = document_.AddListener([this](const DocumentEvent& event) {
        if (event.kind == DocumentEventKind::Replaced) RefreshAll();
        for (int n : event.change.channels) model_->RefreshChannel(n);
    });
}

TfChInfo::~TfChInfo() { document_.RemoveListener(listener_); }

QComboBox* TfChInfo::AddBox(const char* name, const std::vector<std::string>& items, int tag) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    for (const std::string& item : items) box->addItem(QString::fromStdString(item));
    SetTag(box, tag);
    box->hide();
    boxes_[name] = box;
    return box;
}

QStringList TfChInfo::BoxItems(const std::string& box) const {
    QStringList items;
    const auto it = boxes_.find(box);
    if (it == boxes_.end()) return items;
    for (int i = 0; i < it->second->count(); ++i) items << it->second->itemText(i);
    return items;
}

void TfChInfo::FormShow() {
    TranslateOnOpen(this, true);
    lNone->setText(boxes_.at("cxRxDcts")->itemText(0));
    BuildGrid();
    RefreshAll();
    gvData->setCurrentIndex(model_->index(0, 0));
}

void TfChInfo::BuildGrid() {
    std::vector<ColumnTitle> columns;
    int width = 0;
    const std::vector<ChannelColumn>& design = ChannelColumns();
    for (int i = 0; i < static_cast<int>(design.size()); ++i) {
        const ColumnTitle fallback = ColumnTitleOf(design[static_cast<std::size_t>(i)]);
        columns.push_back(i < BColText->count() ? ParseColumnEntry(BColText->item(i)->text(), fallback)
                                                : fallback);
        // The entry's width is the least: the column widens to its texts in the window's language.
        if (i > 0) {
            const auto box = boxes_.find(design[static_cast<std::size_t>(i)].box);
            columns.back().width =
                std::max(columns.back().width,
                         ColumnWidthNeeded(gvData, columns.back().title,
                                           box != boxes_.end() ? box->second : nullptr, kWidestFrequency));
        }
        width += columns.back().width;
    }
    model_->SetColumns(columns);
    gvData->SetCornerTitle(columns.front().title);
    gvData->verticalHeader()->setFixedWidth(columns.front().width);
    for (int c = 0; c + 1 < static_cast<int>(columns.size()); ++c)
        gvData->setColumnWidth(c, model_->Column(c).width);
    // The frame holds the columns, the title row and every channel's row, and no more; a scroll bar when the
    // rows are more than the window's height.
    const int border = 2 * gvData->frameWidth();
    const int rows = kTitleRowHeight + kRowHeight * document_.State().ChannelCount + border;
    const int scrollBar = rows > kDesignHeight ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    designSize_ = QSize(width + border + scrollBar, std::min(kDesignHeight, rows));
    resize(designSize_);
    updateGeometry();
    // Shown in the main window: its frame takes the new size as well.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

void TfChInfo::RefreshAll() { model_->RefreshAll(); }

void TfChInfo::LeaveEditing() { gvData->LeaveEditing(); }

std::vector<int> TfChInfo::EditTargets(int n) const {
    const std::vector<int> selected = GridCommands::SelectedChannels(gvData);
    if (selected.size() > 1 && std::find(selected.begin(), selected.end(), n) != selected.end())
        return selected;
    return {n};
}

void TfChInfo::CurrentCellChanged(const QModelIndex& current) {
    if (current.isValid()) document_.SetCurrentChannel(current.row() + 1);
}

void TfChInfo::PickTone(int row, int column) {
    gvData->LeaveEditing();  // the box over the cell goes first, so that it cannot store its text afterwards
    std::string tone = model_->data(model_->index(row, column), Qt::DisplayRole).toString().toStdString();
    // A picked tone is stored at once, as if typed; the picker closed without a tone changes nothing.
    if (!RunToneOption(this, tone) || tone.empty()) return;
    model_->setData(model_->index(row, column), QString::fromStdString(tone), Qt::EditRole);
}

QWidget* CreateChannelInfoWindow(TDocument& document) {
    auto* window = new TfChInfo(document);
    window->FormShow();
    return window;
}

}  // namespace lm
