#pragma once
// The Communication Port dialog (fSetPort): twenty port buttons and the built-in simulated radio.
#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "windows/link/port_choice.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace lm {

// Where the dialog learns which ports are present, and how the platform names them.
struct PortSource {
    std::function<void(std::vector<std::string>&)> enumerate;  // EnumeratePorts when empty
    bool numbered = false;                                     // ports are "COM<n>"
    std::function<std::string(const std::string&)> describe;   // what the system says of a port, or empty
};
// The ports of this machine: numbered on Windows, named by device path elsewhere.
PortSource SystemPortSource();

class TfSetPort : public QDialog {
    Q_OBJECT

public:
    // port: the chosen port, changed by Ok.
    explicit TfSetPort(std::string& port, QWidget* parent = nullptr, PortSource source = SystemPortSource());

    QRadioButton* PortButton(int n) const { return buttons_.at(n - 1); }  // n = 1 .. 20
    QRadioButton* SimulatedButton() const { return cxSim; }
    const TPortChoice& Choice() const { return choice_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void LayOutNamedPorts();
    void btnOKClick();

    QGroupBox* cxPort = nullptr;
    std::array<QRadioButton*, kPortButtons> buttons_{};
    QRadioButton* cxSim = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QComboBox* cbCom = nullptr;
    QLabel* lbName = nullptr;

    std::string& port_;
    PortSource source_;
    TPortChoice choice_;
    bool shown_ = false;
};

// Communication Port command: shows the dialog modally; true when it was closed with Ok (PortName may have
// changed). The caller refreshes its status bar either way.
bool RunSetPortDialog(QWidget* parent, std::string& port);

}  // namespace lm
