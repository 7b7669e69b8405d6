#include "shell/main_frm.h"

#include <QAction>
#include <QComboBox>
#include <QDate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <vector>

#include "core/models.h"
#include "core/state.h"
#include "port/port_access.h"
#include "settings/ini_file.h"
#include "shell/child_windows.h"
#include "shell/command_table.h"
#include "shell/dialog_commands.h"
#include "shell/editor_frame.h"
#include "shell/port_check.h"
#include "widgets/artwork.h"
#include "widgets/editor_hooks.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"
#include "windows/link/transfer_dialog.h"

namespace lm {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TfMainFrm::TfMainFrm(ProgramParts parts, std::string settingsPath, QWidget* parent)
    : QMainWindow(parent), parts_(parts), settingsPath_(std::move(settingsPath)) {
    UseWindowLanguage(parts_.preferences, parts_.messages);
    setObjectName("fMainFrm");
    setWindowTitle(Q(ProductCatalogue().ProductTitle));
    setWindowIcon(ApplicationIcon());
    BuildMenus();
    BuildToolBar();
    BuildLeftPanel();

    mdi_ = new QMdiArea(this);
    mdi_->setObjectName("ClientArea");
    // 1. The background pattern "PIC", used as a tiled brush.
    mdi_->setBackground(QBrush(BackgroundPicture()));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName("Splitter1");
    splitter->addWidget(leftPanel_);
    splitter->addWidget(mdi_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({185, 1000});
    setCentralWidget(splitter);

    BuildStatusBar();
    clock_ = new QTimer(this);
    clock_->setObjectName("Timer");
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &TfMainFrm::TimerTimer);
    clock_->start();
    resize(1024, 720);
}

TfMainFrm::~TfMainFrm() {
    if (documentListener_ != 0) Document().RemoveListener(documentListener_);
}

void TfMainFrm::BuildMenus() {
    std::vector<QMenu*> menus;
    for (const MenuDef& def : Menus()) {
        auto* menu = new QMenu(QString::fromUtf8(def.caption), this);
        menu->setObjectName(def.name);
        menu->menuAction()->setToolTip(QString::fromUtf8(def.caption).remove('&'));
        menuBar()->addMenu(menu);
        menu->menuAction()->setVisible(!def.hidden);
        menus.push_back(menu);
    }
    for (const MenuItemDef& def : MenuItems()) {
        QMenu* menu = menus[static_cast<std::size_t>(def.menu)];
        auto* action = new QAction(this);
        action->setObjectName(def.name);
        if (def.separator) {
            action->setSeparator(true);
        } else {
            action->setText(QString::fromUtf8(def.caption));
            action->setToolTip(QString::fromUtf8(def.caption).remove('&').remove("..."));
            SetTag(action, def.tag);
            if (*def.shortcut != '\0') action->setShortcut(QKeySequence(QString::fromLatin1(def.shortcut)));
            if (def.checked) {
                action->setCheckable(true);
                action->setChecked(true);
            }
            menuActions_[def.tag] = action;
        }
        action->setVisible(!def.hidden);
        menu->addAction(action);
        if (def.separator) continue;
        switch (def.tag) {
            case cmd::kExit:
                connect(action, &QAction::triggered, this, &QWidget::close);
                break;
            case cmd::kTreeView:
                connect(action, &QAction::triggered, this, &TfMainFrm::ToggleTreeView);
                break;
            case cmd::kToolbar:
                toolbarItem_ = action;
                connect(action, &QAction::triggered, this, &TfMainFrm::ToggleToolbar);
                break;
            case cmd::kStatusBar:
                statusItem_ = action;
                connect(action, &QAction::triggered, this, &TfMainFrm::ToggleStatusBar);
                break;
            case cmd::kShowDtmf:
                action->setCheckable(true);
                connect(action, &QAction::toggled, this, &TfMainFrm::ShowDtmfFunction);
                break;
            default:
                connect(action, &QAction::triggered, this, &TfMainFrm::ButtonClick);
                break;
        }
    }
}

void TfMainFrm::BuildToolBar() {
    toolBar_ = addToolBar("ToolBar1");
    toolBar_->setObjectName("ToolBar1");
    toolBar_->setMovable(false);
    toolBar_->setFixedHeight(29);
    toolBar_->setIconSize(QSize(20, 20));
    for (const ToolButtonDef& def : ToolButtons()) {
        if (def.tag == 0) {
            toolBar_->addSeparator()->setObjectName(def.name);
            continue;
        }
        // A tool button is a component of its own with its own caption and hint.
        auto* action = new QAction(ImageListIcon(def.image), QString::fromUtf8(def.hint), this);
        action->setObjectName(def.name);
        action->setToolTip(QString::fromUtf8(def.hint));
        SetTag(action, def.tag);
        connect(action, &QAction::triggered, this, &TfMainFrm::ButtonClick);
        toolBar_->addAction(action);
        if (QWidget* button = toolBar_->widgetForAction(action)) button->setFixedWidth(25);
    }
    // The port label and list box beside the tool bar are not visible: the list box serves the port check at
    // start-up, the label's caption the status bar.
    portLabel_ = new QLabel("Port: ", this);
    portLabel_->setObjectName("lbCom");
    portLabel_->hide();
    cbCom_ = new QComboBox(this);
    cbCom_->setObjectName("cbCom");
    SetTag(cbCom_, kTagNoItems);
    cbCom_->hide();
    // The hidden label whose caption starts every channel node of the tree.
    channelLabel_ = new QLabel("No. - ", this);
    channelLabel_->setObjectName("lbChannel");
    channelLabel_->hide();
    // The titles of the file dialogs.
    for (const auto& [name, title] :
         {std::pair{"lbOpenTitle", "Open Data File"}, std::pair{"lbSaveTitle", "Save Data File As"}}) {
        auto* label = new QLabel(title, this);
        label->setObjectName(name);
        label->hide();
    }
}

void TfMainFrm::BuildLeftPanel() {
    leftPanel_ = new QWidget(this);
    leftPanel_->setObjectName("pnLeft");
    auto* layout = new QVBoxLayout(leftPanel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* header = new QWidget(leftPanel_);
    header->setObjectName("pnHeader");
    header->setFixedHeight(12);
    auto* headerLayout = new QHBoxLayout(header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->addStretch();
    auto* close = new QToolButton(header);
    close->setObjectName("btnClose");
    close->setText("X");
    close->setAutoRaise(true);
    close->setFixedSize(14, 12);
    QFont small = close->font();
    small.setPixelSize(9);
    close->setFont(small);
    headerLayout->addWidget(close);
    connect(close, &QToolButton::clicked, leftPanel_, &QWidget::hide);
    tree_ = new QTreeWidget(leftPanel_);
    tree_->setObjectName("cxTree");
    tree_->setHeaderHidden(true);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setExpandsOnDoubleClick(false);
    tree_->setIconSize(QSize(16, 16));
    connect(tree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* node) { cxTreeClick(node); });
    connect(tree_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* node) { cxTreeDblClick(node); });
    layout->addWidget(header);
    layout->addWidget(tree_);
    leftPanel_->setMinimumWidth(60);
    leftPanel_->resize(185, leftPanel_->height());
}

void TfMainFrm::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < kPanelCount; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QString("StatusPanel%1").arg(i));
        panels_[i]->setFixedWidth(kPanelWidths[i]);
        panels_[i]->setFrameShape(QFrame::StyledPanel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panels_[i]);
    }
}

QMenu* TfMainFrm::createPopupMenu() {
    // No context menu over the tool bar: the tool bar is shown exactly while View > Toolbar carries its mark.
    return nullptr;
}

void TfMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!started_) Startup();
}

void TfMainFrm::Startup() {
    if (started_) return;
    started_ = true;
    // 2. Test Online stays hidden (nothing makes hidden items visible).
    // 3., 4. and 6. The default model, a new image and the band limits of the current band.
    StartSession(Radio());
    // 5. The port check.
    SettlePort();
    // 7. to 12.
    currentFileName_.clear();
    Document().MarkReplaced();
    ConnectDocument();
    if (Prefs().LanguageId > 0) {
        ResetUndoCaptions();
        TranslateForm(this, Prefs().LanguageName, true);
        KeepUndoCaptions();
    }
    {
        // The DTMF function is shown as the settings file says (not shown unless it says so).
        const QSignalBlocker quiet(MenuAction(cmd::kShowDtmf));
        MenuAction(cmd::kShowDtmf)->setChecked(IniRead(settingsPath_, "SysInfo", kShowDtmfKey, "0") == "1");
        MenuAction(cmd::kDtmf)->setVisible(MenuAction(cmd::kShowDtmf)->isChecked());
    }
    RebuildTree();
    UpdateStatusAndCaption();
    ShowChildWindow(cmd::kChannelInfo);
    Radio().Modified = false;
    tree_->expandAll();
    if (tree_->topLevelItemCount() > 0) tree_->setCurrentItem(tree_->topLevelItem(0));
}

void TfMainFrm::SettlePort() {
    std::vector<std::string> present;
    EnumeratePorts(present);
    cbCom_->clear();
    for (const std::string& name : present) cbCom_->addItem(Q(name));
    Prefs().PortName = SettlePortName(Prefs().PortName, present);
    cbCom_->setCurrentIndex(cbCom_->findText(Q(Prefs().PortName)));
}

void TfMainFrm::ButtonClick() {
    if (auto* action = qobject_cast<QAction*>(sender())) DispatchCommand(TagOf(action));
}

void TfMainFrm::DispatchCommand(int tag) {
    if (auto* grid = dynamic_cast<EditorHooks*>(ChildWindow(cmd::kChannelInfo))) grid->LeaveEditing();
    if (IsChildWindowTag(tag)) {
        ShowChildWindow(tag);
        return;
    }
    switch (tag) {
        case cmd::kNew:
            FileNew();
            break;
        case cmd::kOpen:
            FileOpen();
            break;
        case cmd::kSave:
            FileSave();
            break;
        case cmd::kSaveAs:
            FileSaveAs();
            break;
        case cmd::kExit:
            close();
            break;
        case cmd::kEmbeddedMessage:
            EmbeddedMessageCommand();
            break;
        case cmd::kRead:
            ReadCommand();
            break;
        case cmd::kWrite:
            WriteCommand();
            break;
        case cmd::kModel:
            ModelCommand();
            break;
        case cmd::kPort:
            PortCommand();
            break;
        case cmd::kLanguage:
            LanguageChange();
            break;
        case cmd::kTreeView:
            ToggleTreeView();
            break;
        case cmd::kToolbar:
            toolbarItem_->toggle();
            ToggleToolbar();
            break;
        case cmd::kStatusBar:
            statusItem_->toggle();
            ToggleStatusBar();
            break;
        case cmd::kShowDtmf:
            MenuAction(cmd::kShowDtmf)->toggle();
            break;
        case cmd::kCascade:
            mdi_->cascadeSubWindows();
            break;
        case cmd::kTileHorizontal:
            TileChildren(true);
            break;
        case cmd::kTileVertical:
            TileChildren(false);
            break;
        case cmd::kArrangeIcons:
            ArrangeIcons();
            break;
        case cmd::kCloseAll:
            CloseAllWindows();
            break;
        case cmd::kUndo:
            UndoCommand();
            break;
        case cmd::kRedo:
            RedoCommand();
            break;
        case cmd::kHelp:
            HelpCommand();
            break;
        case cmd::kAbout:
            AboutCommand();
            break;
        case cmd::kPrint:
        case cmd::kPrintPreview:
        case cmd::kImportChannels:
        case cmd::kExportChannels:
        case cmd::kCompareWithFile:
        case cmd::kCompareWithRadio:
        case cmd::kProduction:
        case cmd::kCableCheck:
            RunDialogCommand(tag, *this);
            break;
        default:
            break;  // Change Password, Pass Word, Test Online: accepted, no effect
    }
}

QAction* TfMainFrm::MenuAction(int tag) const {
    const auto it = menuActions_.find(tag);
    return it == menuActions_.end() ? nullptr : it->second;
}

std::string TfMainFrm::HiddenText(const char* name) const {
    const auto* label = findChild<QLabel*>(name, Qt::FindDirectChildrenOnly);
    return label != nullptr ? label->text().toStdString() : std::string();
}

QString TfMainFrm::MenuHint(int tag) const {
    const QAction* action = MenuAction(tag);
    return action != nullptr ? action->toolTip() : QString();
}

void TfMainFrm::UpdateStatusAndCaption() {
    panels_[0]->clear();
    panels_[1]->setText(QDate::currentDate().toString("yyyy/MM/dd"));
    panels_[2]->setText(QTime::currentTime().toString("HH:mm:ss"));
    panels_[3]->setText(portLabel_->text() + Q(Prefs().PortName));
    panels_[4]->setText(Q(Radio().ModelTitle));
    panels_[5]->setText(Q(Radio().BandName));
    panels_[6]->setText("  " + Q(Radio().AreaText));
    QString caption = Q(ProductCatalogue().ProductTitle);
    if (!currentFileName_.empty()) caption += " [" + Q(currentFileName_) + "]";
    setWindowTitle(caption);
}

void TfMainFrm::TimerTimer() { panels_[2]->setText(QTime::currentTime().toString("HH:mm:ss")); }

QString TfMainFrm::PanelText(int panel) const {
    return panel >= 0 && panel < kPanelCount ? panels_[panel]->text() : QString();
}

TransferTarget TfMainFrm::Transfer() { return {Radio(), Session(), Prefs().PortName}; }

void TfMainFrm::ToggleTreeView() { leftPanel_->setVisible(!leftPanel_->isVisible()); }

void TfMainFrm::ToggleToolbar() { toolBar_->setVisible(toolbarItem_->isChecked()); }

void TfMainFrm::ToggleStatusBar() { statusBar()->setVisible(statusItem_->isChecked()); }

}  // namespace lm
