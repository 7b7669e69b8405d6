#pragma once
// Help > Cable Check: why a cable or a radio does not answer, in a window. It runs the command line's cable
// check (the serial ports, the machine, and the radio asked who it is) on the chosen port or on every USB
// serial port, shows its report, and copies it for a request for help.
#include <QDialog>
#include <memory>
#include <string>

#include "core/state.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace lm {

class CableCheck;

class TfCableCheck : public QDialog {
    Q_OBJECT

public:
    // port: the port to check first ("" for every USB serial port).
    // session: whose key the identification uses.
    TfCableCheck(QWidget* parent, const TransferSession& session, const std::string& port);
    ~TfCableCheck() override;

    // Starts a check of the chosen port; the report replaces the text when it is done.
    void Check();
    bool Checking() const;
    QString ReportText() const;

    QLabel* lbPort = nullptr;
    QComboBox* cbPort = nullptr;
    QPlainTextEdit* mmReport = nullptr;
    QPushButton* btnCheck = nullptr;
    QPushButton* btnCopy = nullptr;
    QPushButton* btnClose = nullptr;
    QLabel* lChecking = nullptr;  // hidden: the text shown while a check runs
    QLabel* lAllPorts = nullptr;  // hidden: the first item of the port list

signals:
    void checked();

private:
    void Done();

    TransferSession session_;
    std::unique_ptr<CableCheck> check_;
};

// Shows the Cable Check window modally for the configured port.
void RunCableCheckWindow(QWidget* parent, const TransferSession& session, const std::string& port);

}  // namespace lm
