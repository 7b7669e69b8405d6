#include "windows/link/production_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <filesystem>

#include "core/datafile.h"
#include "core/file_io.h"
#include "link/handshake.h"
#include "link/job_rules.h"
#include "port/backup_names.h"
#include "port/port_access.h"
#include "port/production_log.h"
#include "port/production_run.h"
#include "port/simulated_radio.h"
#include "widgets/file_dialogs.h"
#include "widgets/message_box.h"
#include "widgets/teardown.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"
#include "windows/link/production_board.h"
#include "windows/link/production_options.h"
#include "windows/link/production_table.h"

namespace lm {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

// A number of 1 to 10 digits, or nothing.
std::optional<std::uint64_t> IdNumber(const QString& text) {
    const std::string digits = text.trimmed().toStdString();
    if (digits.empty() || digits.size() > 10 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoull(digits);
}

// Seconds with one decimal, with "." whatever the locale.
QString Seconds(std::int64_t ms) {
    return QString::number(ms / 1000) + "." + QString::number(ms % 1000 / 100);
}

}  // namespace

TfProduction::TfProduction(QWidget* parent, ProductionSources sources)
    : QDialog(parent), sources_(std::move(sources)), table_(std::make_unique<ProductionTable>()) {
    setObjectName("fProduction");
    setWindowTitle("Production");
    resize(900, 640);
    BuildLayout();
    for (const auto& [name, text] : std::initializer_list<std::pair<const char*, const char*>>{
             {"lStepRead", "Reading"},
             {"lStepBackup", "Backup"},
             {"lStepWrite", "Writing"},
             {"lStepVerify", "Verifying"},
             {"lWaiting", "waiting for a radio"},
             {"lTakeOff", "done: take the radio off"},
             {"lMatches", "matches"},
             {"lDiffers", "differs: %1"},
             {"lPortTrouble", "cannot open the port: %1"},
             {"lSim", "Simulated radio"},
             {"lTotals", "Written: %1   Failed: %2   Time per radio: %3 s"},
             {"lStall", "Longest event-loop stall: %1 ms"},
             {"lAskClose", "Radios are being written. Stop them and close the window?"},
             {"lNoPorts", "Choose the ports of the radios first."},
             {"lBadNumber",
              "The DTMF ID code needs a first number and a step of 1 to 10 digits (step 1 or "
              "more), and the last radio's number may have at most 10 digits."},
             {"lNoFolder", "Choose a folder that exists for the backups."},
             {"lLogIsData", "The log may not be the data file."},
             {"lInMemory", "(image in memory)"},
             {"lRunning", "Radios are being written..."},
             {"lChecking", "Radios are being read..."},
             {"lWatching", "Each port starts its radio as soon as it answers. Stop ends the watch."},
             {"lFinished", "Finished."},
             {"lStopped", "Stopped: the radios that were being written are marked."},
         })
        Hidden(name, text);
    TranslateOnOpen(this, false);

    BoardTexts texts;
    texts.steps = {Text("lStepRead"), Text("lStepBackup"), Text("lStepWrite"), Text("lStepVerify")};
    texts.waiting = Text("lWaiting");
    texts.takeOff = Text("lTakeOff");
    texts.matches = Text("lMatches");
    texts.differs = Text("lDiffers");
    texts.portTrouble = Text("lPortTrouble");
    board_ = std::make_unique<ProductionBoard>(*table_, texts);
    board_->OnJobEnded([this] { JobEnded(); });
    board_->OnRunEnded([this] { RunEnded(); });

    const ProductionOptions options = LoadProductionOptions(sources_.settingsPath);
    ListPorts(options.ports);
    ShowOptions(options);
    Enable();

    connect(btnRefresh, &QPushButton::clicked, this, [this] { ListPorts(table_->CheckedPorts()); });
    connect(btnFile, &QPushButton::clicked, this, &TfProduction::ChooseFile);
    connect(btnBackup, &QPushButton::clicked, this, &TfProduction::ChooseBackupFolder);
    connect(btnLog, &QPushButton::clicked, this, &TfProduction::ChooseLog);
    connect(btnStart, &QPushButton::clicked, this, &TfProduction::StartWrite);
    connect(btnRetry, &QPushButton::clicked, this, &TfProduction::RetryFailed);
    connect(btnCheck, &QPushButton::clicked, this, &TfProduction::CheckRadios);
    connect(btnStop, &QPushButton::clicked, this, &TfProduction::Stop);
    connect(btnClose, &QPushButton::clicked, this, &TfProduction::reject);
    for (QAbstractButton* box :
         {static_cast<QAbstractButton*>(rbFile), static_cast<QAbstractButton*>(cbBackup),
          static_cast<QAbstractButton*>(cbNewPassword), static_cast<QAbstractButton*>(cbNumber)})
        connect(box, &QAbstractButton::toggled, this, &TfProduction::Enable);
}

TfProduction::~TfProduction() {
    DisconnectChildren(this);
    run_.reset();  // before the board and the log it tells
}

QLabel* TfProduction::Hidden(const char* name, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(name);
    label->hide();
    return label;
}

QString TfProduction::Text(const char* hiddenLabel) const {
    const auto* label = findChild<QLabel*>(hiddenLabel);
    return label != nullptr ? label->text() : QString();
}

void TfProduction::ListPorts(const std::vector<std::string>& checked) {
    const auto isChecked = [&checked](const std::string& port) {
        return std::find(checked.begin(), checked.end(), port) != checked.end();
    };
    std::vector<PortRow> rows;
    for (const PortEntry& entry : lm::ListPorts()) {
        PortRow row;
        row.port = entry.name;
        row.description = entry.description;
        if (!entry.manufacturer.empty()) row.description += " (" + entry.manufacturer + ")";
        row.checked = isChecked(entry.name);
        rows.push_back(row);
    }
    for (int n = 1; n <= kSimulatedRadios; ++n) {
        PortRow row;
        row.port = SimulatedPortName(n);
        row.description = Text("lSim").toStdString() + (n > 1 ? " " + std::to_string(n) : "");
        row.checked = isChecked(row.port);
        rows.push_back(row);
    }
    table_->SetRows(std::move(rows));
    tbPorts->resizeColumnToContents(ProductionTable::kPort);
}

ProductionOptions TfProduction::Options() const {
    ProductionOptions o;
    o.ports = table_->CheckedPorts();
    o.fromFile = rbFile->isChecked();
    o.dataFile = edFile->text().toStdString();
    o.verify = cbVerify->isChecked();
    o.backup = cbBackup->isChecked();
    o.backupFolder = edBackup->text().toStdString();
    o.password = edPassword->text().toStdString();
    o.newPassword = cbNewPassword->isChecked();
    o.newPasswordText = edNewPassword->text().toStdString();
    o.numbered = cbNumber->isChecked();
    o.idFrom = IdNumber(edIdFrom->text()).value_or(0);
    o.idStep = IdNumber(edIdStep->text()).value_or(0);
    o.logFile = edLog->text().toStdString();
    o.watch = cbWatch->isChecked();
    return o;
}

void TfProduction::ShowOptions(const ProductionOptions& o) {
    (o.fromFile ? rbFile : rbMemory)->setChecked(true);
    edFile->setText(Q(o.dataFile));
    cbVerify->setChecked(o.verify);
    cbBackup->setChecked(o.backup);
    edBackup->setText(Q(o.backupFolder));
    cbNewPassword->setChecked(o.newPassword);
    cbNumber->setChecked(o.numbered);
    edIdFrom->setText(QString::number(o.idFrom));
    edIdStep->setText(QString::number(o.idStep));
    edLog->setText(Q(o.logFile));
    cbWatch->setChecked(o.watch);
}

bool TfProduction::LoadData(const ProductionOptions& o) {
    data_ = sources_.memory;
    if (!o.fromFile) return true;
    const DataFileResult result = LoadDataFile(data_, o.dataFile);
    if (result.ok) return true;
    const std::string text = WindowMessageText(result.messageKey, result.text);
    ShowInformation(result.messageKey.empty() ? text : o.dataFile + ": " + text);
    return false;
}

bool TfProduction::CheckOptions(const ProductionOptions& o) {
    if (o.ports.empty()) {
        ShowInformation(Text("lNoPorts").toStdString());
        return false;
    }
    if (o.newPassword && !link::IsEncodablePassword(link::TrimPassword(o.newPasswordText))) {
        ShowInformation(WindowMessageText(link::kPwdDigits.key, link::kPwdDigits.text));
        return false;
    }
    if (o.numbered && (!IdNumber(edIdFrom->text()) || !IdNumber(edIdStep->text()) || o.idStep == 0 ||
                       o.idFrom + o.idStep * (o.ports.size() - 1) > link::kLargestIdCode)) {
        ShowInformation(Text("lBadNumber").toStdString());
        return false;
    }
    std::error_code error;
    if (o.backup && !std::filesystem::is_directory(o.backupFolder, error)) {
        ShowInformation(Text("lNoFolder").toStdString());
        return false;
    }
    return true;
}

bool TfProduction::StartWrite() {
    if (Running()) return false;
    const ProductionOptions o = Options();
    if (!CheckOptions(o)) return false;
    if (!o.logFile.empty() && o.fromFile && SameFile(o.logFile, o.dataFile)) {
        ShowInformation(Text("lLogIsData").toStdString());
        return false;
    }
    DropRun();
    if (!LoadData(o)) return false;
    SaveProductionOptions(sources_.settingsPath, o);
    if (!o.logFile.empty()) {
        // The log names the data file and its SHA-256; the image in memory has no file to hash.
        std::string dataFile = o.fromFile ? o.dataFile : Text("lInMemory").toStdString();
        std::string sha256;
        if (o.fromFile) {
            std::string why;
            sha256 = FileSha256(o.dataFile, why);
        }
        log_ = std::make_unique<ProductionLog>(o.logFile, dataFile, sha256);
        if (const std::string failed = log_->Open(); !failed.empty()) {
            ShowInformation(failed);
            return false;
        }
    }
    return Begin(o, false);
}

bool TfProduction::CheckRadios() {
    if (Running()) return false;
    ProductionOptions o = Options();
    o.newPassword = o.numbered = false;
    if (!CheckOptions(o)) return false;
    DropRun();
    if (!LoadData(o)) return false;
    SaveProductionOptions(sources_.settingsPath, Options());
    return Begin(o, true);
}

void TfProduction::DropRun() {
    // The run goes before the log and the data it uses; Retry waits for the next run.
    run_.reset();
    log_.reset();
    Enable();
}

bool TfProduction::Begin(const ProductionOptions& o, bool check) {
    checking_ = check;
    RunSetup setup;
    setup.document = data_;
    setup.session = sources_.session;
    setup.ports = o.ports;
    setup.plan = [o, check](const std::string& port, int) {
        JobPlan plan;
        plan.kind = check ? JobPlan::Kind::Read : JobPlan::Kind::Write;
        plan.port = port;
        plan.password = o.password;
        if (check) return plan;
        if (o.newPassword) plan.newPassword = link::TrimPassword(o.newPasswordText);
        plan.verify = o.verify;
        if (o.backup)
            plan.backupPath = [folder = o.backupFolder, port](const std::string& area) {
                return FreeBackupPath(folder, port, area, BackupTimeStamp());
            };
        return plan;
    };
    if (o.numbered && !check) {
        setup.idFrom = o.idFrom;
        setup.idStep = o.idStep;
    }
    setup.log = log_.get();
    board_->CheckAgainst(check ? &data_ : nullptr);
    for (const std::string& port : o.ports) table_->Change(port, [](PortRow& row) { row.Clear(); });
    run_ = std::make_unique<ProductionRun>(std::move(setup), WindowMessages(), *board_);
    table_->SetLocked(true);
    probe_.Start();
    edStatus->setText(Text(check ? "lChecking" : (o.watch ? "lWatching" : "lRunning")));
    if (o.watch && !check)
        run_->Watch();
    else
        run_->StartRound();
    Enable();
    return true;
}

bool TfProduction::RetryFailed() {
    if (Running() || !run_) return false;
    table_->SetLocked(true);
    probe_.Start();
    edStatus->setText(Text(checking_ ? "lChecking" : "lRunning"));
    run_->RetryFailed();
    Enable();
    return true;
}

void TfProduction::Stop() {
    if (Running()) run_->Interrupt();
}

bool TfProduction::Running() const { return run_ && run_->Running(); }

void TfProduction::JobEnded() { ShowTotals(); }

void TfProduction::ShowTotals() {
    if (!run_ || checking_) return;
    const RunTotals totals = run_->Totals();
    edTotals->setText(Text("lTotals")
                          .arg(totals.written)
                          .arg(totals.failed + totals.interrupted)
                          .arg(Seconds(totals.MeanMs())));
}

void TfProduction::RunEnded() {
    table_->SetLocked(false);
    ShowTotals();
    QString status = Text(run_ && run_->Interrupted() ? "lStopped" : "lFinished");
    if (run_ && !run_->LogFailure().empty()) status += "  " + Q(run_->LogFailure());
    if (sources_.timing) status += "  " + Text("lStall").arg(Seconds(probe_.LongestUs()));
    edStatus->setText(status);
    // Out of the run's own call: it may still be on the stack.
    QTimer::singleShot(0, this, [this] {
        Enable();
        if (closing_) QDialog::reject();
    });
}

void TfProduction::Enable() {
    const bool running = Running();
    bool failed = false;
    for (const PortRow& row : table_->Rows()) failed = failed || row.state == PortRow::State::Failed;
    for (QWidget* w : std::initializer_list<QWidget*>{btnStart, btnCheck, gbData, gbOptions, btnRefresh})
        w->setEnabled(!running);
    btnRetry->setEnabled(!running && failed && run_ != nullptr);
    btnStop->setEnabled(running);
    edFile->setEnabled(rbFile->isChecked());
    btnFile->setEnabled(rbFile->isChecked());
    edBackup->setEnabled(cbBackup->isChecked());
    btnBackup->setEnabled(cbBackup->isChecked());
    edNewPassword->setEnabled(cbNewPassword->isChecked());
    edIdFrom->setEnabled(cbNumber->isChecked());
    edIdStep->setEnabled(cbNumber->isChecked());
    // Enter retries the failed radios once there are some, and starts otherwise.
    (btnRetry->isEnabled() ? btnRetry : btnStart)->setDefault(true);
    (btnRetry->isEnabled() ? btnStart : btnRetry)->setDefault(false);
}

void TfProduction::reject() {
    if (closing_) return;
    if (Running()) {
        if (!AskYesNo(Text("lAskClose").toStdString())) return;
        closing_ = true;
        run_->Interrupt();  // the window closes once the run has ended
        return;
    }
    SaveProductionOptions(sources_.settingsPath, Options());
    QDialog::reject();
}

void TfProduction::ChooseFile() {
    const std::string path = ChooseOpenFile(this, rbFile->text().remove('&').toStdString());
    if (!path.empty()) edFile->setText(Q(path));
}

void TfProduction::ChooseBackupFolder() {
    const std::string folder = ChooseFolder(this, cbBackup->text().remove('&').toStdString());
    if (!folder.empty()) edBackup->setText(Q(folder));
}

void TfProduction::ChooseLog() {
    FileFilters filters{{"CSV files (*.csv)"}, 0, lbLog->text().remove('&').toStdString()};
    const std::string path = ChooseSaveFile(this, filters, ".csv");
    if (!path.empty()) edLog->setText(Q(path));
}

void RunProductionWindow(QWidget* parent, ProductionSources sources) {
    TfProduction window(parent, std::move(sources));
    window.exec();
}

}  // namespace lm
