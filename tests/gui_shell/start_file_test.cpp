// The windowed program's command line, the data file it opens at start and the version in the About box.
#include <QDir>
#include <QLabel>
#include <QTest>
#include <string>
#include <vector>

#include "core/datafile.h"
#include "core/memory_map.h"
#include "core/state.h"
#include "globals/globals.h"
#include "shell/about_box.h"
#include "shell/command_line.h"
#include "shell_fixture.h"
#include "version/version.h"

using lm::CommandLine;
using lmtest::ShellFixture;

class StartFileTest : public QObject {
    Q_OBJECT

private slots:
    void commandLine() {
        using A = CommandLine::Action;
        const struct {
            std::vector<std::string> args;
            A action;
            std::string file;
        } cases[] = {
            {{}, A::Run, ""},
            {{"radio.dat"}, A::Run, "radio.dat"},
            {{"", "radio.dat"}, A::Run, "radio.dat"},
            {{"--", "-odd.dat"}, A::Run, "-odd.dat"},
            {{"-"}, A::Run, "-"},
            {{"radio.dat", "--help"}, A::Help, ""},
            {{"--bogus", "-h"}, A::Help, ""},
            {{"a.dat", "b.dat", "--version"}, A::Version, ""},
            {{"--", "--help"}, A::Run, "--help"},
            {{"--bogus", "radio.dat"}, A::Error, ""},
            {{"a.dat", "b.dat"}, A::Error, ""},
            {{"--timing", "radio.dat"}, A::Run, "radio.dat"},
        };
        for (const auto& c : cases) {
            const CommandLine line = lm::ParseCommandLine(c.args);
            const QByteArray name = QByteArray::number(&c - cases);
            QVERIFY2(line.action == c.action, name);
            QVERIFY2(line.file == c.file, name);
            QVERIFY2(line.error.empty() == (c.action != A::Error), name);
            QVERIFY2(line.timing == (c.args.size() > 0 && c.args[0] == "--timing"), name);
        }
    }

    // A file given at start loads as File > Open loads it; one that does not load leaves the new image, and
    // its message names the file.
    void fileGivenAtStart() {
        ShellFixture f;
        lm::ImageBytes image = lm::gAll.Image;
        image[lm::img::kBandCode] = 240;
        image[17] = 0x45;
        const auto bytes = lm::EncodeDataFile(image, "LM41", "LM41");
        const std::string good =
            lmtest::WriteFile(f.dir(), "vhf.dat", std::string(bytes.begin(), bytes.end()));
        lmtest::WriteFile(f.dir(), "foreign.dat", std::string(544, 'X'));
        lmtest::WriteFile(f.dir(), "short.dat", "LM41LM41");
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(f.dir());
        const struct {
            const char* given;
            std::string message;  // "" when the file loads
        } cases[] = {
            {"foreign.dat", f.path("foreign.dat") + "\n\nModel Type Wrong."},
            {"./short.dat",
             "Cannot open " + f.path("short.dat") + ": The file has 8 bytes; a data file has 544."},
            {"missing.dat", "Cannot open " + f.path("missing.dat") + ": No such file or directory"},
            {"vhf.dat", ""},
        };
        const auto fresh = lm::gAll.Image;
        for (const auto& c : cases) {
            f.messages.Clear();
            const bool loaded = f.main().OpenFile(c.given);
            QCOMPARE(loaded, c.message.empty());
            if (loaded) {
                QVERIFY(f.messages.shown().empty());
                QCOMPARE(f.main().CurrentFileName(), good);
                QCOMPARE(f.main().windowTitle(), QString::fromStdString("LM-418T [" + good + "]"));
                QCOMPARE(lm::gAll.ModelTitle, std::string("LM-418T(VHF)"));
                QCOMPARE(lm::gAll.Image[17], std::uint8_t(0x45));
                QVERIFY(!lm::gAll.Modified);
            } else {
                QCOMPARE(f.messages.texts().size(), std::size_t(1));
                QCOMPARE(QString::fromStdString(f.messages.texts()[0]), QString::fromStdString(c.message));
                QVERIFY(lm::gAll.Image == fresh);
                QCOMPARE(f.main().CurrentFileName(), std::string());
                QCOMPARE(f.main().windowTitle(), QString("LM-418T"));
            }
        }
        QDir::setCurrent(cwd);
    }

    void aboutBoxShowsTheVersion() {
        QTemporaryDir dir;
        lmtest::ResetProgramState(dir.path());
        lmtest::WriteFile(
            dir.path(), "Versioned.Ini",
            "[fFrmAbout]\r\nlStr2.Caption=Version {version}\r\nlStr3.Caption=Build {version}!\r\n");
        lm::gPreferences.LanguageName = "Versioned";
        lm::TfFrmAbout box;
        QVERIFY(std::string(lm::kProgramVersion).find('.') != std::string::npos);
        QCOMPARE(box.line(1)->text(), QString("Version ") + lm::kProgramVersion);
        QCOMPARE(box.line(2)->text(), QString("Build ") + lm::kProgramVersion + "!");
    }
};

LM_GUI_TEST(StartFileTest)
#include "start_file_test.moc"
