#pragma once
// Program > Production: one data file written into the radios on several ports at once
// (port/production_run.h), each with an optional backup, verify, new password and DTMF ID code of its own,
// and the production log; a table of the ports shows how each radio goes, and the failed ones are retried
// with one click. "Check radios" reads the radios and says whether each holds what a write of the data file
// would have left in it.
#include <QDialog>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/state.h"
#include "port/stall_probe.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace lm {

class ProductionBoard;
class ProductionLog;
class ProductionRun;
class ProductionTable;
struct ProductionOptions;

// What the window gets from the main window when it is made.
struct ProductionSources {
    const TALL& memory;              // the image in memory
    const TransferSession& session;  // the session key of the program
    std::string currentFile;         // the image's file ("" for none)
    std::string settingsPath;        // where the window's settings are kept ("" keeps none)
    bool timing = false;             // show the longest event-loop stall in the status line
};

class TfProduction : public QDialog {
    Q_OBJECT

public:
    TfProduction(QWidget* parent, ProductionSources sources);
    ~TfProduction() override;

    // Start: writes every chosen port at once (or, with "start each radio as soon as it answers", watches
    // them). Retry: the failed radios again. Check: reads the chosen radios and compares them with the file.
    // Stop: interrupts the radios between frames. Each returns false when it could not start (a message said
    // why).
    bool StartWrite();
    bool RetryFailed();
    bool CheckRadios();
    void Stop();
    bool Running() const;
    // The longest time the event loop was kept from turning while radios ran, in microseconds.
    std::int64_t LongestStallUs() const { return probe_.LongestUs(); }
    ProductionTable& Table() { return *table_; }

    QTableView* tbPorts = nullptr;
    QPushButton* btnRefresh = nullptr;
    QGroupBox* gbData = nullptr;
    QRadioButton* rbMemory = nullptr;
    QRadioButton* rbFile = nullptr;
    QLineEdit* edFile = nullptr;
    QPushButton* btnFile = nullptr;
    QGroupBox* gbOptions = nullptr;
    QCheckBox* cbVerify = nullptr;
    QCheckBox* cbBackup = nullptr;
    QLineEdit* edBackup = nullptr;
    QPushButton* btnBackup = nullptr;
    QLabel* lbPassword = nullptr;
    QLineEdit* edPassword = nullptr;
    QCheckBox* cbNewPassword = nullptr;
    QLineEdit* edNewPassword = nullptr;
    QCheckBox* cbNumber = nullptr;
    QLineEdit* edIdFrom = nullptr;
    QLabel* lbStep = nullptr;
    QLineEdit* edIdStep = nullptr;
    QLabel* lbLog = nullptr;
    QLineEdit* edLog = nullptr;
    QPushButton* btnLog = nullptr;
    QCheckBox* cbWatch = nullptr;
    QLineEdit* edTotals = nullptr;  // running totals
    QLineEdit* edStatus = nullptr;  // what the window has to say
    QPushButton* btnStart = nullptr;
    QPushButton* btnRetry = nullptr;
    QPushButton* btnCheck = nullptr;
    QPushButton* btnStop = nullptr;
    QPushButton* btnClose = nullptr;

public slots:
    void reject() override;

private:
    QLabel* Hidden(const char* name, const char* text);
    QString Text(const char* hiddenLabel) const;
    void BuildLayout();
    void ListPorts(const std::vector<std::string>& checked);
    ProductionOptions Options() const;
    void ShowOptions(const ProductionOptions& options);
    // The data to write or compare with, loaded; false after a message.
    bool LoadData(const ProductionOptions& options);
    // The options checked before any radio is touched; false after a message.
    bool CheckOptions(const ProductionOptions& options);
    bool Begin(const ProductionOptions& options, bool check);
    void DropRun();
    void JobEnded();
    void RunEnded();
    void ShowTotals();
    void Enable();
    void ChooseFile();
    void ChooseBackupFolder();
    void ChooseLog();

    ProductionSources sources_;
    std::unique_ptr<ProductionTable> table_;
    std::unique_ptr<ProductionBoard> board_;
    std::unique_ptr<ProductionLog> log_;
    std::unique_ptr<ProductionRun> run_;
    TALL data_;
    bool checking_ = false;
    bool closing_ = false;
    StallProbe probe_;
};

// Shows the Production window modally.
void RunProductionWindow(QWidget* parent, ProductionSources sources);

}  // namespace lm
