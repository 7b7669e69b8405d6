// The write dialog against the built-in simulated radio: its controls, the progress bar around the completion
// message, the controls for the next radio, the time stamp, a radio of another model, a new password that
// cannot be stored, and a line error that leaves the dialog open.
#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <ctime>

#include "core/memory_map.h"
#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "link/sim/radio.h"
#include "port/simulated_radio.h"
#include "transfer_helpers.h"
#include "windows/link/write_radio_dialog.h"

using namespace lm;
using namespace dlgtest;

namespace {

// The connection message, with the offer of the Cable Check.
constexpr const char* kComErrorText =
    "Please check all connections and communication port settings.\n\nOpen the Cable Check to find out why?";

QCheckBox* Update(QWidget* d) { return d->findChild<QCheckBox*>("cxUpd"); }

bool ControlsEnabled(QWidget* d) {
    return Button(d, "btnOk")->isEnabled() && Edit(d, "cxPass")->isEnabled() && Update(d)->isEnabled();
}

bool ControlsDisabled(QWidget* d) {
    return !Button(d, "btnOk")->isEnabled() && !Edit(d, "cxPass")->isEnabled() &&
           !Edit(d, "cxNew")->isEnabled();
}

std::time_t Seconds(const std::string& stamp) {
    std::tm tm{};
    if (std::sscanf(stamp.c_str(), "%d-%d-%d %d:%d:%d", &tm.tm_year, &tm.tm_mon, &tm.tm_mday, &tm.tm_hour,
                    &tm.tm_min, &tm.tm_sec) != 6)
        return 0;
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    tm.tm_isdst = -1;
    return std::mktime(&tm);
}

}  // namespace

class WriteDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() {
        ResetProgramState(dir_.path());
        gPreferences.PortName = kSimulatedPortName;
        ResetSimulatedRadio(PlausibleRadioMemory());
    }

    void controlsAndLayout() {
        TfWriteRadio d(dlgtest::Target());
        QCOMPARE(d.objectName(), QString("fWriteRadio"));
        QCOMPARE(d.windowTitle(), QString("Write data to radio"));
        QCOMPARE(d.size(), QSize(354, 71));
        QCOMPARE(Bar(&d)->geometry().topLeft(), QPoint(9, 13));
        QCOMPARE(Bar(&d)->width(), 325);
        QCOMPARE(Bar(&d)->maximum(), 56);
        QCOMPARE(Button(&d, "btnOk")->pos(), QPoint(165, 39));
        QCOMPARE(Button(&d, "btnCancel")->pos(), QPoint(249, 39));
        QCOMPARE(d.findChild<QLabel*>("Label1")->text(), QString("Pass Word:"));
        QCOMPARE(d.findChild<QLabel*>("Label2")->text(), QString("New Pass Word:"));
        QCOMPARE(Edit(&d, "cxPass")->y(), 75);
        QCOMPARE(Edit(&d, "cxNew")->y(), 104);
        QCOMPARE(Update(&d)->y(), 104);
        QVERIFY(Update(&d)->text().isEmpty());
        QVERIFY(!Update(&d)->isChecked());
        QVERIFY(!Edit(&d, "cxNew")->isEnabled());
        QCOMPARE(Edit(&d, "cxNew")->maxLength(), 10);
        QCOMPARE(Edit(&d, "cxNew")->echoMode(), QLineEdit::Password);
        QVERIFY(!d.findChild<QLabel*>("lDigits")->isVisibleTo(&d));

        // Tab reaches the rows below the client area: the password, the new password's box, the new password.
        ShowDialog(d);
        QApplication::setActiveWindow(&d);
        Button(&d, "btnCancel")->setFocus();
        QVERIFY(Button(&d, "btnPass")->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Edit(&d, "cxPass"));
        // Reaching the rows shows them: the dialog grows down to the new password's row.
        QCOMPARE(d.height(), Edit(&d, "cxNew")->geometry().bottom() + 1 + 8);
        QVERIFY(!Button(&d, "btnPass")->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Update(&d));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(Update(&d)->isChecked() && Edit(&d, "cxNew")->isEnabled());
    }

    void completedWriteReadyForTheNextRadio() {
        std::fill(gAll.Image.begin() + img::kWriteStamp, gAll.Image.begin() + img::kWriteStamp + 16, 0xFF);
        PackTimestamp(lm::gAll.Image, "2001-01-01 00:00:00", img::kWriteStamp);
        gAll.Modified = false;
        TimedMessages messages;
        LoopWatch watch;
        TfWriteRadio d(dlgtest::Target());
        messages.Watch(Bar(&d));
        ShowDialog(d);
        QTest::mouseClick(Update(&d), Qt::LeftButton, {}, QPoint(5, 8));
        QTest::keyClicks(Edit(&d, "cxNew"), "42");
        const std::time_t before = std::time(nullptr);
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(SpinUntil([&] { return ControlsDisabled(&d); }, 2000));
        QVERIFY(!Update(&d)->isEnabled());  // the new password cannot change under a running transfer
        QVERIFY(SpinUntil([&] { return !messages.shown().empty(); }, 20000));
        const std::time_t after = std::time(nullptr);

        QCOMPARE(messages.texts(), std::vector<std::string>{kWriteOkSimulated});
        QCOMPARE(messages.barAtMessage, std::vector<int>{56});
        QCOMPARE(Bar(&d)->value(), 0);  // empty once the message has been closed
        QVERIFY(ControlsDisabled(&d));
        QVERIFY(SpinUntil([&] { return ControlsEnabled(&d); }, 2000));
        QVERIFY(messages.Now() - messages.closedAtMs[0] >= 495);  // 500 ms after the message
        QVERIFY(Edit(&d, "cxNew")->isEnabled());                  // the box is still checked
        QVERIFY(d.isVisible());
        QVERIFY(Button(&d, "btnOk")->hasFocus());  // back from Cancel, where disabling Ok had moved it
        QVERIFY2(watch.LongestGapMs() < 400, qPrintable(QString::number(watch.LongestGapMs())));

        const std::time_t stamp = Seconds(UnpackTimestamp(lm::gAll.Image, img::kWriteStamp));
        QVERIFY(stamp >= before - 1 && stamp <= after + 1);
        const sim::Memory& radio = SimulatedRadio().memory();
        QVERIFY(std::equal(gAll.Image.begin() + 1, gAll.Image.begin() + 465, radio.begin()));
        QCOMPARE(sim::DecodeRadioPassword(&radio[sim::kPasswordAddress]), std::string("42"));
        QVERIFY(!gAll.Modified);

        // Unchecking the box for the next radio disables the new password again, and it stays disabled when
        // the controls come back; that radio keeps its own password.
        QTest::mouseClick(Update(&d), Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(!Edit(&d, "cxNew")->isEnabled());
        QTest::keyClick(Update(&d),
                        Qt::Key_Return);  // Enter is Ok, the default button, wherever the focus is
        QVERIFY(SpinUntil([&] { return messages.shown().size() == 2; }, 20000));
        QVERIFY(SpinUntil([&] { return ControlsEnabled(&d); }, 2000));
        QVERIFY(!Edit(&d, "cxNew")->isEnabled());
        QCOMPARE(d.Completed(), 2);
        QCOMPARE(sim::DecodeRadioPassword(&radio[sim::kPasswordAddress]), std::string("42"));
        QTest::mouseClick(Button(&d, "btnCancel"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }

    void otherModelClosesTheWrite() {
        sim::Memory memory = PlausibleRadioMemory();
        std::copy_n("XX99", 4, memory.begin() + sim::kIdentAddress + 1);
        ResetSimulatedRadio(memory);
        TimedMessages messages;
        TfWriteRadio d(dlgtest::Target());
        ShowDialog(d);
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(SpinUntil([&] { return !d.isVisible(); }, 10000));
        QCOMPARE(messages.texts(), std::vector<std::string>{"Model Type Wrong."});
        QVERIFY(messages.Now() - messages.closedAtMs[0] >= 295);
        QCOMPARE(Count(SimulatedRadio().log(), "write"), 0);
        QCOMPARE(SimulatedRadio().memory()[sim::kIdentAddress + 1], std::uint8_t('X'));
    }

    void newPasswordOfOtherCharactersIsRefused() {
        gAll.Image[img::kIdentFirst] = 0;  // WriteIdent runs all the same
        ScriptedMessages messages;
        TfWriteRadio d(dlgtest::Target());
        ShowDialog(d);
        QTest::mouseClick(Update(&d), Qt::LeftButton, {}, QPoint(5, 8));
        QTest::keyClicks(Edit(&d, "cxNew"), "1.2");
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(SpinUntil([&] { return !messages.shown().empty(); }, 2000));
        QCOMPARE(messages.texts(), std::vector<std::string>{
                                       "The new password may contain only the digits 0 to 9 (at most 10)."});
        QTest::qWait(700);
        QVERIFY(SimulatedRadio().log().empty());  // nothing was sent
        QVERIFY(ControlsEnabled(&d) && Edit(&d, "cxNew")->isEnabled());
        QVERIFY(d.isVisible());
        QCOMPARE(int(gAll.Image[img::kIdentFirst]), int('P'));

        // The message is the dialog's own text, so the language file can translate it.
        WriteFile(dir_.path(), "Test.Ini", "[fWriteRadio]\r\nlDigits.Caption=Digits only, please.\r\n");
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Test";
        messages.Clear();
        TfWriteRadio translated(dlgtest::Target());
        ShowDialog(translated);
        QTest::mouseClick(Update(&translated), Qt::LeftButton, {}, QPoint(5, 8));
        QTest::keyClicks(Edit(&translated, "cxNew"), ".");
        QTest::mouseClick(Button(&translated, "btnOk"), Qt::LeftButton);
        QVERIFY(SpinUntil([&] { return !messages.shown().empty(); }, 2000));
        QCOMPARE(messages.texts(), std::vector<std::string>{"Digits only, please."});
    }

    void lineErrorLeavesTheDialogOpen() {
        ScriptedMessages messages;
        TfWriteRadio d(dlgtest::Target());
        ShowDialog(d);
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(SpinUntil([&] { return Bar(&d)->value() >= 3; }, 10000));
        emit Line(&d)->lineError();
        QVERIFY(SpinUntil([&] { return !messages.shown().empty(); }, 2000));
        QCOMPARE(messages.texts(), std::vector<std::string>{kComErrorText});
        emit Line(&d)->lineError();  // one message per transfer
        QTest::qWait(1000);
        QCOMPARE(messages.shown().size(), std::size_t(1));
        QVERIFY(d.isVisible());
        QVERIFY(ControlsDisabled(&d));
        const int written = Count(SimulatedRadio().log(), "write");
        QVERIFY(written >= 3 && written < 58);
        QTest::mouseClick(Button(&d, "btnCancel"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
    }

private:
    static int Count(const std::vector<std::string>& log, const std::string& prefix) {
        return static_cast<int>(std::count_if(log.begin(), log.end(),
                                              [&](const std::string& s) { return s.rfind(prefix, 0) == 0; }));
    }
};

DLG_TEST(WriteDialogTest)
#include "write_dialog_test.moc"
