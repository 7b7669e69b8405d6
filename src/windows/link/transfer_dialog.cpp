#include "windows/link/transfer_dialog.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "core/port_name.h"
#include "core/state.h"
#include "port/radio_link.h"
#include "port/simulated_radio.h"
#include "settings/language.h"
#include "widgets/key_filter.h"
#include "widgets/message_box.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"
#include "windows/link/cable_check_window.h"

namespace lm {

TransferDialog::TransferDialog(QWidget* parent, const Layout& layout, TransferTarget target)
    : QDialog(parent), target_(std::move(target)), progressMax_(layout.progressMax) {
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

    passwordBottom_ = layout.pass.bottom() + 1;
    // Ok is the default button: Enter writes the next radio even when the focus has moved to Cancel.
    btnOk->setDefault(true);
    btnCancel->setAutoDefault(false);
    btnPass = new QPushButton("Pass Word...", this);
    btnPass->setObjectName("btnPass");
    btnPass->setGeometry(layout.label.left(), layout.ok.top(), 90, layout.ok.height());
    btnPass->setAutoDefault(false);
    btnPass->setFocusPolicy(Qt::ClickFocus);  // Tab reaches the rows themselves
    lSim = new QLabel(kSimulatedPortCaption, this);
    lSim->setObjectName("lSim");
    lSim->setVisible(false);
    lCableCheck = new QLabel("Open the Cable Check to find out why?", this);
    lCableCheck->setObjectName("lCableCheck");
    lCableCheck->setVisible(false);

    connect(btnPass, &QPushButton::clicked, this, [this] {
        RevealPasswordRows();
        cxPass->setFocus();
    });
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
    edit->installEventFilter(this);
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
    // The simulated radio answers although no radio is connected: the caption says so.
    if (IsSimulatedPort(target_.port)) setWindowTitle(windowTitle() + " - " + lSim->text());
}

void TransferDialog::RevealPasswordRows() {
    if (height() >= passwordBottom_ + 8) return;
    setFixedHeight(passwordBottom_ + 8);
    btnPass->setVisible(false);
}

bool TransferDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) RevealPasswordRows();
    return QDialog::eventFilter(watched, event);
}

void TransferDialog::EnablePasswords(bool enabled) {
    cxPass->setEnabled(enabled);
    if (enabled && passwordWanted_) {
        passwordWanted_ = false;
        cxPass->setFocus();
        cxPass->selectAll();
    }
}

link::EngineOptions TransferDialog::PortOptions() const {
    link::EngineOptions options;
    options.portNumber = ComPortNumber(target_.port);
    return options;
}

void TransferDialog::Progress(int position, int max) {
    pBar->setMaximum(max);
    pBar->setValue(position);
}

void TransferDialog::EnableOk(bool enabled) {
    btnOk->setEnabled(enabled);
    // Back for the next radio: the focus returns to Ok if disabling it had moved it to Cancel.
    if (enabled && btnCancel->hasFocus()) btnOk->setFocus();
}

void TransferDialog::Finished(const link::Finished& finished) {
    if (finished.messageKey != link::kPwdError.key) return;
    RevealPasswordRows();
    passwordWanted_ = true;
}

void TransferDialog::Message(const link::ShowMessage& message, std::function<void()> closed) {
    // The message table first, then the dialog's own translatable text, then the built-in text.
    const std::string own = OwnText(message.key);
    std::string translated = WindowMessageText(message.key, own.empty() ? message.text : own);
    const bool completed = message.key == link::kReadOk.key || message.key == link::kWriteOk.key;
    if (completed && IsSimulatedPort(target_.port)) translated += "\n(" + lSim->text().toStdString() + ")";
    const std::string text = host_->MessageText(message, translated);
    if (message.key == link::kComError.key || message.key == link::kPortError.key) {
        // The radio or the port did not answer: the Cable Check can tell why, once this dialog has let go of
        // the port.
        const std::string offer = lCableCheck->text().toStdString();
        cableCheckWanted_ = ShowMessageBox(WindowMessages().Confirmation, text + "\n\n" + offer,
                                           kMessageQuestion) == kAnswerYes;
    } else {
        ShowMessageBox(WindowMessages().Confirmation, text, kMessageInfo);
    }
    closed();
}

void TransferDialog::Closed() {
    QDialog::done(QDialog::Rejected);
    if (!cableCheckWanted_) return;
    cableCheckWanted_ = false;
    QWidget* owner = parentWidget();
    QTimer::singleShot(0, owner != nullptr ? static_cast<QObject*>(owner) : qApp,
                       [owner, session = target_.session, port = target_.port] {
                           RunCableCheckWindow(owner, session, port);
                       });
}

void TransferDialog::StartHost(int drainGiveUpMs, bool purge) {
    line_ = CreateRadioLink(target_.port, this);  // a child of the dialog, found like its controls
    host_ = std::make_unique<TransferHost>(*engine_, *line_, static_cast<TransferObserver&>(*this),
                                           drainGiveUpMs);
    host_->OpenPort(target_.port, purge);
}

void TransferDialog::reject() {
    if (host_ && !engine_->Closed()) {
        host_->Cancel();  // closes the dialog through the engine
        return;
    }
    QDialog::reject();
}

}  // namespace lm
