#include "link/ui/write_radio_dialog.h"

#include <QCheckBox>
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
namespace {

QLineEdit* PasswordEdit(QWidget* parent, const char* name, int top) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(110, top, 150, 21);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(10);
    InstallKeyFilter(edit, PasswordCharacters());
    return edit;
}

}  // namespace

TfWriteRadio::TfWriteRadio(QWidget* parent) : QDialog(parent) {
    setObjectName("fWriteRadio");
    setWindowTitle("Write data to radio");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(354, 71);

    pBar = new QProgressBar(this);
    pBar->setObjectName("pBar");
    pBar->setGeometry(9, 13, 325, 18);
    pBar->setRange(0, link::kWriteProgressMax);
    pBar->setValue(0);
    pBar->setTextVisible(false);

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(165, 39, 75, 25);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(249, 39, 75, 25);

    // The password rows lie below the client area: not visible, but reached with the Tab key.
    Label1 = new QLabel("Pass Word:", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(9, 75, 95, 21);
    cxPass = PasswordEdit(this, "cxPass", 75);
    Label2 = new QLabel("New Pass Word:", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(9, 104, 95, 21);
    cxNew = PasswordEdit(this, "cxNew", 104);
    cxNew->setEnabled(false);
    cxUpd = new QCheckBox(this);
    cxUpd->setObjectName("cxUpd");
    cxUpd->setGeometry(268, 104, 20, 21);
    lDigits = new QLabel(QString::fromUtf8(link::kPwdDigits.text), this);
    lDigits->setObjectName("lDigits");
    lDigits->setVisible(false);

    connect(btnOk, &QPushButton::clicked, this, &TfWriteRadio::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfWriteRadio::reject);
    connect(cxUpd, &QCheckBox::toggled, this, &TfWriteRadio::cxUpdPropertiesChange);
}

TfWriteRadio::~TfWriteRadio() {
    driver_.reset();  // before the line and the engine it refers to
}

void TfWriteRadio::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfWriteRadio::FormShow() {
    TranslateOnOpen(this, false);
    cxPass->clear();
    pBar->setMaximum(link::kWriteProgressMax);

    link::EngineOptions options;
    options.portNumber = link::PortNumberOf(gAll.PortName);
    engine_ = std::make_unique<link::WriteTransfer>(options, link::ClockSource{});
    line_ = CreateRadioLink(gAll.PortName, this);  // a child of the dialog, found like its controls
    TransferDriver::View view;
    view.progress = [this](int position, int max) {
        pBar->setMaximum(max);
        pBar->setValue(position);
    };
    view.enableOk = [this](bool on) { btnOk->setEnabled(on); };
    view.enablePasswords = [this](bool on) {
        // While a transfer runs the check box is held too, so that the new password cannot change under it.
        passwordsEnabled_ = on;
        cxPass->setEnabled(on);
        cxUpd->setEnabled(on);
        cxNew->setEnabled(on && cxUpd->isChecked());
    };
    view.close = [this] { QDialog::done(QDialog::Rejected); };
    view.finished = [this](const link::Finished& f) {
        if (f.outcome == link::Outcome::Completed) ++completed_;
    };
    view.ownText = [this](const std::string& key) {
        return key == link::kPwdDigits.key ? lDigits->text().toStdString() : std::string();
    };
    driver_ = std::make_unique<TransferDriver>(*engine_, *line_, std::move(view),
                                               TransferDriver::kWriteDrainGiveUpMs);
    driver_->OpenPortSoon(gAll.PortName, false);
}

void TfWriteRadio::cxUpdPropertiesChange() { cxNew->setEnabled(passwordsEnabled_ && cxUpd->isChecked()); }

void TfWriteRadio::btnOkClick() {
    if (!engine_) return;
    driver_->Apply(engine_->Ok(cxPass->text().toStdString(), cxUpd->isChecked(), cxNew->text().toStdString()));
}

void TfWriteRadio::reject() {
    if (driver_ && !engine_->Closed()) {
        driver_->Cancel();  // closes the dialog through the engine
        return;
    }
    QDialog::reject();
}

void RunWriteDialog(QWidget* parent) {
    TfWriteRadio dialog(parent);
    dialog.exec();
}

}  // namespace lm
