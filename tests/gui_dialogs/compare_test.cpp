// The compare window and its two commands: Compare With Radio against the simulated radio, Compare With File
// through the file-dialog seam; the image in memory stays as it is in both.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

#include "core/datafile.h"
#include "core/document.h"
#include "core/settings_access.h"
#include "dialog_test.h"
#include "port/simulated_radio.h"
#include "transfer_helpers.h"
#include "widgets/file_dialogs.h"
#include "widgets/message_box.h"
#include "windows/compare/compare_window.h"
#include "windows/link/compare_with_radio.h"
#include "windows/link/read_radio_dialog.h"
#include "globals/globals.h"

using namespace lm;
using namespace dlgtest;

namespace {

using Rows = std::vector<QStringList>;

QTableWidget* Grid(QWidget* w) { return w->findChild<QTableWidget*>("gvDiff"); }

Rows RowsOf(QWidget* w) {
    Rows rows;
    QTableWidget* grid = Grid(w);
    for (int r = 0; r < grid->rowCount(); ++r)
        rows.push_back({grid->item(r, 0)->text(), grid->item(r, 1)->text(), grid->item(r, 2)->text()});
    return rows;
}

QString Heading(QWidget* w, int column) { return Grid(w)->horizontalHeaderItem(column)->text(); }

// What the compare window showed when it came up (it is closed then): caption, third heading and rows.
struct Seen {
    QString caption;
    QString otherHeading;
    Rows rows;
    bool shown = false;
};

void CloseCompareWhenUp(Seen& seen, int tries = 500) {
    WhenModal<TfCompare>(
        [&seen](TfCompare* w) {
            seen = {w->windowTitle(), Heading(w, 2), RowsOf(w), true};
            QTest::mouseClick(Button(w, "btnClose"), Qt::LeftButton);
        },
        tries);
}

}  // namespace

class CompareTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() {
        ResetProgramState(dir_.path());
        gAll.PortName = kSimulatedPortName;
        ResetSimulatedRadio(PlausibleRadioMemory());
        gDocument.MarkReplaced();
    }

    void compareWithRadioShowsWhatAWriteWouldChange() {
        ScriptedMessages messages;
        const ImageBytes image = gAll.Image;
        Seen seen;
        WhenModal<TfReadRadio>([&seen](TfReadRadio* d) {
            QTimer::singleShot(150, d, [d] { QTest::mouseClick(Button(d, "btnOk"), Qt::LeftButton); });
            CloseCompareWhenUp(seen, 3000);
        });
        QVERIFY(RunCompareWithRadio(nullptr));
        QVERIFY(seen.shown);
        QCOMPARE(seen.caption, QString("Compare: memory \u2194 radio"));
        QCOMPARE(seen.otherHeading, QString("In radio"));
        // The simulated radio's channel 1 and serial number against the new image in memory.
        QVERIFY(seen.rows.size() > 2);
        QCOMPARE(seen.rows.front(), (QStringList{"Channel 1 RX Frequency", "(empty)", "460.12500"}));
        QVERIFY(std::find(seen.rows.begin(), seen.rows.end(),
                          QStringList{"Serial Number", "(empty)", "LM418T-2404A0117"}) != seen.rows.end());
        // Bytes past those a read brings are not compared.
        for (const QStringList& row : seen.rows)
            QVERIFY2(!row[0].startsWith("Byte ") || row[0] < "Byte 0x01F0", qPrintable(row[0]));
        QVERIFY(gAll.Image == image);
        QVERIFY(!gAll.Modified);
        QVERIFY(!gDocument.CanUndo());
        QVERIFY(gDocument.IsSaved());
    }

    void compareWithFileShowsTheFilesDifferences() {
        ScriptedMessages messages;
        ScriptedFiles files;
        TALL other = gAll;
        QVERIFY(WriteSetting(other, "squelch", "7").Ok());
        const std::string path = (dir_.path() + "/radio.dat").toStdString();
        QVERIFY(SaveDataFile(other, path).ok);
        const ImageBytes image = gAll.Image;

        Seen seen;
        files.Answer(path);
        CloseCompareWhenUp(seen);
        QVERIFY(RunCompareWithFile(nullptr));
        QCOMPARE(seen.caption, QString("Compare: memory \u2194 radio.dat"));
        QCOMPARE(seen.otherHeading, QString("In file"));
        QCOMPARE(seen.rows, (Rows{{"Squelch level", "5", "7"}}));
        QVERIFY(gAll.Image == image);
        QVERIFY(!gDocument.CanUndo());
        QVERIFY(messages.shown().empty());
    }

    void aFileThatDoesNotLoadIsRefusedAsOpenRefusesIt() {
        const std::string shortFile = WriteFile(dir_.path(), "short.dat", "LM41");
        const std::string otherModel = WriteFile(dir_.path(), "other.dat", std::string(kDataFileBytes, 'X'));
        struct Row {
            std::string path;
            std::string message;
        };
        const std::vector<Row> rows = {
            {shortFile, "Cannot open " + shortFile + ": " + TooShortText(4)},
            {otherModel, kModErrorText},
            {"", ""},  // Cancel
        };
        for (const Row& row : rows) {
            ScriptedMessages messages;
            ScriptedFiles files;
            files.Answer(row.path);
            Seen seen;
            CloseCompareWhenUp(seen, 50);
            QVERIFY(!RunCompareWithFile(nullptr));
            QTest::qWait(700);
            QVERIFY(!seen.shown);
            const std::vector<std::string> expected =
                row.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{row.message};
            QCOMPARE(messages.texts(), expected);
        }
    }

    void sameImagesCopyAndChinese() {
        TfCompare same(nullptr, {}, CompareWith::File, "/x/radio.dat");
        QVERIFY(same.findChild<QLabel*>("lSame")->isVisibleTo(&same));
        QVERIFY(!Grid(&same)->isVisibleTo(&same));
        QCOMPARE(same.ListText(), QString("The images are the same.\n"));

        const std::vector<Difference> list = {{DiffSection::Setting, "Squelch level", "5", "7", {293}},
                                              {DiffSection::RadioInfo, "Serial Number", "", "A1", {464}}};
        TfCompare two(nullptr, list, CompareWith::File, "/x/radio.dat");
        QTest::mouseClick(Button(&two, "btnCopy"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Squelch level: 5 \u2192 7\nSerial Number: (empty) \u2192 A1\n"));

        QVERIFY(QFile::copy(LM_SOURCE_DIR "/src/resources/lang/Chinese.Ini", dir_.filePath("Chinese.Ini")));
        gAll.LanguageId = 1;
        gAll.LanguageName = "Chinese";
        TfCompare chinese(nullptr, list, CompareWith::Radio);
        QCOMPARE(chinese.windowTitle(), QString("比较: 内存 \u2194 电台"));
        QCOMPARE(Heading(&chinese, 1), QString("内存中"));
        QCOMPARE(Heading(&chinese, 2), QString("电台中"));
        QCOMPARE(RowsOf(&chinese)[1], (QStringList{"Serial Number", "(空)", "A1"}));
    }
};

DLG_TEST(CompareTest)

#include "compare_test.moc"
