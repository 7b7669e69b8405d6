// New, Open, Save and Save As on real files through the dialog seams; a stopped save stops the command.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTreeWidget>
#include <chrono>

#include "core/datafile.h"
#include "core/edit_lock.h"
#include "core/memory_map.h"
#include "core/models.h"
#include "core/state.h"
#include "globals/globals.h"
#include "shell/command_table.h"
#include "shell_fixture.h"
#include "widgets/file_dialogs.h"
#include "widgets/message_box.h"

using lmtest::ShellFixture;

namespace {

constexpr const char* kSaveQuestion = "Do you wish to save the changes?";
constexpr const char* kReplaceQuestion = "The File is Exists,Replace it?";

bool Exists(const std::string& path) { return QFile::exists(QString::fromStdString(path)); }

// A data file for the VHF variant (band code 240) with a marker byte in channel 1.
std::string VhfFile(const ShellFixture& f, const char* name) {
    lm::ImageBytes image = lm::gAll.Image;
    image[lm::img::kBandCode] = 240;
    image[17] = 0x45;
    const auto bytes = lm::EncodeDataFile(image, "LM41", "LM41");
    return lmtest::WriteFile(f.dir(), name, std::string(bytes.begin(), bytes.end()));
}

}  // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void saveSaveAsAndReplace() {
        ShellFixture f;
        auto& main = f.main();
        const std::string path = f.path("radio.dat");
        lm::gAll.Image[lm::img::kAreaCodeFirst] = 0x12;
        lm::gAll.Modified = true;
        f.files.Answer(path);
        QVERIFY(main.FileSave());
        QCOMPARE(lmtest::ReadFile(path).size(), std::size_t(544));
        QCOMPARE(main.CurrentFileName(), path);
        QCOMPARE(main.windowTitle(), QString::fromStdString("LM-418T [" + path + "]"));
        QVERIFY(!lm::gAll.Modified);
        QCOMPARE(lm::gAll.Image[lm::img::kAreaCodeFirst], std::uint8_t(0xFF));
        // Save again: no dialog, no question.
        lm::gAll.Image[17] = 0x33;
        main.DispatchCommand(lm::cmd::kSave);
        QCOMPARE(f.files.saved(), 1);
        QCOMPARE(static_cast<std::uint8_t>(lmtest::ReadFile(path)[16 + 16]), std::uint8_t(0x33));
        // Save As, cancelled: nothing written, the name is gone, and Save asks for one again.
        lm::gAll.Image[17] = 0x34;
        main.DispatchCommand(lm::cmd::kSaveAs);
        QCOMPARE(main.CurrentFileName(), std::string());
        QCOMPARE(main.windowTitle(), QString("LM-418T"));
        QCOMPARE(static_cast<std::uint8_t>(lmtest::ReadFile(path)[32]), std::uint8_t(0x33));
        // Save As onto the existing file, No to replacing it: nothing written, no name.
        f.files.Answer(path);
        main.DispatchCommand(lm::cmd::kSaveAs);
        QCOMPARE(f.messages.texts().back(), std::string(kReplaceQuestion));
        QCOMPARE(main.CurrentFileName(), std::string());
        QCOMPARE(static_cast<std::uint8_t>(lmtest::ReadFile(path)[32]), std::uint8_t(0x33));
        // Yes replaces it. A name without extension gets ".dat".
        f.files.Answer(path);
        f.messages.Answer(lm::kAnswerYes);
        QVERIFY(main.FileSaveAs());
        QCOMPARE(static_cast<std::uint8_t>(lmtest::ReadFile(path)[32]), std::uint8_t(0x34));
        f.files.Answer(f.path("other"));
        QVERIFY(main.FileSaveAs());
        QVERIFY(Exists(f.path("other.dat")));
        QCOMPARE(main.CurrentFileName(), f.path("other.dat"));
        QCOMPARE(f.files.saved(), 5);
    }

    void openAndNew() {
        ShellFixture f;
        auto& main = f.main();
        const std::string path = VhfFile(f, "vhf.dat");
        lm::gAll.CurrentChannel = 7;
        f.files.Answer(path);
        QVERIFY(main.FileOpen());
        QCOMPARE(main.CurrentFileName(), path);
        // The next open or save dialog starts in the folder of this file.
        QCOMPARE(QString::fromStdString(lm::FileDialogFolder()),
                 QFileInfo(QString::fromStdString(path)).absolutePath());
        QCOMPARE(lm::gAll.ModelTitle, std::string("LM-418T(VHF)"));
        QCOMPARE(main.PanelText(4), QString("LM-418T(VHF)"));
        QCOMPARE(main.PanelText(5), QString("150 - 174MHz"));
        QCOMPARE(lm::gAll.CurrentChannel, 1);
        QCOMPARE(lm::gAll.Image[17], std::uint8_t(0x45));
        QVERIFY(!lm::gAll.Modified);
        QVERIFY(main.windowTitle().endsWith("[" + QString::fromStdString(path) + "]"));
        QCOMPARE(main.tree()->topLevelItem(0)->child(1)->childCount(), lm::gAll.ChannelCount);
        QVERIFY(main.ChildWindow(lm::cmd::kChannelInfo));

        // New keeps model and band, clears the name and the image; with Modified false it asks nothing.
        lm::gAll.Image[lm::img::kBlock32First] = 0x77;
        QVERIFY(main.FileNew());
        QVERIFY(f.messages.shown().empty());
        QCOMPARE(main.CurrentFileName(), std::string());
        QCOMPARE(main.windowTitle(), QString("LM-418T"));
        QCOMPARE(lm::gAll.ModelTitle, std::string("LM-418T(VHF)"));
        QCOMPARE(lm::gAll.Image[17], std::uint8_t(0xFF));
        QCOMPARE(lm::gAll.Image[lm::img::kBlock32First], std::uint8_t(0x77));

        // Open, cancelled: nothing happens.
        lm::gAll.Image[17] = 0x11;
        QVERIFY(!main.FileOpen());
        QCOMPARE(lm::gAll.Image[17], std::uint8_t(0x11));
    }

    void refusedFilesChangeNothing() {
        ShellFixture f;
        auto& main = f.main();
        const std::string foreign = lmtest::WriteFile(f.dir(), "foreign.dat", std::string(544, 'X'));
        const std::string shortFile = lmtest::WriteFile(f.dir(), "short.dat", "LM41LM41");
        lm::gAll.Image[17] = 0x21;
        lm::gAll.Modified = true;
        const auto image = lm::gAll.Image;
        for (const std::string& path : {foreign, shortFile, f.path("missing.dat")}) {
            f.messages.Clear();
            f.messages.Answer(lm::kAnswerNo);  // do not save first
            f.files.Answer(path);
            QVERIFY(!main.FileOpen());
            QCOMPARE(f.messages.shown().size(), std::size_t(2));
            QCOMPARE(f.messages.shown()[1].kind, lm::kMessageInfo);
            QVERIFY(lm::gAll.Image == image);
            QVERIFY(lm::gAll.Modified);
            QCOMPARE(main.CurrentFileName(), std::string());
        }
        // The step, the file and the system's reason.
        QCOMPARE(f.messages.shown()[1].text,
                 "Cannot open " + f.path("missing.dat") + ": No such file or directory");
        f.messages.Clear();
        f.messages.Answer(lm::kAnswerNo);
        f.files.Answer(foreign);
        main.FileOpen();
        QCOMPARE(f.messages.texts().back(), std::string("Model Type Wrong."));
    }

    void stoppedSaveStopsTheCommand() {
        ShellFixture f;
        auto& main = f.main();
        const std::string good = VhfFile(f, "good.dat");
        const std::string unwritable = f.path("no-such-folder/radio.dat");
        auto modify = [] {
            lm::gAll.Image[17] = 0x5A;
            lm::gAll.Modified = true;
        };
        // New / Open: Yes to saving, then Cancel in the save dialog, or a save that fails.
        for (const std::string& answer : {std::string(), unwritable}) {
            modify();
            const auto image = lm::gAll.Image;
            f.messages.Clear();
            f.messages.Answer(lm::kAnswerYes);
            f.files.Answer(answer);
            QVERIFY(!main.FileNew());
            QVERIFY(lm::gAll.Image == image);
            QVERIFY(lm::gAll.Modified);
            QCOMPARE(f.messages.texts().front(), std::string(kSaveQuestion));

            // The Model command's New, stopped the same way: model, band and status bar stay.
            const QString shownModel = main.PanelText(4);
            const std::string model = lm::gAll.ModelTitle, band = lm::gAll.BandName;
            f.messages.Answer(lm::kAnswerYes);
            f.files.Answer(answer);
            QVERIFY(!main.FileNew([](lm::TALL& s) { lm::SelectModel(s, "LM41", 243, true); }));
            QCOMPARE(lm::gAll.ModelTitle, model);
            QCOMPARE(lm::gAll.BandName, band);
            QCOMPARE(main.PanelText(4), shownModel);

            f.messages.Answer(lm::kAnswerYes);
            f.files.Answer(answer);
            f.files.Answer(good);  // would be the file to open
            QVERIFY(!main.FileOpen());
            QVERIFY(lm::gAll.Image == image);
            QCOMPARE(f.files.opened(), 0);
            f.files.Clear();
        }
        // The failed save through the dialog kept the chosen name; Save As, cancelled, clears it.
        QCOMPARE(main.CurrentFileName(), unwritable);
        main.FileSaveAs();
        // Leaving: Yes, Yes, Cancel keeps the program open and writes no settings.
        modify();
        f.messages.Clear();
        f.messages.Answer(lm::kAnswerYes);
        f.messages.Answer(lm::kAnswerYes);
        main.close();
        QVERIFY(main.isVisible());
        QVERIFY(lm::gAll.Modified);
        QVERIFY(!Exists(f.path("SysInfo.Ini")));
        QCOMPARE(f.messages.texts(),
                 std::vector<std::string>({"Do you wish to exit program?", std::string(kSaveQuestion)}));
        // A completed save lets New go on.
        f.messages.Answer(lm::kAnswerYes);
        f.files.Answer(f.path("saved.dat"));
        QVERIFY(main.FileNew());
        QVERIFY(Exists(f.path("saved.dat")));
        QCOMPARE(lm::gAll.Image[17], std::uint8_t(0xFF));
    }

    // Edit > Undo and Redo take back and apply again the document's steps, with the step's name in the menu;
    // undoing back to the saved image clears Modified, and a new image empties the history.
    void undoAndRedoThroughTheMenu() {
        ShellFixture f;
        auto& main = f.main();
        QAction* undo = main.findChild<QAction*>("nUndo");
        QAction* redo = main.findChild<QAction*>("nRedo");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        const auto saved = lm::gAll.Image;
        lm::gDocument.Apply("RX Frequency of channel 1", [](lm::TALL& s) { s.Image[17] = 0x25; });
        QVERIFY(lm::gAll.Modified);
        QCOMPARE(undo->text(), QString("&Undo RX Frequency of channel 1"));
        main.DispatchCommand(lm::cmd::kUndo);
        QVERIFY(lm::gAll.Image == saved);
        QVERIFY(!lm::gAll.Modified);
        QCOMPARE(redo->text(), QString("&Redo RX Frequency of channel 1"));
        QVERIFY(!undo->isEnabled());
        main.DispatchCommand(lm::cmd::kRedo);
        QCOMPARE(lm::gAll.Image[17], std::uint8_t(0x25));
        QVERIFY(lm::gAll.Modified && undo->isEnabled());
        QVERIFY(redo->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
        f.messages.Answer(lm::kAnswerNo);  // do not save the change
        QVERIFY(main.FileNew());
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), QString("&Undo"));
    }

    // The window holds the lock on its file from Open or Save to the next New, so that no other program
    // changes it meanwhile; a file another program holds is not opened, and the message says why, escaped.
    void theOpenFileIsHeldUntilNew() {
        using std::chrono::milliseconds;
        ShellFixture f;
        auto& main = f.main();
        const std::string path = VhfFile(f, "held.dat");
        lm::EditLock other;
        f.files.Answer(path);
        QVERIFY(main.FileOpen());
        QVERIFY(lm::LockForEditing(path, other, milliseconds(0)).busy);
        lm::gAll.Modified = true;
        QVERIFY(main.FileSave());
        QVERIFY(lm::LockForEditing(path, other, milliseconds(0)).busy);
        QVERIFY(main.FileNew());
        QVERIFY(lm::LockForEditing(path, other, milliseconds(0)).ok && other.Held());

        f.files.Answer(path);
        QVERIFY(!main.FileOpen());
        QCOMPARE(f.messages.texts().back(), path + " is being changed by another program");
        QCOMPARE(main.CurrentFileName(), std::string());
        f.files.Answer(f.path("\x1b]0;x.dat"));
        QVERIFY(!main.FileOpen());
        QCOMPARE(f.messages.texts().back(),
                 "Cannot open " + f.path("\\x1B]0;x.dat") + ": No such file or directory");
    }

    void leavingWritesTheSettings() {
        ShellFixture f;
        auto& main = f.main();
        lm::gPreferences.LanguageId = 1;
        lm::gPreferences.PicId = 5;
        lm::gAll.Modified = true;
        f.messages.Answer(lm::kAnswerYes);  // exit
        f.messages.Answer(lm::kAnswerNo);   // do not save
        main.close();
        QVERIFY(!main.isVisible());
        const std::string text = lmtest::ReadFile(f.path("SysInfo.Ini"));
        QVERIFY(text.find("Com=" + lm::gPreferences.PortName) != std::string::npos);
        QVERIFY(text.find("Language_ID=1") != std::string::npos);
        QVERIFY(text.find("PicID=4") != std::string::npos);
    }
};

LM_GUI_TEST(FileCommandsTest)
#include "file_commands_test.moc"
