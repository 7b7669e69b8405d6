#include "windows/link/transfer_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

#include "core/port_name.h"
#include "core/state.h"
#include "settings/language.h"
#include "widgets/key_filter.h"
#include "widgets/message_box.h"
#include "port/radio_link.h"
#include "widgets/translate.h"
#include "globals/globals.h"

namespace lm {

TransferDialog::TransferDialog(QWidget* parent, const Layout& layout)
    : QDialog(parent), progressMax_(layout.progressMax) {
    setObjectName(layout.name);
    setWindowTitle(layout.title);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(layout.size);

    pBar = new QProgressBar(this);
    pBar->setObjectName("pBar");
    pBar->setGeometry(layout.bar);
    pBar->setRange(0, progressMax_);
    pBar->setValue(0);
    pBar->setTextVisible(false);

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(layout.ok);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(layout.cancel);

    // The password row lies just below the client area: not visible, but reached with the Tab key.
    Label1 = new QLabel("Pass Word:", this);
    Label1->setObjectName("Label1");
    Label1->setGeometry(layout.label);
    cxPass = PasswordEdit("cxPass", layout.pass);

    connect(btnOk, &QPushButton::clicked, this, &TransferDialog::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TransferDialog::reject);
}

TransferDialog::~TransferDialog() {
    host_.reset();  // before the line and the engine it refers to
    if (line_) line_->Close();
}

QLineEdit* TransferDialog::PasswordEdit(const char* name, const QRect& geometry) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(10);
    InstallKeyFilter(edit, PasswordCharacters());
    return edit;
}

void TransferDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TransferDialog::PrepareShow() {
    TranslateOnOpen(this, false);
    cxPass->clear();
    pBar->setMaximum(progressMax_);
}

link::EngineOptions TransferDialog::PortOptions() {
    link::EngineOptions options;
    options.portNumber = ComPortNumber(gAll.PortName);
    return options;
}

void TransferDialog::Progress(int position, int max) {
    pBar->setMaximum(max);
    pBar->setValue(position);
}

void TransferDialog::EnableOk(bool enabled) { btnOk->setEnabled(enabled); }

void TransferDialog::Message(const link::ShowMessage& message, std::function<void()> closed) {
    // The message table first, then the dialog's own translatable text, then the built-in text.
    const std::string own = OwnText(message.key);
    const std::string translated = MessageText(gLanguage, message.key, own.empty() ? message.text : own);
    ShowMessageBox(gLanguage.Confirmation, host_->MessageText(message, translated), kMessageInfo);
    closed();
}

void TransferDialog::Closed() { QDialog::done(QDialog::Rejected); }

void TransferDialog::StartHost(int drainGiveUpMs, bool purge) {
    line_ = CreateRadioLink(gAll.PortName, this);  // a child of the dialog, found like its controls
    host_ = std::make_unique<TransferHost>(*engine_, *line_, static_cast<TransferObserver&>(*this), drainGiveUpMs);
    host_->OpenPort(gAll.PortName, purge);
}

void TransferDialog::reject() {
    if (host_ && !engine_->Closed()) {
        host_->Cancel();  // closes the dialog through the engine
        return;
    }
    QDialog::reject();
}

}  // namespace lm
