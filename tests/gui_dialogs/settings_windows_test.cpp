// The function settings windows: binding to the image, one undo step per change, the loading guard, the key
// lists after a translation, the scan window's size and the DTMF window's fields.
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "windows/editors/dtmf.h"
#include "windows/editors/function_windows.h"

using namespace lm;

namespace {

QComboBox* Combo(QWidget* w, const char* name) { return w->findChild<QComboBox*>(name); }
QStringList Items(QComboBox* c) {
    QStringList items;
    for (int i = 0; i < c->count(); ++i) items << c->itemText(i);
    return items;
}

}  // namespace

class SettingsWindowsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() {
        dlgtest::ResetProgramState(dir_.path());
        NewImageAt(gAll, "2024-06-01 08:09:10");
        gAll.Modified = false;
        gDocument.MarkReplaced();
    }

    void keyWindowLoadsAndStoresEveryValueAsOneStep() {
        gAll.Image[306] = 5;  // "Light", which layout 3 does not offer
        std::unique_ptr<QWidget> w(CreateKeyFunctionWindow(lm::gDocument));
        QVERIFY(!gDocument.CanUndo());  // loading stores nothing
        QCOMPARE(Combo(w.get(), "cxLongTime")->currentText(), QString("2.0"));
        QCOMPARE(Combo(w.get(), "cxKey1_S")->currentText(), QString("Off"));
        QCOMPARE(Combo(w.get(), "cxKey1_L")->currentText(), QString("Transient Monmome"));
        QCOMPARE(Combo(w.get(), "cxKey2_L")->currentText(), QString("Scrambler"));
        QVERIFY(!Items(Combo(w.get(), "cxKey2_S")).contains("Light"));
        QCOMPARE(gAll.Image[306], 5);

        Combo(w.get(), "cxLongTime")->setCurrentIndex(0);
        QCOMPARE(gAll.Image[305], 0);
        QCOMPARE(gAll.Image[306], 0);  // every value of the window is written
        QVERIFY(gAll.Modified);
        Combo(w.get(), "cxKey2_S")->setCurrentText("Scrambler");
        QCOMPARE(gAll.Image[308], 7);

        QVERIFY(gDocument.Undo());
        QCOMPARE(Combo(w.get(), "cxKey2_S")->currentText(), QString("H/L Power"));
        QVERIFY(gDocument.Undo());
        QVERIFY(!gDocument.CanUndo());  // one step per change, none from reloading
        QCOMPARE(gAll.Image[306], 5);
        QCOMPARE(Combo(w.get(), "cxLongTime")->currentText(), QString("2.0"));
    }

    void keyListsFollowTheTranslatedHiddenLists() {
        dlgtest::WriteFile(dir_.path(), "Test.Ini",
                           "[fKeyFun]\r\nList_Short.2=Power\r\nList_Short.3=Power\r\nList_Long.12=SOS\r\n");
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Test";
        std::unique_ptr<QWidget> w(CreateKeyFunctionWindow(lm::gDocument));
        QCOMPARE(Combo(w.get(), "cxKey1_L")->itemText(11), QString("SOS"));
        QCOMPARE(Combo(w.get(), "cxKey2_S")->currentText(), QString("Power"));
        QCOMPARE(Combo(w.get(), "cxKey1_S")->currentIndex(), 3);
        Combo(w.get(), "cxLongTime")->setCurrentIndex(0);  // the later "Power" stores the first one's value
        QCOMPARE(gAll.Image[306], 2);
    }

    void voxAndOptionalWindowsWriteTheirBits() {
        std::unique_ptr<QWidget> vox(CreateVoxFunctionWindow(lm::gDocument));
        QCOMPARE(Combo(vox.get(), "cxVox")->currentText(), QString("OFF"));
        Combo(vox.get(), "cxRxDis")->setCurrentIndex(0);
        QCOMPARE(gAll.Image[293], 0x7F);

        gAll.Image[289] = 3;
        std::unique_ptr<QWidget> opt(CreateOptionalFunctionWindow(lm::gDocument));
        QVERIFY(!Combo(opt.get(), "cxVol")->isVisibleTo(opt.get()));
        QVERIFY(!Combo(opt.get(), "cxFM")->isVisibleTo(opt.get()));
        Combo(opt.get(), "cxWavs")->setCurrentText("English");
        QCOMPARE(gAll.Image[293] & 0x83, 0x01);
        QCOMPARE(gAll.Image[289], 3);                      // the hidden volume is written back unchanged
        QCOMPARE(Combo(opt.get(), "cxTot")->count(), 31);  // up to "450", which the range check keeps
    }

    void scanWindowShowsAllFourSelectors() {
        std::unique_ptr<QWidget> w(CreateScanInfoWindow(lm::gDocument));
        for (const char* name : {"cxScanSpeed", "cxScanDely", "cxPriCh", "cxScanMode"}) {
            QComboBox* c = Combo(w.get(), name);
            const QRect r(c->mapTo(w.get(), QPoint(0, 0)), c->size());
            QVERIFY2(w->rect().contains(r), name);
        }
        QCOMPARE(w->findChild<QLineEdit*>("cxFM_Max")->text(), QString("108.000"));
        Combo(w.get(), "cxPriCh")->setCurrentText("16");
        QCOMPARE(gAll.Image[303], 16);
        QCOMPARE(gAll.Image[302], 12);
    }

    void dtmfPttIdAndIdCode() {
        std::unique_ptr<QWidget> w(CreateDtmfWindow(lm::gDocument));
        auto* begin = w->findChild<QLineEdit*>("cxEnt");
        auto* end = w->findChild<QLineEdit*>("cxEnd");
        QCOMPARE(begin->text(), QString("123456"));
        QVERIFY(begin->isEnabled() && !end->isEnabled());
        Combo(w.get(), "cxPttID")->setCurrentText("EOT");
        QVERIFY(!begin->isEnabled() && end->isEnabled());
        QCOMPARE(gAll.Image[318], 1);

        auto* id = w->findChild<QLineEdit*>("cxIDCode");
        QCOMPARE(id->contextMenuPolicy(), Qt::PreventContextMenu);
        id->selectAll();
        QTest::keyClicks(id, "7x");
        QCOMPARE(id->text(), QString("7"));
        QCOMPARE(gAll.Image[324], 0x70);
        QCOMPARE(gAll.Image[325], 0x0F);
        emit id->editingFinished();
        QCOMPARE(id->text(), QString("700"));

        QTest::keyClicks(end, "a#");
        QCOMPARE(end->text(), QString("A#"));
        QCOMPARE(gAll.Image[320], 2);
        QCOMPARE(gAll.Image[345], 0xAE);
    }

    void dtmfAutodialCells() {
        std::unique_ptr<QWidget> w(CreateDtmfWindow(lm::gDocument));
        auto* grid = w->findChild<QTableWidget*>("gvData");
        QCOMPARE(grid->verticalHeaderItem(7)->text(), QString("8"));
        grid->item(1, 0)->setText("abcd1234567");
        QCOMPARE(grid->item(1, 0)->text(), QString("ABCD123456"));
        QCOMPARE(gAll.Image[361], 10);
        QCOMPARE(gAll.Image[362], 0xAB);
        QCOMPARE(gAll.Image[366], 0x56);
        QVERIFY(gDocument.Undo());
        QCOMPARE(grid->item(1, 0)->text(), QString());
        QCOMPARE(w->findChild<QLineEdit*>("cxEnt")->text(), QString("123456"));
    }
};

DLG_TEST(SettingsWindowsTest)
#include "settings_windows_test.moc"
