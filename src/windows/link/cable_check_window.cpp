#include "windows/link/cable_check_window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "port/cable_check.h"
#include "port/port_access.h"
#include "port/simulated_radio.h"
#include "widgets/translate.h"
#include "widgets/typed_choice.h"

namespace lm {

TfCableCheck::TfCableCheck(QWidget* parent, const TransferSession& session, const std::string& port)
    : QDialog(parent), session_(session) {
    setObjectName("fCableCheck");
    setWindowTitle("Cable Check");
    resize(720, 520);

    lbPort = new QLabel("&Port:", this);
    lbPort->setObjectName("lbPort");
    cbPort = new QComboBox(this);
    cbPort->setObjectName("cbPort");
    SetTag(cbPort, kTagNoItems);
    TypedChoice::Install(cbPort);
    lbPort->setBuddy(cbPort);
    mmReport = new QPlainTextEdit(this);
    mmReport->setObjectName("mmReport");
    mmReport->setReadOnly(true);
    mmReport->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    mmReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    btnCheck = new QPushButton("Check &Again", this);
    btnCheck->setObjectName("btnCheck");
    btnCopy = new QPushButton("Co&py", this);
    btnCopy->setObjectName("btnCopy");
    btnClose = new QPushButton("&Close", this);
    btnClose->setObjectName("btnClose");
    lChecking = new QLabel("Checking the ports, the machine and the radio...", this);
    lChecking->setObjectName("lChecking");
    lChecking->hide();
    lAllPorts = new QLabel("Every USB serial port", this);
    lAllPorts->setObjectName("lAllPorts");
    lAllPorts->hide();

    auto* top = new QHBoxLayout;
    top->addWidget(lbPort);
    top->addWidget(cbPort, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnCheck);
    buttons->addWidget(btnCopy);
    buttons->addStretch(1);
    buttons->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(mmReport, 1);
    layout->addLayout(buttons);

    TranslateOnOpen(this, false);
    // The ports: every USB port, the present ones, the simulated radio; the configured one chosen.
    cbPort->addItem(lAllPorts->text(), QString());
    std::vector<std::string> ports;
    EnumeratePorts(ports);
    for (const std::string& name : ports)
        cbPort->addItem(QString::fromStdString(name), QString::fromStdString(name));
    cbPort->addItem(kSimulatedPortCaption, QString(kSimulatedPortName));
    const QString wanted = QString::fromStdString(IsSimulatedPort(port) ? kSimulatedPortName : port);
    if (!wanted.isEmpty() && cbPort->findData(wanted) < 0) cbPort->addItem(wanted, wanted);
    cbPort->setCurrentIndex(std::max(0, cbPort->findData(wanted)));

    connect(btnCheck, &QPushButton::clicked, this, &TfCableCheck::Check);
    connect(btnCopy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(mmReport->toPlainText()); });
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    connect(cbPort, &QComboBox::activated, this, &TfCableCheck::Check);
    btnCheck->setDefault(true);
}

TfCableCheck::~TfCableCheck() = default;

bool TfCableCheck::Checking() const { return check_ && check_->Running(); }

QString TfCableCheck::ReportText() const { return mmReport->toPlainText(); }

void TfCableCheck::Check() {
    if (Checking()) return;
    CableCheckRequest request;
    request.port = cbPort->currentData().toString().toStdString();
    check_ = std::make_unique<CableCheck>(request, session_);
    connect(check_.get(), &CableCheck::finished, this, &TfCableCheck::Done);
    mmReport->setPlainText(lChecking->text());
    for (QWidget* w :
         {static_cast<QWidget*>(btnCheck), static_cast<QWidget*>(btnCopy), static_cast<QWidget*>(cbPort)})
        w->setEnabled(false);
    check_->Start();
}

void TfCableCheck::Done() {
    mmReport->setPlainText(QString::fromStdString(doctor::FormatReport(check_->Result())));
    for (QWidget* w :
         {static_cast<QWidget*>(btnCheck), static_cast<QWidget*>(btnCopy), static_cast<QWidget*>(cbPort)})
        w->setEnabled(true);
    emit checked();
}

void RunCableCheckWindow(QWidget* parent, const TransferSession& session, const std::string& port) {
    TfCableCheck window(parent, session, port);
    window.Check();
    window.exec();
}

}  // namespace lm
