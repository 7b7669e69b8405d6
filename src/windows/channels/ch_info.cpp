#include "windows/channels/ch_info.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <algorithm>

#include "core/channel_table.h"
#include "globals/globals.h"
#include "widgets/child_frame.h"
#include "widgets/translate.h"
#include "windows/channels/channel_grid.h"
#include "windows/channels/channel_model.h"
#include "windows/channels/grid_commands.h"
#include "windows/channels/option_delegate.h"
#include "windows/channels/tone_option.h"

namespace lm {

namespace {

constexpr int kTitleRowHeight = 35;
constexpr int kRowHeight = 20;
constexpr int kWidthMargin = 50;
constexpr int kRowsHeight = 30;  // the window is at most this much per channel high
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

TfChInfo::TfChInfo(QWidget* parent) : QWidget(parent) {
    setObjectName("fChInfo");
    setWindowTitle("Channel Information");
    setAttribute(Qt::WA_DeleteOnClose);
    MarkAsForm(this);
    ChildFrame::Install(this);
    resize(kWidthMargin, kDesignHeight);

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

    model_ = new ChannelTableModel([this](const std::string& box) { return BoxItems(box); },
                                   [this](int n) { return EditTargets(n); }, this);
    gvData = new ChannelGrid(this);
    gvData->setObjectName("gvData");
    SetTag(gvData, kTagNoItems);
    gvData->setModel(model_);
    auto* delegate = new OptionDelegate([this](const std::string& box) { return BoxItems(box); }, gvData);
    gvData->setItemDelegate(delegate);
    gvData->setSelectionMode(QAbstractItemView::ExtendedSelection);
    gvData->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed |
                            QAbstractItemView::SelectedClicked);
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
    commands_ = new GridCommands(gvData, lDelete);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(gvData);

    // A click lays the cell's editor over it at once: the option box, or the frequency's text editor.
    connect(gvData, &QAbstractItemView::clicked, gvData,
            [this](const QModelIndex& index) { gvData->edit(index); });
    connect(gvData->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { CurrentCellChanged(current); });
    connect(delegate, &OptionDelegate::toneDoubleClicked, this,
            [this](const QModelIndex& index) { PickTone(index.row(), index.column()); });
    listener_ = gDocument.AddListener([this](const DocumentEvent&) { RefreshAll(); });
}

TfChInfo::~TfChInfo() { gDocument.RemoveListener(listener_); }

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
        width += columns.back().width;
    }
    model_->SetColumns(columns);
    gvData->SetCornerTitle(columns.front().title);
    gvData->verticalHeader()->setFixedWidth(columns.front().width);
    for (int c = 0; c + 1 < static_cast<int>(columns.size()); ++c)
        gvData->setColumnWidth(c, model_->Column(c).width);
    const int height = std::min(kDesignHeight, kRowsHeight * gAll.ChannelCount);
    designSize_ = QSize(width + kWidthMargin, height);
    resize(designSize_);
    updateGeometry();
    // Shown in the main window: its frame takes the new size as well.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) frame->adjustSize();
}

void TfChInfo::RefreshRow(int row) { model_->RefreshChannel(row - 1); }

void TfChInfo::RefreshAll() { model_->RefreshAll(); }

void TfChInfo::LeaveEditing() { gvData->LeaveEditing(); }

std::vector<int> TfChInfo::EditTargets(int n) const {
    const std::vector<int> selected = GridCommands::SelectedChannels(gvData);
    if (selected.size() > 1 && std::find(selected.begin(), selected.end(), n) != selected.end())
        return selected;
    return {n};
}

void TfChInfo::CurrentCellChanged(const QModelIndex& current) {
    if (!current.isValid() || current.row() + 1 == gAll.CurrentChannel) return;
    gAll.CurrentChannel = current.row() + 1;
    if (EditorHost* host = TheEditorHost()) host->ShowCurrentChannel(2);
}

void TfChInfo::PickTone(int row, int column) {
    gvData->LeaveEditing();  // the box over the cell goes first, so that it cannot store its text afterwards
    std::string tone = model_->data(model_->index(row, column), Qt::DisplayRole).toString().toStdString();
    // A picked tone is stored at once, as if typed; the picker closed without a tone changes nothing.
    if (!RunToneOption(this, tone) || tone.empty()) return;
    model_->setData(model_->index(row, column), QString::fromStdString(tone), Qt::EditRole);
}

QWidget* CreateChannelInfoWindow() {
    auto* window = new TfChInfo;
    window->FormShow();
    return window;
}

}  // namespace lm
