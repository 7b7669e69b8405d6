#include "windows/link/set_port_dialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "core/state.h"
#include "port/port_access.h"
#include "port/simulated_radio.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"

namespace lm {

PortSource SystemPortSource() {
    PortSource source;
    source.enumerate = [](std::vector<std::string>& list) { EnumeratePorts(list); };
    source.describe = [](const std::string& name) { return PortDescription(name); };
#ifdef _WIN32
    source.numbered = true;
#else
    source.numbered = false;
#endif
    return source;
}

TfSetPort::TfSetPort(std::string& port, QWidget* parent, PortSource source)
    : QDialog(parent), port_(port), source_(std::move(source)) {
    setObjectName("fSetPort");
    setWindowTitle("Communication Port");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(408, 222);

    cxPort = new QGroupBox("Port", this);
    cxPort->setObjectName("cxPort");
    cxPort->setGeometry(8, 6, 392, 172);
    // Four columns of five: COM1-COM5, COM6-COM10, COM11-COM15, COM16-COM20.
    for (int n = 1; n <= kPortButtons; ++n) {
        auto* b = new QRadioButton(QString("COM%1").arg(n), cxPort);
        b->setObjectName(QString("cxPort%1").arg(n));
        const int column = (n - 1) / 5, row = (n - 1) % 5;
        b->setGeometry(12 + column * 94, 22 + row * 24, 90, 20);
        b->setEnabled(false);
        buttons_[n - 1] = b;
    }
    cxSim = new QRadioButton(kSimulatedPortCaption, cxPort);
    cxSim->setObjectName("cxSim");
    cxSim->setGeometry(12, 144, 180, 20);
    cxSim->setToolTip("A radio built into the program, to try Read and Write without a radio.");

    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(232, 188, 75, 25);
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(318, 188, 75, 25);

    cbCom = new QComboBox(this);
    cbCom->setObjectName("cbCom");
    cbCom->setVisible(false);
    SetTag(cbCom, kTagNoItems);
    lbName = new QLabel("Port:", this);
    lbName->setObjectName("lbName");
    lbName->setVisible(false);

    connect(btnOk, &QPushButton::clicked, this, &TfSetPort::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfSetPort::reject);
}

void TfSetPort::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfSetPort::FormShow() {
    const Preferences& language = WindowPreferences();
    const bool translated = language.LanguageId > 0;
    if (translated) TranslateForm(this, language.LanguageName, true);
    cxPort->setTitle(windowTitle());

    std::vector<std::string> present;
    if (source_.enumerate) source_.enumerate(present);
    cbCom->clear();
    for (const std::string& p : present) cbCom->addItem(QString::fromStdString(p));

    const bool simulated = IsSimulatedPort(port_);
    const std::string prefix = translated ? lbName->text().toStdString() : "COM";
    choice_ = ChoosePortButtons(present, simulated ? std::string() : port_, source_.numbered, prefix);
    for (int i = 0; i < kPortButtons; ++i) {
        const TPortButton& pb = choice_.buttons[i];
        QRadioButton* b = buttons_[i];
        const std::string about = source_.describe && !pb.name.empty() ? source_.describe(pb.name) : "";
        // Named ports show what the system says of them beside the name, so that the cable can be told from
        // the others; numbered ports keep their short captions and say it in the tool tip.
        const bool beside = !source_.numbered && !about.empty();
        b->setText(QString::fromStdString(beside ? pb.caption + "  \u2014  " + about : pb.caption));
        b->setToolTip(QString::fromStdString(about.empty() || beside ? pb.name : pb.name + ": " + about));
        b->setEnabled(pb.enabled);
        // Named ports: a button without a port has nothing to offer.
        b->setVisible(source_.numbered || !pb.name.empty());
    }
    if (choice_.checked >= 0) buttons_[choice_.checked]->setChecked(true);
    cxSim->setChecked(simulated);
    if (!source_.numbered) LayOutNamedPorts();
}

// Named ports: one row each, as wide as its text (at most the frame's width), the simulated radio right below
// the last; the frame and the dialog as tall as that, without the gap the unused buttons would leave.
void TfSetPort::LayOutNamedPorts() {
    constexpr int kRow = 24, kFirstRow = 22, kWidth = 368;
    int row = 0;
    for (QRadioButton* b : buttons_) {
        if (b->isHidden()) continue;
        b->setGeometry(12, kFirstRow + row * kRow, std::min(kWidth, b->sizeHint().width() + 4), 20);
        ++row;
    }
    cxSim->setGeometry(12, kFirstRow + row * kRow, kWidth, 20);
    const int frameHeight = kFirstRow + (row + 1) * kRow + 6;
    cxPort->setGeometry(8, 6, 392, frameHeight);
    const int buttonsTop = 6 + frameHeight + 10;
    btnOk->move(232, buttonsTop);
    btnCancel->move(318, buttonsTop);
    setFixedSize(408, buttonsTop + 25 + 9);
}

void TfSetPort::btnOKClick() {
    for (int i = 0; i < kPortButtons; ++i) {
        if (buttons_[i]->isChecked() && !choice_.buttons[i].name.empty()) port_ = choice_.buttons[i].name;
    }
    if (cxSim->isChecked()) port_ = kSimulatedPortName;
    accept();
}

bool RunSetPortDialog(QWidget* parent, std::string& port) {
    TfSetPort dialog(port, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace lm
