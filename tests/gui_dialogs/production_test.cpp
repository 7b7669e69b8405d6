// The Production window with simulated radios: Enter writes the chosen radios at once and Enter again retries
// just the failed one; the table, the totals and the log follow the run; closing during a write asks, stops
// the radios and marks them; the settings come back; watching starts each radio as it answers; a backup goes
// into the folder chosen; Check Radios says which radio holds the file; --timing shows the longest stall.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <sstream>

#include "dialog_test.h"
#include "globals/globals.h"
#include "link/job_rules.h"
#include "port/simulated_radio.h"
#include "widgets/message_box.h"
#include "windows/link/production_table.h"
#include "windows/link/production_window.h"

using namespace lm;

namespace {

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

const PortRow& RowOf(TfProduction& w, const std::string& port) {
    for (const PortRow& row : w.Table().Rows())
        if (row.port == port) return row;
    static const PortRow none;
    return none;
}

void Choose(TfProduction& w, const std::vector<int>& radios) {
    for (const PortRow& row : w.Table().Rows())
        w.Table().Change(row.port, [](PortRow& r) { r.checked = false; });
    for (int n : radios) w.Table().Change(SimulatedPortName(n), [](PortRow& r) { r.checked = true; });
}

}  // namespace

class ProductionTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dlgtest::ResetProgramState(dir_.path());
        for (int n = 1; n <= kSimulatedRadios; ++n) ResetSimulatedRadio(PlausibleRadioMemory(), {}, n);
        QFile::remove(QString::fromStdString(Settings()));  // each test starts with the window's defaults
    }

    void enterWritesTheRadiosAndEnterAgainRetriesTheFailedOne() {
        sim::Faults forgetful;
        forgetful.forgetFrame = 3;  // the verify finds the frame's old bytes
        ResetSimulatedRadio(PlausibleRadioMemory(), forgetful, 3);
        const std::string log = dir_.filePath("fleet.csv").toStdString();
        ScriptedMessages messages;
        TfProduction w(nullptr, {gAll, gSession, "", Settings()});
        w.show();
        Choose(w, {1, 2, 3, 4, 5, 6, 7, 8});
        w.cbVerify->setChecked(true);
        w.cbNumber->setChecked(true);
        w.edIdFrom->setText("7");
        w.edIdStep->setText("1");
        w.edLog->setText(QString::fromStdString(log));

        QTest::keyClick(&w, Qt::Key_Return);
        QVERIFY(w.Running());
        QVERIFY(!w.btnStart->isEnabled());
        QVERIFY(dlgtest::SpinUntil([&] { return !w.Running(); }, 30000));
        QVERIFY(dlgtest::SpinUntil([&] { return w.btnRetry->isEnabled(); }, 1000));
        QCOMPARE(RowOf(w, SimulatedPortName(3)).state, PortRow::State::Failed);
        for (int n : {1, 2, 4, 8}) QCOMPARE(RowOf(w, SimulatedPortName(n)).state, PortRow::State::Done);
        QCOMPARE(RowOf(w, SimulatedPortName(4)).id, link::IdCodeText(10));
        QVERIFY2(w.edTotals->text().startsWith("Written: 7   Failed: 1"), qPrintable(w.edTotals->text()));
        QVERIFY(w.btnRetry->isDefault());
        QCOMPARE(Lines(log).size(), std::size_t{9});

        ResetSimulatedRadio(PlausibleRadioMemory(), {}, 3);  // the radio is mended
        const auto written2 = SimulatedRadio(2).BlocksWritten();
        QTest::keyClick(&w, Qt::Key_Return);
        QVERIFY(dlgtest::SpinUntil([&] { return !w.Running(); }, 30000));
        QCOMPARE(RowOf(w, SimulatedPortName(3)).state, PortRow::State::Done);
        QCOMPARE(RowOf(w, SimulatedPortName(3)).id, link::IdCodeText(9));  // the number it gave back
        QCOMPARE(SimulatedRadio(2).BlocksWritten(), written2);             // only the failed radio again
        QVERIFY(w.btnStart->isDefault());
        QCOMPARE(Lines(log).size(), std::size_t{10});
        QVERIFY(messages.shown().empty());
        qInfo("longest event-loop stall in the window, 8 radios: %lld us",
              static_cast<long long>(w.LongestStallUs()));
        QVERIFY(w.LongestStallUs() < 200'000);  // the goal is 20 ms; this only catches a blocked loop

        // The settings come back in the next window.
        w.reject();
        TfProduction next(nullptr, {gAll, gSession, "", Settings()});
        QCOMPARE(next.Table().CheckedPorts().size(), std::size_t{kSimulatedRadios});
        QCOMPARE(next.edLog->text(), QString::fromStdString(log));
        QVERIFY(next.cbNumber->isChecked());
    }

    void closingDuringAWriteAsksStopsAndMarksTheRadios() {
        ScriptedMessages messages;
        TfProduction w(nullptr, {gAll, gSession, "", Settings()});
        w.show();
        Choose(w, {2, 4});
        QVERIFY(w.StartWrite());
        QVERIFY(dlgtest::SpinUntil([&] { return RowOf(w, SimulatedPortName(4)).position > 5; }));
        messages.Answer(kAnswerNo);
        w.reject();
        QVERIFY(w.isVisible());
        QVERIFY(w.Running());
        messages.Answer(kAnswerYes);
        w.close();
        QCOMPARE(messages.shown().size(), std::size_t{2});
        QVERIFY(dlgtest::SpinUntil([&] { return !w.isVisible(); }, 5000));
        for (int n : {2, 4}) {
            const PortRow& row = RowOf(w, SimulatedPortName(n));
            QCOMPARE(row.state, PortRow::State::Failed);
            QVERIFY2(row.result.find("write it again") != std::string::npos, row.result.c_str());
        }
    }

    void watchingStartsEachRadioWhenItAnswers() {
        ScriptedMessages messages;
        SetSimulatedRadioAttached(5, false);
        TfProduction w(nullptr, {gAll, gSession, "", Settings()});
        w.show();
        Choose(w, {2, 5});
        w.cbWatch->setChecked(true);
        QVERIFY(w.StartWrite());
        QVERIFY(dlgtest::SpinUntil(
            [&] { return RowOf(w, SimulatedPortName(2)).step == "done: take the radio off"; }));
        QCOMPARE(RowOf(w, SimulatedPortName(2)).state, PortRow::State::Done);
        QCOMPARE(RowOf(w, SimulatedPortName(5)).step, std::string("waiting for a radio"));
        SetSimulatedRadioAttached(5, true);
        QVERIFY(
            dlgtest::SpinUntil([&] { return RowOf(w, SimulatedPortName(5)).state == PortRow::State::Done; }));
        QVERIFY(w.Running());
        QTest::mouseClick(w.btnStop, Qt::LeftButton);
        QVERIFY(dlgtest::SpinUntil([&] { return !w.Running(); }, 5000));
        QVERIFY2(w.edTotals->text().startsWith("Written: 2   Failed: 0"), qPrintable(w.edTotals->text()));
    }

    void aBackupThenCheckRadiosNamesTheRadioThatDiffers() {
        ScriptedMessages messages;
        TfProduction w(nullptr, {gAll, gSession, "", Settings(), true});
        w.show();
        Choose(w, {2});
        w.cbVerify->setChecked(false);
        w.cbNumber->setChecked(false);  // an ID code of its own would differ from the file
        QDir backups(dir_.filePath("backups"));
        QVERIFY(backups.mkpath("."));
        w.cbBackup->setChecked(true);
        w.edBackup->setText(backups.path());
        QVERIFY(w.StartWrite());
        QVERIFY(dlgtest::SpinUntil([&] { return !w.Running(); }, 30000));
        const QStringList saved = backups.entryList(QDir::Files);
        QCOMPARE(saved.size(), 1);
        QVERIFY2(saved[0].startsWith("SIMULATED-2-") && saved[0].endsWith(".dat"), qPrintable(saved[0]));
        QVERIFY2(w.edStatus->text().contains("Longest event-loop stall"), qPrintable(w.edStatus->text()));
        Choose(w, {2, 3});
        QTest::mouseClick(w.btnCheck, Qt::LeftButton);
        QVERIFY(dlgtest::SpinUntil([&] { return !w.Running(); }, 30000));
        QCOMPARE(RowOf(w, SimulatedPortName(2)).state, PortRow::State::Done);
        QCOMPARE(RowOf(w, SimulatedPortName(2)).result, std::string("matches"));
        QCOMPARE(RowOf(w, SimulatedPortName(3)).state, PortRow::State::Failed);
        QVERIFY2(RowOf(w, SimulatedPortName(3)).result.rfind("differs: ", 0) == 0,
                 RowOf(w, SimulatedPortName(3)).result.c_str());
    }

private:
    std::string Settings() const { return dir_.filePath("SysInfo.Ini").toStdString(); }

    QTemporaryDir dir_;
};

DLG_TEST(ProductionTest)
#include "production_test.moc"
