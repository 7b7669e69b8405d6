#include "link/ui/read_radio_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "core/state.h"
#include "core/ui/key_filter.h"
#include "link/ui/radio_link.h"
#include "link/ui/transfer_driver.h"
#include "shell/translate.h"

namespace lm {

TfReadRadio::TfReadRadio(QWidget* parent) : QDialog(parent) {
    setObjectName("fReadRadio");
    setWindowTitle("Read data From radio");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(341, 66);

    pBar = new QProgressBar(this);
    pBar->setObjectName("pBar");
    pBar->setGeometry(9, 10, 325, 18);
    pBar->setRange(0, link::kReadBlocks);
    pBar->setValue(0);
    pBar->setTextVisible(false);

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(169, 36, 75, 25);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(254, 35, 75, 25);

    // The password row lies just below the client area: not visible, but reached with the Tab key.
    Label1 = new QLabel("Pass Word:", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(9, 68, 80, 21);
    cxPass = new QLineEdit(this);
    cxPass->setObjectName("cxPass");
    cxPass->setGeometry(95, 68, 150, 21);
    cxPass->setEchoMode(QLineEdit::Password);
    cxPass->setMaxLength(10);
    InstallKeyFilter(cxPass, PasswordCharacters());

    lArea = new QLabel("Area", this);
    lArea->setObjectName("lArea");
    lArea->setVisible(false);

    connect(btnOk, &QPushButton::clicked, this, &TfReadRadio::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfReadRadio::reject);
}

TfReadRadio::~TfReadRadio() {
    driver_.reset();  // before the line and the engine it refers to
}

void TfReadRadio::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfReadRadio::FormShow() {
    succeeded_ = false;
    TranslateOnOpen(this, false);
    cxPass->clear();
    pBar->setMaximum(link::kReadBlocks);

    link::EngineOptions options;
    options.portNumber = link::PortNumberOf(gAll.PortName);
    options.areaLabel = lArea->text().toStdString();
    engine_ = std::make_unique<link::ReadTransfer>(options);
    line_ = CreateRadioLink(gAll.PortName, this);  // a child of the dialog, found like its controls
    TransferDriver::View view;
    view.progress = [this](int position, int max) {
        pBar->setMaximum(max);
        pBar->setValue(position);
    };
    view.enableOk = [this](bool on) { btnOk->setEnabled(on); };
    view.enablePasswords = [this](bool on) { cxPass->setEnabled(on); };
    view.close = [this] { QDialog::done(QDialog::Rejected); };
    view.finished = [this](const link::Finished&) { succeeded_ = engine_->Succeeded(); };
    driver_ = std::make_unique<TransferDriver>(*engine_, *line_, std::move(view),
                                               TransferDriver::kReadDrainGiveUpMs);
    connect(cxPass, &QLineEdit::textChanged, this,
            [this](const QString& text) { engine_->SetPassword(text.toStdString()); });
    driver_->OpenPortSoon(gAll.PortName, true);
}

void TfReadRadio::btnOkClick() {
    if (!engine_) return;
    driver_->Apply(engine_->Ok(cxPass->text().toStdString()));
}

void TfReadRadio::reject() {
    if (driver_ && !engine_->Closed()) {
        driver_->Cancel();  // closes the dialog through the engine
        return;
    }
    QDialog::reject();
}

bool RunReadDialog(QWidget* parent) {
    TfReadRadio dialog(parent);
    dialog.exec();
    return dialog.Succeeded();
}

}  // namespace lm
