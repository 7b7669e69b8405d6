// File > Import Channels and Export Channels through the file-dialog seam: one undo step and the report
// shown; a refused file changes nothing.
#include <QApplication>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/channel_csv.h"
#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "globals/globals.h"
#include "shell/command_table.h"
#include "shell_fixture.h"
#include "windows/channels/import_window.h"

using lmtest::ShellFixture;

namespace {

std::string CommonFile(const std::vector<std::string>& rows) {
    std::string text = lm::CsvLine(lm::CsvHeader(lm::CsvFormat::Common));
    for (const std::string& row : rows) text += row + "\r\n";
    return text;
}

// A simplex channel of the common layout, with its mode.
std::string Row(int n, const char* frequency, const char* mode = "FM") {
    return std::to_string(n) + ",," + frequency + ",,0,,88.5,88.5,023,NN,023,Tone->Tone," + mode +
           ",6.25,,High,,,,,";
}

bool Shown(const lm::ScriptedMessages& messages, const std::string& part) {
    for (const std::string& text : messages.texts())
        if (text.find(part) != std::string::npos) return true;
    return false;
}

// Once the import window is up, runs act on it.
void WhenImportWindow(std::function<void(lm::TfImportChannels*)> act, int tries = 300) {
    QTimer::singleShot(10, [act, tries] {
        if (auto* w = qobject_cast<lm::TfImportChannels*>(QApplication::activeModalWidget()))
            act(w);
        else if (tries > 0)
            WhenImportWindow(act, tries - 1);
    });
}

std::vector<int> Channels(const lm::TfImportChannels& w) {
    std::vector<int> channels;
    for (const lm::ImportRow& row : w.Preview().rows) channels.push_back(row.channel);
    return channels;
}

}  // namespace

class ChannelCsvCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // The window lists every row with its channel; Space unchecks a row, the placement moves the rows, Enter
    // imports them as one undo step; Cancel changes nothing.
    void importWindowChoosesRowsAndPlacementAsOneUndoStep() {
        ShellFixture f;
        lm::gLanguage.OutRange = "OutRange in the window's language";
        const std::string csv = lmtest::WriteFile(
            f.dir(), "in.csv",
            CommonFile({Row(1, "460.00625"), Row(3, "461.5"), Row(4, "462", "AM"), Row(5, "446.00625")}));
        QVERIFY(lm::SetFieldText(lm::gAll, 3, lm::cfRxFreq, "455").Ok());
        const lm::ImageBytes before = lm::gAll.Image;

        f.files.Answer(csv);
        bool listed = false;
        WhenImportWindow([&listed](lm::TfImportChannels* w) {
            listed = Channels(*w) == std::vector<int>{1, 3, 0, 5} && w->Preview().rows[1].replaces &&
                     w->Preview().rows[2].skipped.find("Mode \"AM\"") != std::string::npos;
            w->reject();
        });
        f.main().DispatchCommand(lm::cmd::kImportChannels);
        QVERIFY(listed);
        QVERIFY(lm::gAll.Image == before);
        QVERIFY(lm::gDocument.UndoName() != "Import of 3 channels");

        f.files.Answer(csv);
        std::vector<int> placed;
        WhenImportWindow([&placed](lm::TfImportChannels* w) {
            w->gvRows->setCurrentIndex(w->gvRows->model()->index(1, 0));
            QTest::keyClick(w->gvRows, Qt::Key_Space);  // row 2 (channel 3) left out
            QApplication::processEvents();
            w->spFirst->setValue(10);  // in order from channel 10
            QApplication::processEvents();
            placed = Channels(*w);
            QTest::keyClick(w->gvRows, Qt::Key_Return);
        });
        f.main().DispatchCommand(lm::cmd::kImportChannels);
        QCOMPARE(placed, (std::vector<int>{10, 0, 0, 11}));
        QCOMPARE(lm::gDocument.UndoName(), std::string("Import of 2 channels"));
        QCOMPARE(lm::ChannelTableRow(lm::gAll, 10).cells[1], std::string("460.00625"));
        QCOMPARE(lm::ChannelTableRow(lm::gAll, 3).cells[1], std::string("455.00000"));
        QVERIFY(Shown(f.messages, "Rows taken in order from channel 10."));
        QVERIFY(Shown(f.messages, "channel 11: RX Frequency: OutRange in the window's language"));
        QVERIFY(lm::gDocument.Undo());
        QVERIFY(lm::gAll.Image == before);
    }

    void refusedImportShowsTheLineAndChangesNothing() {
        ShellFixture f;
        const lm::ImageBytes before = lm::gAll.Image;
        f.files.Answer(lmtest::WriteFile(f.dir(), "bad.csv", CommonFile({Row(1, "460"), "2,,4x0"})));
        f.main().DispatchCommand(lm::cmd::kImportChannels);
        QVERIFY(Shown(f.messages, "bad.csv: line 3: 3 fields where the header has 21"));
        QVERIFY(!lm::gDocument.CanUndo());
        QVERIFY(lm::gAll.Image == before);
    }

    void exportWritesTheChosenFile() {
        ShellFixture f;
        lm::gDocument.Apply("set", [](lm::TALL& s) { lm::SetRxFrequency(s, 2, "460.0125"); });
        const std::string path = f.path("out");
        f.files.Answer(path);
        f.main().DispatchCommand(lm::cmd::kExportChannels);
        QCOMPARE(f.files.title(), std::string("Export Channels"));
        QCOMPARE(lmtest::ReadFile(path + ".csv"), lm::ExportChannelsCsv(lm::gAll, lm::CsvFormat::Common));
        QVERIFY(lmtest::ReadFile(path + ".csv").find("\r\n2,,460.012500,") != std::string::npos);

        // Never over the data file that is open.
        const std::string data = f.path("radio.dat");
        f.files.Answer(data);
        f.main().DispatchCommand(lm::cmd::kSaveAs);
        const std::string saved = lmtest::ReadFile(data);
        f.files.Answer(data);
        f.main().DispatchCommand(lm::cmd::kExportChannels);
        QCOMPARE(lmtest::ReadFile(data), saved);
        QVERIFY(Shown(f.messages, "This is the data file that is open"));
    }
};

LM_GUI_TEST(ChannelCsvCommandsTest)
#include "channel_csv_commands_test.moc"
