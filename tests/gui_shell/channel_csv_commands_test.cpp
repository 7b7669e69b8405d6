// File > Import Channels and Export Channels through the file-dialog seam: one undo step and the report
// shown; a refused file changes nothing.
#include <QTest>

#include "core/channel_csv.h"
#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "globals/globals.h"
#include "shell/command_table.h"
#include "shell_fixture.h"

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

}  // namespace

class ChannelCsvCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void importIsOneUndoStepWithAReport() {
        ShellFixture f;
        const lm::ImageBytes before = lm::gAll.Image;
        lm::gLanguage.OutRange = "OutRange in the window's language";
        f.files.Answer(lmtest::WriteFile(f.dir(), "in.csv",
                                         CommonFile({Row(1, "460.00625"), Row(3, "461.5"), Row(4, "462", "AM"),
                                                     Row(5, "446.00625")})));
        f.main().DispatchCommand(lm::cmd::kImportChannels);
        QCOMPARE(f.files.opened(), 1);
        QCOMPARE(lm::gDocument.UndoName(), std::string("Import of 3 channels"));
        QCOMPARE(lm::ChannelTableRow(lm::gAll, 3).cells[1], std::string("461.50000"));
        QVERIFY(Shown(f.messages, "Imported 3 channels."));
        QVERIFY(Shown(f.messages, "channel 5: RX Frequency: OutRange in the window's language"));
        QVERIFY(Shown(f.messages, "line 4: Mode \"AM\" is not available"));
        QVERIFY(lm::gDocument.Undo());
        QVERIFY(!lm::gDocument.CanUndo());
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
        QCOMPARE(lmtest::ReadFile(path + ".csv"), lm::ExportChannelsCsv(lm::gAll, lm::CsvFormat::Common));
        QVERIFY(lmtest::ReadFile(path + ".csv").find("\r\n2,,460.012500,") != std::string::npos);
    }
};

LM_GUI_TEST(ChannelCsvCommandsTest)
#include "channel_csv_commands_test.moc"
