// The Cable Check window: it checks the chosen port and copies its report; a read that gets no answer offers
// it, and it opens once the read has let go of the port.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "dialog_test.h"
#include "globals/globals.h"
#include "port/simulated_radio.h"
#include "widgets/message_box.h"
#include "windows/link/cable_check_window.h"
#include "windows/link/read_radio_dialog.h"

using namespace lm;

class CableCheckTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dlgtest::ResetProgramState(dir_.path());
        ResetSimulatedRadio(PlausibleRadioMemory());
    }

    void checksTheChosenPortAndCopiesTheReport() {
        TfCableCheck window(nullptr, gSession, kSimulatedPortName);
        QCOMPARE(window.cbPort->currentData().toString(), QString(kSimulatedPortName));
        window.show();
        window.Check();
        QVERIFY(!window.btnCheck->isEnabled());
        QVERIFY(dlgtest::SpinUntil([&] { return !window.Checking(); }));
        QVERIFY2(window.ReportText().contains("SIMULATED: ready: LM-418T radio answered"),
                 qPrintable(window.ReportText()));
        QTest::mouseClick(window.btnCopy, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), window.ReportText());
    }

    void aReadWithoutAnswerOffersTheCableCheck() {
        gPreferences.PortName = dir_.filePath("no-such-port").toStdString();
        ScriptedMessages messages;
        for (const MessageAnswer answer : {kAnswerNo, kAnswerYes}) {
            messages.Clear();
            messages.Answer(answer);
            QString checkedPort;
            dlgtest::WhenModal<TfCableCheck>([&checkedPort](TfCableCheck* w) {
                checkedPort = w->cbPort->currentData().toString();
                w->reject();
            });
            {
                TfReadRadio read(dlgtest::Target());
                read.show();
                QVERIFY(dlgtest::SpinUntil([&] { return !read.isVisible(); }, 3000));
            }
            QCOMPARE(messages.shown().size(), std::size_t{1});
            QCOMPARE(messages.shown()[0].kind, kMessageQuestion);
            QTest::qWait(300);
            // Yes opens the Cable Check on the read's port, once the read dialog has closed it; No does not.
            QCOMPARE(checkedPort,
                     answer == kAnswerYes ? QString::fromStdString(gPreferences.PortName) : QString());
        }
    }

private:
    QTemporaryDir dir_;
};

DLG_TEST(CableCheckTest)
#include "cable_check_test.moc"
