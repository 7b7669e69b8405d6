// The channel edit window and the tone picker: what they show of the engine's channel, and that each change
// goes through the engine as one step of the document.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/channel_form.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "tone_picker_helpers.h"
#include "widgets/message_box.h"
#include "windows/channels/info_edit.h"
#include "windows/channels/tone_option.h"

using namespace lm;

namespace {

// Channel n on rx with the given transmit tone and epilogue; the history starts after it.
void PutChannel(int n, const std::string& rx, const std::string& txTone = "",
                const std::string& epilogue = "1") {
    ChannelTexts texts = NewChannelTexts(rx);
    texts[cfTxTone] = txTone;
    texts[cfEpilogue] = epilogue;
    lm::SaveChannel(gAll, n, texts);
    gAll.Modified = false;
    gDocument.MarkReplaced();
}

// Types text into an edit as the user does and confirms it with Enter.
void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

using dlgtest::DoubleClick;
using dlgtest::VisibleGrid;

}  // namespace

class ChannelEditTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    template <typename T>
    T* Find(QWidget* w, const char* name) {
        return w->findChild<T*>(name);
    }

private slots:
    void init() {
        dlgtest::ResetProgramState(dir_.path());
        gDocument.MarkReplaced();
    }

    void emptyChannelStartedByItsReceiveFrequency() {
        gAll.CurrentChannel = 3;
        std::unique_ptr<QWidget> w(CreateChannelEditWindow(lm::gDocument));
        QCOMPARE(w->objectName(), QString("fInfoEdit"));
        QCOMPARE(Find<QSpinBox>(w.get(), "sexd")->value(), 3);
        QVERIFY(!Find<QLineEdit>(w.get(), "cxTx_Freq")->isEnabled());
        QVERIFY(!Find<QCheckBox>(w.get(), "cxScan")->isEnabled());
        QCOMPARE(Find<QComboBox>(w.get(), "cxRevTx")->currentText(), QString("ON"));

        ScriptedMessages messages;
        Type(Find<QLineEdit>(w.get(), "cxRx_Freq"), "460.007");
        QCOMPARE(LoadChannelTexts(gAll, 3), NewChannelTexts("460.00625"));  // High, the fixed default
        QVERIFY(gAll.Modified);
        QCOMPARE(gDocument.UndoName(), std::string("RX Frequency of channel 3"));
        QCOMPARE(Find<QLineEdit>(w.get(), "cxTx_Freq")->text(), QString("460.00625"));
        QVERIFY(Find<QCheckBox>(w.get(), "cxScan")->isEnabled());
        QCOMPARE(Find<QComboBox>(w.get(), "cxPower")->currentText(), QString("High"));
        QVERIFY(messages.shown().empty());

        // Outside the band: the warning under Caution, and the value kept.
        Type(Find<QLineEdit>(w.get(), "cxRx_Freq"), "480");
        QCOMPARE(messages.texts(), std::vector<std::string>{"Frequecy is Out of range."});
        QCOMPARE(messages.shown().at(0).caption, std::string("Caution"));
        QCOMPARE(LoadChannelTexts(gAll, 3)[cfRxFreq], std::string("480.00000"));
    }

    void aChangeIsOneStepAndTheWindowFollowsUndo() {
        PutChannel(1, "460.00625");
        std::unique_ptr<QWidget> w(CreateChannelEditWindow(lm::gDocument));
        auto* scan = Find<QCheckBox>(w.get(), "cxScan");
        QVERIFY(!scan->isChecked());  // stored 1: not in the scan list
        scan->click();
        QCOMPARE(LoadChannelTexts(gAll, 1)[cfScanAdd], std::string("0"));
        QCOMPARE(gDocument.UndoName(), std::string("Scan Add of channel 1"));

        auto* tx = Find<QLineEdit>(w.get(), "cxTx_Freq");
        Type(tx, "462,5");  // a typed comma is the decimal point, as in the grid
        QCOMPARE(LoadChannelTexts(gAll, 1)[cfTxFreq], std::string("462.50000"));
        QCOMPARE(tx->text(), QString("462.50000"));

        QVERIFY(gDocument.Undo());
        QCOMPARE(tx->text(), QString("460.00625"));
        QVERIFY(scan->isChecked());
        QVERIFY(gDocument.Undo());
        QVERIFY(!scan->isChecked());
        QVERIFY(!gDocument.CanUndo());

        // A change made elsewhere shows at once.
        gDocument.Apply("elsewhere", [](TALL& s) { SetOption(s, 1, cfPower, 0); });
        QCOMPARE(Find<QComboBox>(w.get(), "cxPower")->currentText(), QString("Low"));
    }

    void epilogueListFollowsTheTransmitTone() {
        PutChannel(2, "460.00625", "67.0", "2");
        gAll.CurrentChannel = 2;
        std::unique_ptr<QWidget> w(CreateChannelEditWindow(lm::gDocument));
        auto* epilogue = Find<QComboBox>(w.get(), "cxRevTx");
        QCOMPARE(Items(epilogue), QStringList({"OFF", "Type-1", "Type-2"}));
        QCOMPARE(epilogue->currentIndex(), 2);

        Type(Find<QComboBox>(w.get(), "cxTxDcts")->lineEdit(), "D023N");
        QCOMPARE(LoadChannelTexts(gAll, 2)[cfTxTone], std::string("D023N"));
        QCOMPARE(Items(epilogue), QStringList({"OFF", "ON"}));
        QCOMPARE(epilogue->currentText(), QString("ON"));
        QCOMPARE(LoadChannelTexts(gAll, 2)[cfEpilogue], std::string("1"));
        QCOMPARE(gDocument.UndoName(), std::string("QT/DQT Enc of channel 2"));

        Type(Find<QComboBox>(w.get(), "cxTxDcts")->lineEdit(), "88");
        QCOMPARE(Find<QComboBox>(w.get(), "cxTxDcts")->currentText(), QString("88.0"));
        QCOMPARE(Items(epilogue), QStringList({"OFF", "Type-1", "Type-2"}));
        QCOMPARE(epilogue->currentIndex(), 1);
    }

    void channelNumberIsPulledIntoRange() {
        PutChannel(16, "465.0");
        std::unique_ptr<QWidget> w(CreateChannelEditWindow(lm::gDocument));
        auto* sexd = Find<QSpinBox>(w.get(), "sexd");
        QCOMPARE(sexd->maximum(), 16);
        QLineEdit* line = sexd->findChild<QLineEdit*>();
        line->selectAll();
        QTest::keyClicks(line, "20");
        QTest::keyClick(line, Qt::Key_Return);
        QCOMPARE(sexd->value(), 16);
        QCOMPARE(gAll.CurrentChannel, 16);
        QCOMPARE(Find<QLineEdit>(w.get(), "cxRx_Freq")->text(), QString("465.00000"));
    }

    void pickerPicksValueCellsOnly() {
        TfToneOption picker;
        picker.FormShow();
        picker.show();
        QCOMPARE(Find<QGroupBox>(&picker, "gbList")->title(), QString("CTCSS"));
        QTableWidget* ctcss = VisibleGrid(picker);
        QCOMPARE(ctcss->objectName(), QString("gvCtcss"));
        DoubleClick(ctcss, 0, 2);  // the code XZ beside 67.0
        QVERIFY(picker.isVisible());
        QCOMPARE(picker.Result(), std::string());
        DoubleClick(ctcss, 3, 4);  // group 2, row 4
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.Result(), std::string("100.0"));

        picker.FormShow();
        picker.show();
        Find<QRadioButton>(&picker, "rDCSI")->click();
        QCOMPARE(Find<QGroupBox>(&picker, "gbList")->title(), QString("DCS-I"));
        QCOMPARE(VisibleGrid(picker)->objectName(), QString("gvDcsI"));
        DoubleClick(VisibleGrid(picker), 0, 1);
        QCOMPARE(picker.Result(), std::string("D023I"));

        picker.FormShow();
        picker.show();
        Find<QRadioButton>(&picker, "rDCSN")->click();
        DoubleClick(VisibleGrid(picker), 10, 15);  // an empty cell at the end
        QVERIFY(!picker.isVisible());
        QCOMPARE(picker.Result(), std::string());
    }

    void pickedToneIsStoredAtOnce() {
        PutChannel(1, "460.00625");
        std::unique_ptr<QWidget> w(CreateChannelEditWindow(lm::gDocument));
        w->show();
        dlgtest::WhenModal<TfToneOption>([](TfToneOption* picker) {
            DoubleClick(VisibleGrid(*picker), 8, 4);  // group 2, row 9
        });
        QTest::mouseDClick(Find<QComboBox>(w.get(), "cxRxDcts")->lineEdit(), Qt::LeftButton);
        QCOMPARE(LoadChannelTexts(gAll, 1)[cfRxTone], std::string("118.8"));
        QCOMPARE(gDocument.UndoName(), std::string("QT/DQT Dec of channel 1"));
        QVERIFY(gDocument.Undo());
        QVERIFY(!gDocument.CanUndo());
        QCOMPARE(Find<QComboBox>(w.get(), "cxRxDcts")->currentText(), QString("None"));
    }

    void listItemsAndNoneTranslated() {
        dlgtest::WriteFile(dir_.path(), "Test.Ini",
                           "[fInfoEdit]\r\ncxPower.0=Bas\r\ncxPower.2=Haut\r\ncxRxDcts.0=Aucun\r\n"
                           "cxRxDcts.1=x\r\ncxDcs.1=Oui\r\n");
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Test";
        PutChannel(1, "460.00625");
        std::unique_ptr<QWidget> w(CreateChannelEditWindow(lm::gDocument));
        QCOMPARE(Items(Find<QComboBox>(w.get(), "cxPower")), QStringList({"Bas", "Mid", "Haut"}));
        QCOMPARE(Find<QComboBox>(w.get(), "cxPower")->currentText(), QString("Haut"));
        auto* rxTone = Find<QComboBox>(w.get(), "cxRxDcts");
        QCOMPARE(rxTone->currentText(), QString("Aucun"));
        QCOMPARE(rxTone->itemText(1), QString("67.0"));  // only item 0 is translated
        QCOMPARE(Find<QComboBox>(w.get(), "cxRevTx")->currentText(), QString("Oui"));
        // The translated none is no tone to the engine.
        Find<QCheckBox>(w.get(), "cxBclo")->click();
        QCOMPARE(LoadChannelTexts(gAll, 1)[cfRxTone], std::string());
        QCOMPARE(LoadChannelTexts(gAll, 1)[cfBusyLock], std::string("0"));
    }
};

DLG_TEST(ChannelEditTest)
#include "channel_edit_test.moc"
