// The channel edit window: its controls, and showing a channel in them.
#include "windows/channels/info_edit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTabWidget>

#include "core/channel_table.h"
#include "core/tones.h"
#include "widgets/child_frame.h"
#include "widgets/fit_contents.h"
#include "widgets/key_filter.h"
#include "widgets/teardown.h"
#include "widgets/translate.h"
#include "widgets/typed_choice.h"
#include "windows/channels/channel_spin.h"

namespace lm {

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* Label(const char* name, const char* caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

int IndexOf(const std::string& text) {
    bool number = false;
    const int index = Q(text).toInt(&number);
    return number ? index : 0;
}

const std::vector<std::string>& ItemsOf(int field) {
    return ChannelColumns()[static_cast<std::size_t>(ColumnOfField(field))].items;
}

// The tone a tone box shows: "" for item 0 and for an empty text.
std::string ToneOf(const QComboBox* box) {
    const QString text = box->currentText().trimmed();
    return text.isEmpty() || text == box->itemText(0) ? std::string() : text.toStdString();
}

void ShowTone(QComboBox* box, const std::string& tone) {
    const int index = tone.empty() ? 0 : box->findText(Q(tone));
    box->setCurrentIndex(index);
    box->setEditText(index >= 0 ? box->itemText(index) : Q(tone));
}

}  // namespace

TfInfoEdit::TfInfoEdit(TDocument& document, QWidget* parent) : QWidget(parent), document_(document) {
    setObjectName("fInfoEdit");
    setWindowTitle("Channel Edit");
    setAttribute(Qt::WA_DeleteOnClose);
    MarkAsForm(this);
    setFixedSize(436, 318);
    ChildFrame::Install(this);
    BuildControls();
    // The window shows its channel again when a step changed it, or when another channel became current.
    listener_ = document_.AddListener([this](const DocumentEvent& event) {
        if (loading_) return;
        if (event.kind == DocumentEventKind::Moved || event.Touches(document_.CurrentChannel()))
            LoadChannel();
    });
}

TfInfoEdit::~TfInfoEdit() {
    DisconnectChildren(this);
    document_.RemoveListener(listener_);
}

void TfInfoEdit::BuildControls() {
    Label("lbChannelNo", "Channel No.", this)->setGeometry(12, 12, 90, 22);
    sexd = new ChannelSpin(this);
    sexd->setObjectName("sexd");
    sexd->setGeometry(104, 12, 72, 22);
    connect(sexd, &QSpinBox::valueChanged, this, &TfInfoEdit::sexdChange);

    pcInfo = new QTabWidget(this);
    pcInfo->setObjectName("pcInfo");
    pcInfo->setGeometry(8, 44, 420, 226);
    auto* page = new QWidget;
    page->setObjectName("tsInformation");
    pcInfo->addTab(page, "Information");
    auto* grid = new QGridLayout(page);
    grid->setHorizontalSpacing(8);

    cxRx_Freq = new QLineEdit(page);
    cxRx_Freq->setObjectName("cxRx_Freq");
    cxTx_Freq = new QLineEdit(page);
    cxTx_Freq->setObjectName("cxTx_Freq");
    for (QLineEdit* edit : {cxRx_Freq, cxTx_Freq})
        InstallNumberKeyFilter(edit, QString::fromLatin1(kFrequencyKeys));
    connect(cxRx_Freq, &QLineEdit::editingFinished, this, &TfInfoEdit::eReceiveValueChanged);
    connect(cxTx_Freq, &QLineEdit::editingFinished, this, &TfInfoEdit::eSendValueChanged);
    cxRxDcts = ToneBox("cxRxDcts");
    cxTxDcts = ToneBox("cxTxDcts");
    cxWn = ListBox("cxWn", ItemsOf(cfBandwidth));
    cxPower = ListBox("cxPower", ItemsOf(cfPower));
    cxRevTx = ListBox("cxRevTx", {});
    cxCts = ListBox("cxCts", EpilogueItems("67.0"));
    cxDcs = ListBox("cxDcs", EpilogueItems(""));
    cxCts->hide();
    cxDcs->hide();
    for (const auto& [box, field] :
         {std::pair{cxWn, cfBandwidth}, std::pair{cxPower, cfPower}, std::pair{cxRevTx, cfEpilogue}}) {
        connect(box, &QComboBox::activated, this, [this, f = field] { SaveChannel(f, ControlTexts()); });
        connect(TypedChoice::Install(box), &TypedChoice::chosen, this,
                [this, f = field] { SaveChannel(f, ControlTexts()); });
    }

    const std::pair<QWidget*, QLabel*> left[] = {
        {cxRx_Freq, Label("lbRx_Freq", "RX Frequency[MHz]", page)},
        {cxRxDcts, Label("lbRxDcts", "QT/DQT Deconde", page)},
        {cxPower, Label("lbPower", "TX Power", page)},
        {cxRevTx, Label("lbRevTx", "Epilogue", page)},
    };
    const std::pair<QWidget*, QLabel*> right[] = {
        {cxTx_Freq, Label("lbTx_Freq", "TX Frequency[MHz]", page)},
        {cxTxDcts, Label("lbTxDcts", "QT/DQT Encode", page)},
        {cxWn, Label("lbWn", "Wide/Narrow", page)},
    };
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(left[row].second, row, 0);
        grid->addWidget(left[row].first, row, 1);
        if (row < 3) {
            grid->addWidget(right[row].second, row, 2);
            grid->addWidget(right[row].first, row, 3);
        }
    }

    const struct {
        const char* name;
        const char* caption;
        int field;
        int row;
        int column;
    } checks[] = {{"cxScan", "Scan Add", cfScanAdd, 4, 0},
                  {"cxBclo", "Busy Lock", cfBusyLock, 5, 0},
                  {"cxOver_Tone", "Over Tone", cfOverTone, 6, 0},
                  {"cxComp", "Compander", cfCompander, 4, 2},
                  {"cxScrm", "Scrambler", cfScrambler, 5, 2}};
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        auto* box = new QCheckBox(checks[i].caption, page);
        box->setObjectName(checks[i].name);
        grid->addWidget(box, checks[i].row, checks[i].column, 1, 2);
        checks_[i] = {box, checks[i].field};
        connect(box, &QCheckBox::clicked, this,
                [this, f = checks[i].field] { SaveChannel(f, ControlTexts()); });
    }

    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");
    btnClose->setGeometry(353, 282, 75, 25);
    connect(btnClose, &QPushButton::clicked, this, &TfInfoEdit::btnCloseClick);

    // Tab and Enter go through the fields row by row.
    const std::vector<QWidget*> order{sexd,
                                      cxRx_Freq,
                                      cxTx_Freq,
                                      cxRxDcts,
                                      cxTxDcts,
                                      cxPower,
                                      cxWn,
                                      cxRevTx,
                                      checks_[0].first,
                                      checks_[3].first,
                                      checks_[1].first,
                                      checks_[4].first,
                                      checks_[2].first,
                                      btnClose};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
    for (QWidget* field : order) field->installEventFilter(this);
    for (QComboBox* tone : {cxRxDcts, cxTxDcts}) tone->lineEdit()->installEventFilter(this);
}

QComboBox* TfInfoEdit::ToneBox(const char* name) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMaxVisibleItems(kListLength);
    for (const std::string& item : ToneBoxItems()) box->addItem(Q(item));
    SetTag(box, kTagFirstItemOnly);
    InstallNumberKeyFilter(box->lineEdit(), QString::fromLatin1(kToneKeys));
    box->lineEdit()->installEventFilter(this);
    const int field = std::string_view(name) == "cxRxDcts" ? cfRxTone : cfTxTone;
    connect(box, &QComboBox::activated, this, [this, box, field] { cxDctsExit(box, field); });
    connect(box->lineEdit(), &QLineEdit::editingFinished, this,
            [this, box, field] { cxDctsExit(box, field); });
    return box;
}

QComboBox* TfInfoEdit::ListBox(const char* name, const std::vector<std::string>& items) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setMaxVisibleItems(kListLength);
    for (const std::string& item : items) box->addItem(Q(item));
    return box;
}

void TfInfoEdit::FormShow() {
    loading_ = true;
    TranslateOnOpen(this, true);
    sexd->setMaximum(document_.State().ChannelCount);
    loading_ = false;
    LoadChannel();
}

void TfInfoEdit::LoadChannel() {
    const bool wasLoading = std::exchange(loading_, true);
    sexd->setValue(document_.CurrentChannel());
    const ChannelTexts texts = LoadChannelTexts(document_.State(), document_.CurrentChannel());
    if (!texts[cfRxFreq].empty()) {
        EnableFields(true);
        ShowTexts(texts);
    } else {
        cxRx_Freq->clear();
        EnableFields(false);
        ClearFields();
    }
    loading_ = wasLoading;
}

ChannelTexts TfInfoEdit::ControlTexts() const {
    ChannelTexts texts;
    texts[cfRxFreq] = cxRx_Freq->text().trimmed().toStdString();
    texts[cfTxFreq] = cxTx_Freq->text().trimmed().toStdString();
    texts[cfRxTone] = ToneOf(cxRxDcts);
    texts[cfTxTone] = ToneOf(cxTxDcts);
    texts[cfBandwidth] = std::to_string(cxWn->currentIndex());
    texts[cfPower] = std::to_string(cxPower->currentIndex());
    texts[cfEpilogue] = std::to_string(cxRevTx->currentIndex());
    for (const auto& [box, field] : checks_)
        texts[static_cast<std::size_t>(field)].assign(1, box->isChecked() ? '0' : '1');
    return texts;
}

void TfInfoEdit::ShowTexts(const ChannelTexts& texts) {
    cxRx_Freq->setText(Q(texts[cfRxFreq]));
    ShowTone(cxRxDcts, texts[cfRxTone]);
    ShowTone(cxTxDcts, texts[cfTxTone]);
    RebuildEpilogueList();
    const bool hadGuard = std::exchange(txGuard_, true);
    cxTx_Freq->setText(Q(texts[cfTxFreq]));
    txGuard_ = hadGuard;
    cxTxDcts->setEnabled(cxTx_Freq->isEnabled() && !texts[cfTxFreq].empty());
    cxWn->setCurrentIndex(IndexOf(texts[cfBandwidth]));
    cxPower->setCurrentIndex(IndexOf(texts[cfPower]));
    for (const auto& [box, field] : checks_) box->setChecked(texts[static_cast<std::size_t>(field)] == "0");
    keptEpilogue_ = IndexOf(texts[cfEpilogue]);
    SelectEpilogue();
}

// The controls of an empty channel; the power shows High, the power a channel started here takes.
void TfInfoEdit::ClearFields() { ShowTexts(NewChannelTexts("")); }

void TfInfoEdit::EnableFields(bool on) {
    for (QWidget* w : std::initializer_list<QWidget*>{cxTx_Freq, cxRxDcts, cxTxDcts, cxWn, cxPower, cxRevTx})
        w->setEnabled(on);
    for (const auto& check : checks_) check.first->setEnabled(on);
}

void TfInfoEdit::RebuildEpilogueList() {
    const QComboBox* source = IsCtcssTone(ToneOf(cxTxDcts)) ? cxCts : cxDcs;
    cxRevTx->clear();
    for (int i = 0; i < source->count(); ++i) cxRevTx->addItem(source->itemText(i));
}

void TfInfoEdit::SelectEpilogue() {
    keptEpilogue_ = EpilogueShown(keptEpilogue_, ToneOf(cxTxDcts));
    cxRevTx->setCurrentIndex(keptEpilogue_);
}

void TfInfoEdit::btnCloseClick() {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

QWidget* CreateChannelEditWindow(TDocument& document) {
    auto* window = new TfInfoEdit(document);
    window->FormShow();
    return window;
}

}  // namespace lm
