#include "windows/editors/dtmf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>

#include "core/settings_access.h"
#include "widgets/key_filter.h"
#include "widgets/translate.h"

namespace lm {

namespace {

constexpr int kAutodialRows = 8;

const Setting& DtmfSetting(std::string_view component) {
    return *FindSettingByComponent(SettingWindow::Dtmf, component);
}

// The cell editor of the autodial grid takes the DTMF characters only.
class AutodialDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* edit = qobject_cast<QLineEdit*>(editor))
            InstallKeyFilter(edit, CodeKeys(DtmfSetting("gvData.1")));
        return editor;
    }
};

}  // namespace

QString CodeKeys(const Setting& setting) {
    const QString characters = QString::fromLatin1(CodeCharacters(setting).data(),
                                                   static_cast<qsizetype>(CodeCharacters(setting).size()));
    return characters + characters.toLower();
}

TfDtmf::TfDtmf(TDocument& document, QWidget* parent)
    : SettingsWindow(SettingWindow::Dtmf, "fDtmf", {425, 429}, document, parent) {
    auto* pages = new QTabWidget(this);
    pages->setObjectName("cxDtmf");
    pages->setGeometry(8, 8, 409, 380);
    pages->addTab(EncodePage(), "Encode");
    pages->addTab(DecodePage(), "Decode");
    pages->addTab(AutodialPage(), "Autodial Memory");
    CloseButton(342, 396);
    for (const char* plain : {"cxFirstDelay", "cxFirstTime", "cxSpeed", "cxefTone"})
        SetTag(findChild<QComboBox*>(plain), kTagNoItems);
    PttIdEnabling();
}

QWidget* TfDtmf::EncodePage() {
    auto* page = new QWidget;
    page->setObjectName("cxEncode");
    QGroupBox* encode = Group("L0", "Encode", {8, 8, 389, 200}, page);
    Row("cxSpeed", encode, 12, 24);
    Row("cxFirstTime", encode, 12, 56);
    Row("cxFirstDelay", encode, 12, 88);
    Row("cxefTone", encode, 12, 120);
    Row("cxDCode", encode, 12, 152);
    // Under the selectors, where its caption has room in any font.
    Binder().Check("cxSideTone", "DTMF Side Tone", encode)->setGeometry(162, 176, 200, 20);
    QGroupBox* ptt = Group("L5", "PTT ID", {8, 216, 389, 124}, page);
    pttId_ = Row("cxPttID", ptt, 12, 24);
    connect(pttId_, &QComboBox::currentIndexChanged, this, &TfDtmf::PttIdEnabling);
    Label("L6", "Begin of Tx", ptt, 12, 56);
    begin_ = Code("cxEnt", ptt);
    begin_->setGeometry(162, 56, 160, 22);
    Label("L7", "End of Tx", ptt, 12, 88);
    end_ = Code("cxEnd", ptt);
    end_->setGeometry(162, 88, 160, 22);
    return page;
}

QWidget* TfDtmf::DecodePage() {
    auto* page = new QWidget;
    page->setObjectName("cxDnCode");
    QGroupBox* decode = Group("LD", "Decode", {8, 8, 389, 160}, page);
    Label("LE", "ID Code", decode, 12, 24);
    idCode_ = Code("cxIDCode", decode);
    idCode_->setGeometry(162, 24, 120, 22);
    idCode_->setText(QString::fromStdString(CompletedIdCode("")));
    connect(idCode_, &QLineEdit::editingFinished, this, &TfDtmf::CompleteIdCode);
    Row("cxGroup", decode, 12, 56);
    Row("cxReset_T", decode, 12, 88);
    Row("cxAck", decode, 12, 120);
    QGroupBox* stun = Group("L8", "Stun", {8, 176, 389, 96}, page);
    connect(Row("cxStunType", stun, 12, 24), &QComboBox::currentIndexChanged, this, &TfDtmf::PttIdEnabling);
    Label("LA", "Stun Code", stun, 12, 56);
    Code("cxStunCode", stun)->setGeometry(162, 56, 120, 22);
    return page;
}

QWidget* TfDtmf::AutodialPage() {
    auto* page = new QWidget;
    page->setObjectName("cxAuto");
    grid_ = new QTableWidget(kAutodialRows, 1, page);
    grid_->setObjectName("gvData");
    grid_->setGeometry(8, 8, 262, 204);
    grid_->setHorizontalHeaderLabels({"Autodial Memory"});
    grid_->setColumnWidth(0, 200);
    grid_->verticalHeader()->setFixedWidth(40);
    grid_->verticalHeader()->setDefaultSectionSize(22);
    grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
    grid_->setItemDelegate(new AutodialDelegate(grid_));
    for (int row = 0; row < kAutodialRows; ++row) {
        grid_->setVerticalHeaderItem(row, new QTableWidgetItem(QString::number(row + 1)));
        grid_->setItem(row, 0, new QTableWidgetItem);
        const std::string component = "gvData." + std::to_string(row + 1);
        Binder().Text(
            FindSettingByComponent(SettingWindow::Dtmf, component)->component.data(),
            [this, row] { return grid_->item(row, 0)->text(); },
            [this, row](const QString& t) { grid_->item(row, 0)->setText(t); });
    }
    connect(grid_, &QTableWidget::itemChanged, this, &TfDtmf::CellChanged);
    connect(grid_, &QTableWidget::cellPressed, this,
            [this](int row, int column) { grid_->editItem(grid_->item(row, column)); });
    return page;
}

QLineEdit* TfDtmf::Code(const char* component, QWidget* parent) {
    const Setting& setting = DtmfSetting(component);
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(component);
    edit->setMaxLength(setting.maxDigits);
    edit->setContextMenuPolicy(Qt::PreventContextMenu);
    InstallKeyFilter(edit, CodeKeys(setting));
    connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
        if (text == text.toUpper()) return;
        const int cursor = edit->cursorPosition();
        edit->setText(text.toUpper());
        edit->setCursorPosition(cursor);
    });
    connect(edit, &QLineEdit::textChanged, &Binder(), &SettingsBinder::Store);
    Binder().Text(
        component, [edit] { return edit->text(); }, [edit](const QString& t) { edit->setText(t); });
    return edit;
}

void TfDtmf::PttIdEnabling() {
    const int ptt = pttId_->currentIndex();
    begin_->setEnabled(ptt != 1);
    end_->setEnabled(ptt != 0);
}

void TfDtmf::CompleteIdCode() {
    const QString completed = QString::fromStdString(CompletedIdCode(idCode_->text().toStdString()));
    if (completed != idCode_->text()) idCode_->setText(completed);
}

void TfDtmf::CellChanged(QTableWidgetItem* item) {
    const QString kept = item->text().left(DtmfSetting("gvData.1").maxDigits).toUpper();
    if (kept != item->text()) {
        item->setText(kept);  // comes back here with the kept text
        return;
    }
    Binder().Store();
}

QWidget* CreateDtmfWindow(TDocument& document) {
    auto* window = new TfDtmf(document);
    window->Load();
    return window;
}

}  // namespace lm
