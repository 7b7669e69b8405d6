// The main window around the read dialog, against the built-in simulated radio; window arrangement commands.
#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>

#include "core/memory_map.h"
#include "core/state.h"
#include "globals/globals.h"
#include "link/area_table.h"
#include "port/simulated_radio.h"
#include "shell/command_table.h"
#include "shell_fixture.h"

using lmtest::ShellFixture;

namespace {

// Runs the read command, presses Ok in the read dialog and waits until the dialog has closed.
void ReadThroughDialog(lm::TfMainFrm& main) {
    QPointer<QWidget> dialog;
    lmtest::OnNextModal([&dialog](QWidget* w) {
        dialog = w;
        if (auto* ok = w->findChild<QAbstractButton*>("btnOk")) ok->click();
    });
    QTimer guard;  // never hang the suite
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&dialog] {
        if (!dialog.isNull()) dialog->close();
    });
    guard.start(15000);
    main.DispatchCommand(lm::cmd::kRead);
}

}  // namespace

class ReadCommandTest : public QObject {
    Q_OBJECT

private slots:
    void completedReadReplacesImageAndStatus() {
        ShellFixture f;
        auto& main = f.main();
        lm::ResetSimulatedRadio(lm::PlausibleRadioMemory());
        lm::gPreferences.PortName = lm::kSimulatedPortName;
        f.files.Answer(f.path("before.dat"));
        QVERIFY(main.FileSave());
        main.DispatchCommand(lm::cmd::kVoxFunction);
        const auto before = lm::gAll.Image;
        ReadThroughDialog(main);
        QVERIFY(lm::gAll.Image != before);
        QVERIFY(lm::gAll.Modified);
        QCOMPARE(main.CurrentFileName(), std::string());
        QCOMPARE(main.windowTitle(), QString("LM-418T"));
        QVERIFY(!lm::gAll.AreaText.empty());
        QCOMPARE(main.PanelText(6), "  " + QString::fromStdString(lm::gAll.AreaText));
        // The image was replaced: the other windows closed, a fresh channel grid opened.
        QVERIFY(main.ChildWindow(lm::cmd::kChannelInfo));
        QVERIFY(!main.ChildWindow(lm::cmd::kVoxFunction));
        QCOMPARE(f.messages.texts().back(),
                 std::string("Reading Completed.\n(Simulated radio)"));  // the simulated radio says so
    }

    void failedReadChangesNothing() {
        ShellFixture f;
        auto& main = f.main();
        lm::gPreferences.PortName = f.path("no-such-port");
        f.files.Answer(f.path("kept.dat"));
        QVERIFY(main.FileSave());
        main.DispatchCommand(lm::cmd::kVoxFunction);
        lm::gAll.Image[17] = 0x12;
        const auto image = lm::gAll.Image;
        ReadThroughDialog(main);
        QVERIFY(lm::gAll.Image == image);
        QCOMPARE(main.CurrentFileName(), f.path("kept.dat"));
        QVERIFY(main.ChildWindow(lm::cmd::kVoxFunction));
        QVERIFY(!f.messages.shown().empty());
    }

    void areaTextFollowsTheLanguage() {
        ShellFixture f;
        auto& main = f.main();
        const std::string code = lm::SplitAreaRow(lm::AreaRowText(1)).Code;
        lm::gAll.Image[lm::img::kAreaCodeFirst] = static_cast<std::uint8_t>(lm::HexToInt(code.substr(0, 2)));
        lm::gAll.Image[lm::img::kAreaCodeFirst + 1] =
            static_cast<std::uint8_t>(lm::HexToInt(code.substr(2, 2)));
        lm::DecodeAreaCode(lm::gAll, lm::gPreferences.LanguageId);
        const std::string english = lm::gAll.AreaText;
        lmtest::WriteFile(f.dir(), "SysInfo.Ini", "[SysInfo]\r\nLanguage=English|Other\r\nEnglish=E|O\r\n");
        lmtest::OnNextModal([](QWidget* w) {
            w->findChild<QComboBox*>("cbLanguage")->setCurrentIndex(1);
            w->findChild<QAbstractButton*>("btnOk")->click();
        });
        main.DispatchCommand(lm::cmd::kLanguage);
        QCOMPARE(lm::gAll.AreaText, lm::LookupAreaName(code, true));
        QVERIFY(lm::gAll.AreaText != english);
        QCOMPARE(main.PanelText(6), "  " + QString::fromStdString(lm::gAll.AreaText));
    }

    void windowArrangement() {
        ShellFixture f;
        auto& main = f.main();
        main.resize(1000, 700);
        for (int kind : {12, 13, 14}) main.DispatchCommand(kind);
        QTest::qWait(10);
        const QList<QMdiSubWindow*> frames = main.clientArea()->subWindowList(QMdiArea::CreationOrder);
        QCOMPARE(frames.size(), 4);
        main.DispatchCommand(lm::cmd::kTileVertical);  // side by side
        for (int i = 1; i < frames.size(); ++i) {
            QCOMPARE(frames[i]->y(), 0);
            QVERIFY(frames[i]->x() > frames[i - 1]->x());
        }
        main.DispatchCommand(lm::cmd::kTileHorizontal);  // one above the other
        for (int i = 1; i < frames.size(); ++i) {
            QCOMPARE(frames[i]->x(), 0);
            QVERIFY(frames[i]->y() > frames[i - 1]->y());
        }
        frames[1]->showMinimized();
        frames[2]->showMinimized();
        main.DispatchCommand(lm::cmd::kArrangeIcons);
        QCOMPARE(frames[1]->y(), frames[2]->y());
        QVERIFY(frames[2]->x() > frames[1]->x());
        main.DispatchCommand(lm::cmd::kCascade);
        QVERIFY(frames[3]->isVisible());
    }
};

LM_GUI_TEST(ReadCommandTest)
#include "read_command_test.moc"
