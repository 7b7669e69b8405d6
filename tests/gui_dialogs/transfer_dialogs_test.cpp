// The read and write dialogs against the simulated radio: behind a pseudo-terminal through the serial port,
// and in process through the "Simulated radio" port choice.
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "core/channel.h"
#include "core/memory_map.h"
#include "core/models.h"
#include "core/radio_info.h"
#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "integration/sim_fixture.h"
#include "port/simulated_radio.h"
#include "simulator/sim_options.h"
#include "widgets/message_box.h"
#include "windows/editors/info_msg.h"
#include "windows/link/read_radio_dialog.h"
#include "windows/link/write_radio_dialog.h"

using namespace lm;

namespace {

QPushButton* Button(QWidget* d, const char* name) { return d->findChild<QPushButton*>(name); }
QProgressBar* Bar(QWidget* d) { return d->findChild<QProgressBar*>("pBar"); }

// Shows the dialog, waits for its port, presses Ok.
void ShowAndPressOk(QDialog& d) {
    d.show();
    QTest::qWait(150);
    QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
}

bool SameRange(const ImageBytes& image, int first, const sim::Memory& memory, int address, int count) {
    return std::equal(image.begin() + first, image.begin() + first + count, memory.begin() + address);
}

}  // namespace

class TransferDialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() { dlgtest::ResetProgramState(dir_.path()); }

    void completedReadReplacesImage() {
        sim::Memory memory = PlausibleRadioMemory();
        memory[sim::kBandAddress] =
            static_cast<std::uint8_t>(lm::ProductCatalogue().Bands.CodeOf("400 - 420MHz"));
        test::SimThread sim(memory, {});
        gPreferences.PortName = sim.Start();
        QVERIFY(!gPreferences.PortName.empty());
        std::fill(gAll.Image.begin() + 497, gAll.Image.begin() + 513, 0x5A);
        gAll.Image[513] = 0x77;
        ScriptedMessages messages;

        TfReadRadio d(dlgtest::Target());
        QCOMPARE(Bar(&d)->maximum(), 31);
        QCOMPARE(d.size(), QSize(341, 66));
        ShowAndPressOk(d);
        QVERIFY(!Button(&d, "btnOk")->isEnabled());
        QVERIFY(!d.findChild<QLineEdit*>("cxPass")->isEnabled());
        QVERIFY(dlgtest::SpinUntil([&] { return !d.isVisible(); }, 20000));
        sim.Stop();

        QCOMPARE(messages.texts(), std::vector<std::string>{"Reading Completed."});
        QVERIFY(d.Succeeded());
        QCOMPARE(Bar(&d)->value(), 31);
        QCOMPARE(sim.radio().BlocksRead(), 31);
        QVERIFY(SameRange(gAll.Image, img::kChannelsFirst, memory, 16, 256));
        QVERIFY(SameRange(gAll.Image, img::kIdentFirst, memory, 432, 16));
        QVERIFY(SameRange(gAll.Image, img::kSerialText, memory, 464, 32));
        QVERIFY(
            std::all_of(gAll.Image.begin() + 497, gAll.Image.begin() + 513, [](auto b) { return b == 0; }));
        QCOMPARE(int(gAll.Image[513]), 0x77);
        QVERIFY(gAll.Modified);
        QCOMPARE(gAll.BandName, std::string("400 - 420MHz"));
        QCOMPARE(gAll.AreaCode, std::string("0100"));
        QCOMPARE(SerialNumberText(gAll.Image), std::string("LM418T-2404A0117"));
    }

    void failedReadChangesNothing() {
        sim::Faults faults;
        faults.silentAt = sim::Step::Block;
        faults.silentBlock = 5;
        sim::Memory memory = PlausibleRadioMemory();
        memory[sim::kBandAddress] =
            static_cast<std::uint8_t>(lm::ProductCatalogue().Bands.CodeOf("400 - 420MHz"));
        test::SimThread sim(memory, faults);
        gPreferences.PortName = sim.Start();
        const ImageBytes image = gAll.Image;
        ScriptedMessages messages;

        TfReadRadio d(dlgtest::Target());
        ShowAndPressOk(d);
        QVERIFY(dlgtest::SpinUntil([&] { return !d.isVisible(); }, 20000));
        QCOMPARE(messages.texts(),
                 std::vector<std::string>{"Please check all connections and communication port "
                                          "settings.\n\nOpen the Cable Check to find out why?"});
        QVERIFY(!d.Succeeded());
        QVERIFY(gAll.Image == image);
        QVERIFY(!gAll.Modified);
        QCOMPARE(gAll.BandName, std::string("450 - 470MHz"));
    }

    void portErrorClosesTheDialog() {
        gPreferences.PortName = dir_.filePath("no-such-port").toStdString();
        ScriptedMessages messages;
        for (int kind = 0; kind < 2; ++kind) {
            messages.Clear();
            std::unique_ptr<QDialog> d;
            if (kind == 0)
                d = std::make_unique<TfReadRadio>(dlgtest::Target());
            else
                d = std::make_unique<TfWriteRadio>(dlgtest::Target());
            QElapsedTimer t;
            t.start();
            d->show();
            QVERIFY(dlgtest::SpinUntil([&] { return !d->isVisible(); }, 3000));
            QVERIFY(t.elapsed() >= 300);
            // The message says why on a line of its own.
            const std::string why = "There is no serial port " + gPreferences.PortName + ".";
            QCOMPARE(messages.texts(), std::vector<std::string>{"Cannot Open Communication Port.\n" + why +
                                                                "\n\nOpen the Cable Check to find out why?"});
        }
    }

    void cancelDuringBlocksLeavesImage() {
        sim::RunnerOptions paced;
        paced.paced = true;
        test::SimThread sim(PlausibleRadioMemory(), {}, paced);
        gPreferences.PortName = sim.Start();
        const ImageBytes image = gAll.Image;
        ScriptedMessages messages;

        TfReadRadio d(dlgtest::Target());
        ShowAndPressOk(d);
        QVERIFY(dlgtest::SpinUntil([&] { return Bar(&d)->value() >= 4; }, 20000));
        QTest::mouseClick(Button(&d, "btnCancel"), Qt::LeftButton);
        QVERIFY(!d.isVisible());  // at once, in the middle of the block phase
        QTest::qWait(600);        // the engine's timers are void now
        QVERIFY(messages.shown().empty());
        QVERIFY(!d.Succeeded());
        QVERIFY(gAll.Image == image);
        QVERIFY(!gAll.Modified);
    }

    void writeStaysOpenForTheNextRadio() {
        test::SimThread sim(sim::DefaultRadioMemory(), {});
        gPreferences.PortName = sim.Start();
        EncodeChannelField(lm::gAll, 1, cfRxFreq, "462.56250");
        EncodeChannelField(lm::gAll, 1, cfTxFreq, "462.56250");
        gAll.Modified = false;
        ScriptedMessages messages;

        TfWriteRadio d(dlgtest::Target());
        QCOMPARE(Bar(&d)->maximum(), 56);
        ShowAndPressOk(d);
        QVERIFY(dlgtest::SpinUntil([&] { return !messages.shown().empty(); }, 20000));
        QCOMPARE(messages.texts(), std::vector<std::string>{"Writing Completed."});
        QVERIFY(d.isVisible());
        QCOMPARE(Bar(&d)->value(), 0);
        QVERIFY(!Button(&d, "btnOk")->isEnabled());
        QVERIFY(dlgtest::SpinUntil([&] { return Button(&d, "btnOk")->isEnabled(); }, 2000));
        QVERIFY(d.findChild<QLineEdit*>("cxPass")->isEnabled());

        // The next radio: the image changed meanwhile.
        EncodeChannelField(lm::gAll, 2, cfRxFreq, "455.00000");
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(dlgtest::SpinUntil([&] { return messages.shown().size() == 2; }, 20000));
        QCOMPARE(messages.texts().back(), std::string("Writing Completed."));
        QCOMPARE(d.Completed(), 2);
        QTest::mouseClick(Button(&d, "btnCancel"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        sim.Stop();

        QCOMPARE(sim.radio().BlocksWritten(), 116);
        QVERIFY(SameRange(gAll.Image, 1, sim.radio().memory(), 0, 464));
        QVERIFY(!gAll.Modified);
    }

    void unknownModelKeepsReadOpen() {
        sim::Memory memory = PlausibleRadioMemory();
        std::copy_n("XX99", 4, memory.begin() + sim::kIdentAddress + 1);
        test::SimThread sim(memory, {});
        gPreferences.PortName = sim.Start();
        const ImageBytes image = gAll.Image;
        ScriptedMessages messages;

        TfReadRadio d(dlgtest::Target());
        ShowAndPressOk(d);
        QVERIFY(dlgtest::SpinUntil([&] { return !messages.shown().empty(); }, 10000));
        QTest::qWait(600);
        QCOMPARE(messages.texts(), std::vector<std::string>{"Model Type Wrong."});
        QVERIFY(d.isVisible());
        QVERIFY(!Button(&d, "btnOk")->isEnabled());
        QTest::mouseClick(Button(&d, "btnCancel"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QVERIFY(gAll.Image == image);
    }

    void refusedPasswordThenRightOne() {
        sim::Memory memory = sim::DefaultRadioMemory();
        const auto password = sim::EncodeRadioPassword("1234", 0x21);
        std::copy(password.begin(), password.end(), memory.begin() + sim::kPasswordAddress);
        test::SimThread sim(memory, {});
        gPreferences.PortName = sim.Start();
        ScriptedMessages messages;

        TfWriteRadio d(dlgtest::Target());
        d.show();
        QTest::qWait(150);
        auto* pass = d.findChild<QLineEdit*>("cxPass");
        QTest::keyClicks(pass, "99");
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(dlgtest::SpinUntil([&] { return !messages.shown().empty(); }, 10000));
        QCOMPARE(messages.texts(), std::vector<std::string>{"Pass Word Wrong."});
        QVERIFY(
            dlgtest::SpinUntil([&] { return Button(&d, "btnOk")->isEnabled() && pass->isEnabled(); }, 2000));

        // The right password, and a new one for the radio.
        pass->clear();
        QTest::keyClicks(pass, "1234");
        QTest::mouseClick(d.findChild<QWidget*>("cxUpd"), Qt::LeftButton, {}, QPoint(5, 8));
        QTest::keyClicks(d.findChild<QLineEdit*>("cxNew"), "5678");
        QTest::mouseClick(Button(&d, "btnOk"), Qt::LeftButton);
        QVERIFY(dlgtest::SpinUntil([&] { return messages.shown().size() == 2; }, 20000));
        QCOMPARE(messages.texts().back(), std::string("Writing Completed."));
        QCOMPARE(d.Engine()->PasswordWritten(), std::string("5678"));
        QTest::mouseClick(Button(&d, "btnCancel"), Qt::LeftButton);
        sim.Stop();
        QCOMPARE(sim::DecodeRadioPassword(&sim.radio().memory()[sim::kPasswordAddress]), std::string("5678"));
    }

    void simulatedRadioRoundTrip() {
        ResetSimulatedRadio(PlausibleRadioMemory());
        gPreferences.PortName = kSimulatedPortName;
        ScriptedMessages messages;

        dlgtest::WhenModal<TfReadRadio>([](TfReadRadio* d) {
            QTimer::singleShot(100, d, [d] { QTest::mouseClick(Button(d, "btnOk"), Qt::LeftButton); });
        });
        QVERIFY(RunReadDialog(nullptr, dlgtest::Target()));
        QCOMPARE(messages.texts(), std::vector<std::string>{dlgtest::kReadOkSimulated});
        TChannel ch;
        QVERIFY(DecodeChannel(&gAll.Image[16 * 1 + 1], ch));
        QCOMPARE(FormatFreq(ch.RxFreq), std::string("460.12500"));
        QCOMPARE(ch.RxTone, std::string("67.0"));
        QVERIFY(!DecodeChannel(&gAll.Image[16 * 9 + 1], ch));  // channel 9 is free
        QCOMPARE(SerialNumberText(gAll.Image), std::string("LM418T-2404A0117"));
        QVERIFY(!gAll.AreaText.empty());

        // Write a change back, then read it again from the same simulated radio.
        EncodeChannelField(lm::gAll, 9, cfRxFreq, "469.97500");
        messages.Clear();
        dlgtest::WhenModal<TfWriteRadio>([&messages](TfWriteRadio* d) {
            QTimer::singleShot(100, d, [d, &messages] {
                QTest::mouseClick(Button(d, "btnOk"), Qt::LeftButton);
                dlgtest::SpinUntil([&] { return !messages.shown().empty(); }, 20000);
                QTest::mouseClick(Button(d, "btnCancel"), Qt::LeftButton);
            });
        });
        RunWriteDialog(nullptr, dlgtest::Target());
        QCOMPARE(messages.texts(), std::vector<std::string>{dlgtest::kWriteOkSimulated});

        NewImage(lm::gAll);
        messages.Clear();
        dlgtest::WhenModal<TfReadRadio>([](TfReadRadio* d) {
            QTimer::singleShot(100, d, [d] { QTest::mouseClick(Button(d, "btnOk"), Qt::LeftButton); });
        });
        QVERIFY(RunReadDialog(nullptr, dlgtest::Target()));
        QVERIFY(DecodeChannel(&gAll.Image[16 * 9 + 1], ch));
        QCOMPARE(FormatFreq(ch.RxFreq), std::string("469.97500"));
    }
};

DLG_TEST(TransferDialogsTest)
#include "transfer_dialogs_test.moc"
