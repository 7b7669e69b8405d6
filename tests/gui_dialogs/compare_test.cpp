// The compare window and its two commands: Compare With Radio against the simulated radio, Compare With File
// through the file-dialog seam; the image in memory stays as it is in both.
#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "core/datafile.h"
#include "core/document.h"
#include "core/settings_access.h"
#include "dialog_test.h"
#include "gui_common/scripted_files.h"
#include "port/simulated_radio.h"
#include "transfer_helpers.h"
#include "widgets/file_dialogs.h"
#include "windows/compare/compare_window.h"
#include "windows/link/compare_with_radio.h"
#include "windows/link/read_radio_dialog.h"

using namespace lm;
using namespace dlgtest;

namespace {

// What the compare window showed (it is closed then): caption, last heading, rows.
struct Seen {
    QStringList caption;
    std::vector<QStringList> rows;
};

Seen Look(QWidget* w) {
    auto* grid = w->findChild<QTableWidget*>("gvDiff");
    Seen seen{{w->windowTitle(), grid->horizontalHeaderItem(2)->text()}, {}};
    for (int r = 0; r < grid->rowCount(); ++r)
        seen.rows.push_back({grid->item(r, 0)->text(), grid->item(r, 1)->text(), grid->item(r, 2)->text()});
    return seen;
}

void CloseCompareWhenUp(Seen& seen, int tries = 500) {
    WhenModal<TfCompare>(
        [&seen](TfCompare* w) {
            seen = Look(w);
            w->close();
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
        gPreferences.PortName = kSimulatedPortName;
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
        QVERIFY(RunCompareWithRadio(nullptr, lm::gAll, lm::gSession, lm::gPreferences.PortName));
        QCOMPARE(seen.caption, (QStringList{"Compare: memory \u2194 radio", "In radio"}));
        QVERIFY(seen.rows.size() > 2);
        QCOMPARE(seen.rows.front(), (QStringList{"Channel 1 RX Frequency", "(empty)", "460.12500"}));
        // A write sends radio bytes 0..463 with a fresh time stamp: not the serial number, nothing after it.
        QVERIFY(std::count_if(seen.rows.begin(), seen.rows.end(), [](const QStringList& row) {
                    return row[0] == "Write Time" &&
                           row[1].startsWith(QDate::currentDate().toString(Qt::ISODate));
                }) == 1);
        for (const QStringList& row : seen.rows)
            QVERIFY2(row[0] != "Serial Number" && (!row[0].startsWith("Byte ") || row[0] < "Byte 0x01D0"),
                     qPrintable(row[0]));
        QVERIFY(gAll.Image == image);
        QVERIFY(!gAll.Modified && !gDocument.CanUndo() && gDocument.IsSaved());
    }

    void compareWithFileShowsItsDifferencesOrWhyItDidNotLoad() {
        TALL other = gAll;
        QVERIFY(WriteSetting(other, "squelch", "7").Ok());
        const std::string good = (dir_.path() + "/radio.dat").toStdString();
        QVERIFY(SaveDataFile(other, good).ok);
        const std::string tooShort = WriteFile(dir_.path(), "short.dat", "LM41");
        const std::string otherModel = WriteFile(dir_.path(), "other.dat", std::string(kDataFileBytes, 'X'));
        const ImageBytes image = gAll.Image;
        struct Row {
            std::string path;
            std::vector<QStringList> rows;  // of the window; none when it does not come up
            std::vector<std::string> messages;
        };
        const std::vector<Row> rows = {
            {good, {{"Compare: memory \u2194 radio.dat", "In file"}, {"Squelch level", "5", "7"}}, {}},
            {tooShort, {}, {"Cannot open " + tooShort + ": " + TooShortText(4)}},
            {otherModel, {}, {kModErrorText}},
            {"", {}, {}},  // Cancel
        };
        for (const Row& row : rows) {
            ScriptedMessages messages;
            ScriptedFiles files;
            files.Answer(row.path);
            Seen seen;
            CloseCompareWhenUp(seen, 50);
            QCOMPARE(RunCompareWithFile(nullptr, lm::gAll), !row.rows.empty());
            QTest::qWait(600);
            if (!seen.caption.isEmpty()) seen.rows.insert(seen.rows.begin(), seen.caption);
            QCOMPARE(seen.rows, row.rows);
            QCOMPARE(messages.texts(), row.messages);
            QVERIFY(gAll.Image == image && !gDocument.CanUndo());
        }

        // The list is in the program's language.
        QVERIFY(QFile::copy(LM_SOURCE_DIR "/src/resources/lang/Chinese.Ini", dir_.filePath("Chinese.Ini")));
        gPreferences.LanguageName = "Chinese";
        ScriptedFiles files;
        files.Answer(good);
        Seen seen;
        CloseCompareWhenUp(seen, 50);
        QVERIFY(RunCompareWithFile(nullptr, lm::gAll));
        QTest::qWait(600);
        QCOMPARE(seen.rows, (std::vector<QStringList>{{"静噪等级", "5", "7"}}));
        QFile::remove(dir_.filePath("Chinese.Ini"));
    }

    void sameImagesCopyAndTranslation() {
        TfCompare same(nullptr, {}, CompareWith::File, "/x/radio.dat");
        QVERIFY(same.findChild<QWidget*>("lSame")->isVisibleTo(&same));
        QVERIFY(!same.findChild<QWidget*>("gvDiff")->isVisibleTo(&same));

        const std::vector<Difference> list = {{DiffSection::Setting, "Squelch level", "5", "7", {293}},
                                              {DiffSection::RadioInfo, "Serial Number", "", "A1", {464}}};
        TfCompare two(nullptr, list, CompareWith::File, "/x/radio.dat");
        QTest::mouseClick(Button(&two, "btnCopy"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString("Squelch level: 5 \u2192 7\nSerial Number: (empty) \u2192 A1\n"));

        QVERIFY(QFile::copy(LM_SOURCE_DIR "/src/resources/lang/Chinese.Ini", dir_.filePath("Chinese.Ini")));
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Chinese";
        TfCompare chinese(nullptr, list, CompareWith::Radio);
        QCOMPARE(Look(&chinese).caption, (QStringList{"比较: 内存 \u2194 电台", "电台中"}));
        QCOMPARE(Look(&chinese).rows[1], (QStringList{"Serial Number", "(空)", "A1"}));
    }
};

DLG_TEST(CompareTest)

#include "compare_test.moc"
