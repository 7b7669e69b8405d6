// The read dialog against the built-in simulated radio: its controls, the progress bar at the end, closing
// 300 ms after a message, the password entry and the area in its refusal, the automatic restart after a first
// line error, and Cancel at any moment while the event loop keeps turning.
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "link/sim/radio.h"
#include "port/simulated_radio.h"
#include "transfer_helpers.h"
#include "windows/link/read_radio_dialog.h"

using namespace lm;
using namespace dlgtest;

namespace {

// The connection message, with the offer of the Cable Check.
constexpr const char* kComErrorText =
    "Please check all connections and communication port settings.\n\nOpen the Cable Check to find out why?";

sim::Memory RadioWithPassword(const std::string& digits) {
    sim::Memory memory = PlausibleRadioMemory();
    const auto password = sim::EncodeRadioPassword(digits, 0x3C);
    std::copy(password.begin(), password.end(), memory.begin() + sim::kPasswordAddress);
    return memory;
}

int Count(const std::vector<std::string>& log, const std::string& prefix) {
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const std::string& s) { return s.rfind(prefix, 0) == 0; }));
}

}  // namespace

class ReadDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() {
        ResetProgramState(dir_.path());
        gPreferences.PortName = kSimulatedPortName;
        ResetSimulatedRadio(PlausibleRadioMemory());
    }

    void controlsAndLayout() {
        TfReadRadio d(dlgtest::Target());
        QCOMPARE(d.objectName(), QString("fReadRadio"));
        QCOMPARE(d.windowTitle(), QString("Read data From radio"));
        QCOMPARE(d.size(), QSize(341, 66));
        QCOMPARE(Bar(&d)->geometry().topLeft(), QPoint(9, 10));
        QCOMPARE(Bar(&d)->width(), 325);
        QCOMPARE(Bar(&d)->maximum(), 31);
        QCOMPARE(Button(&d, "btnOk")->text(), QString("&Ok"));
        QCOMPARE(Button(&d, "btnOk")->pos(), QPoint(169, 36));
        QCOMPARE(Button(&d, "btnCancel")->text(), QString("&Cancel"));
        QCOMPARE(Button(&d, "btnCancel")->pos(), QPoint(254, 35));
        QCOMPARE(d.findChild<QLabel*>("Label1")->text(), QString("Pass Word:"));
        QCOMPARE(d.findChild<QLabel*>("Label1")->y(), 68);
        QCOMPARE(Edit(&d, "cxPass")->y(), 68);  // just below the client area
        QVERIFY(!d.findChild<QLabel*>("lArea")->isVisibleTo(&d));
        QCOMPARE(d.findChild<QLabel*>("lArea")->text(), QString("Area"));
        QVERIFY(!(d.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(d.windowFlags() & Qt::WindowMinimizeButtonHint));

        // The password edit below the client area takes the focus with the Tab key.
        ShowDialog(d);
        QApplication::setActiveWindow(&d);
        Button(&d, "btnOk")->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Button(&d, "btnCancel"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), Edit(&d, "cxPass"));
        QTest::keyClicks(Edit(&d, "cxPass"), "12");
        QCOMPARE(Edit(&d, "cxPass")->text(), QString("12"));
    }

    void completedReadKeepsTheLoopTurning() {
        TimedMessages messages;
        LoopWatch watch;
        TfReadRadio d(dlgtest::Target());
        messages.Watch(Bar(&d));
        ShowDialog(d);
        QCOMPARE(d.windowTitle(),
                 QString("Read data From radio - Simulated radio"));  // no radio is connected
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(!Button(&d, "btnOk")->isEnabled());
        QVERIFY(SpinUntil([&] { return !d.isVisible(); }, 20000));
        const qint64 closedAt = messages.Now();

        QCOMPARE(messages.texts(), std::vector<std::string>{kReadOkSimulated});
        QCOMPARE(messages.barAtMessage, std::vector<int>{31});  // full before the message
        QVERIFY2(closedAt - messages.closedAtMs[0] >= 295, "the dialog closes 300 ms after the message");
        QVERIFY(closedAt - messages.closedAtMs[0] < 1500);
        QVERIFY(d.Succeeded());
        QCOMPARE(Count(SimulatedRadio().log(), "read"), 31);
        QCOMPARE(SimulatedRadio().log().back(), std::string("end"));
        // No step of the transfer blocks the window (the pauses of 450 ms and 50 ms are timers); the bound
        // leaves room for a busy machine.
        QVERIFY2(watch.LongestGapMs() < 400, qPrintable(QString::number(watch.LongestGapMs())));
    }

    void passwordEntryAndRefusal() {
        ResetSimulatedRadio(RadioWithPassword("1234"));
        const ImageBytes image = gAll.Image;
        {
            TimedMessages messages;
            TfReadRadio d(dlgtest::Target());
            ShowDialog(d);
            QCOMPARE(d.height(), 66);
            QTest::keyClicks(Edit(&d, "cxPass"), "99");
            QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
            // The refusal leaves the dialog open, grown to show the password row, with the focus in the edit.
            QVERIFY(SpinUntil([&] { return !messages.shown().empty() && Edit(&d, "cxPass")->hasFocus(); },
                              10000));
            QCOMPARE(messages.texts(), std::vector<std::string>{"Pass Word Wrong.\nArea Beijing    "});
            QVERIFY(d.isVisible());
            QVERIFY(d.height() > Edit(&d, "cxPass")->geometry().bottom());
            QVERIFY(!d.Succeeded());
            QVERIFY(gAll.Image == image);
            QVERIFY(!gAll.Modified);
        }
        QTest::qWait(1000);  // as a user would take to try again: the radio has dropped the refused session
        {
            ScriptedMessages messages;
            TfReadRadio d(dlgtest::Target());
            ShowDialog(d);
            QTest::keyClicks(Edit(&d, "cxPass"), "1234");
            QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
            QVERIFY(SpinUntil([&] { return !d.isVisible(); }, 20000));
            QCOMPARE(messages.texts(), std::vector<std::string>{kReadOkSimulated});
            QVERIFY(d.Succeeded());
            QCOMPARE(gSession.LastPassword, std::string("1234"));
        }
        // The area part opens with the caption of the hidden label, as the language file has it.
        WriteFile(dir_.path(), "Test.Ini", "[fReadRadio]\r\nlArea.Caption=Region\r\n");
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Test";
        ScriptedMessages messages;
        TfReadRadio d(dlgtest::Target());
        ShowDialog(d);
        QTest::keyClicks(Edit(&d, "cxPass"), "5");
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(SpinUntil([&] { return !messages.texts().empty(); }, 10000));
        QCOMPARE(messages.texts().size(), std::size_t(1));
        QVERIFY(messages.texts()[0].rfind("Pass Word Wrong.\nRegion ", 0) == 0);
    }

    void lineErrorBeforeOkStartsTheReadOnce() {
        ScriptedMessages messages;
        TfReadRadio d(dlgtest::Target());
        ShowDialog(d);
        QElapsedTimer t;
        t.start();
        emit Line(&d)->lineError();
        QVERIFY(SpinUntil([&] { return !Button(&d, "btnOk")->isEnabled(); }, 2000));
        QVERIFY(t.elapsed() >= 450);  // the restart comes 500 ms later, by itself
        QVERIFY(SpinUntil([&] { return !d.isVisible(); }, 20000));
        QCOMPARE(messages.texts(), std::vector<std::string>{kReadOkSimulated});
        QVERIFY(d.Succeeded());
    }

    void secondLineErrorEndsTheRead() {
        const ImageBytes image = gAll.Image;
        ScriptedMessages messages;
        TfReadRadio d(dlgtest::Target());
        ShowDialog(d);
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(SpinUntil([&] { return Bar(&d)->value() >= 3; }, 10000));
        emit Line(&d)->lineError();  // the first: the transfer starts again from the wake-up frame
        QVERIFY(SpinUntil([&] { return Count(SimulatedRadio().log(), "wake") == 2; }, 3000));
        QVERIFY(SpinUntil([&] { return Bar(&d)->value() >= 3; }, 10000));
        QVERIFY(messages.shown().empty());
        emit Line(&d)->lineError();  // the second is not retried
        QVERIFY(SpinUntil([&] { return !d.isVisible(); }, 3000));
        QCOMPARE(messages.texts(), std::vector<std::string>{kComErrorText});
        QCOMPARE(Count(SimulatedRadio().log(), "wake"), 2);
        QVERIFY(!d.Succeeded());
        QVERIFY(gAll.Image == image);
        QVERIFY(!gAll.Modified);
    }

    void cancelAtAnyMoment() {
        ScriptedMessages messages;
        {
            // In the pause after Ok, before anything has been sent.
            TfReadRadio d(dlgtest::Target());
            ShowDialog(d);
            QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
            QTest::qWait(100);
            QTest::mouseClick(Button(&d, "btnCancel"), Qt::LeftButton);
            QVERIFY(!d.isVisible());
            QTest::qWait(700);
            QVERIFY(SimulatedRadio().log().empty());
        }
        {
            // In the pause of 2.5 s that follows a handshake time-out, before its message.
            sim::Faults silent;
            silent.silentAt = sim::Step::Wake;
            ResetSimulatedRadio(PlausibleRadioMemory(), silent);
            TfReadRadio d(dlgtest::Target());
            ShowDialog(d);
            QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
            QTest::qWait(1500);
            QVERIFY(d.isVisible());
            QTest::mouseClick(Button(&d, "btnCancel"), Qt::LeftButton);
            QVERIFY(!d.isVisible());
            QTest::qWait(2500);
            QVERIFY(messages.shown().empty());
            QVERIFY(!d.Succeeded());
        }
        // Without Cancel the same radio gets its message after the pause, and the dialog closes.
        TfReadRadio d(dlgtest::Target());
        ShowDialog(d);
        QElapsedTimer t;
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        t.start();
        QVERIFY(SpinUntil([&] { return !d.isVisible(); }, 10000));
        QCOMPARE(messages.texts(), std::vector<std::string>{kComErrorText});
        QVERIFY(t.elapsed() >= 450 + 500 + 2500 + 300);
    }
};

DLG_TEST(ReadDialogTest)
#include "read_dialog_test.moc"
