// The main window's start-up, layout, clock and keyboard shortcuts.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <memory>

#include "core/models.h"
#include "core/state.h"
#include "globals/globals.h"
#include "port/port_access.h"
#include "shell/command_table.h"
#include "shell_fixture.h"

using lmtest::ShellFixture;

namespace {

// A main window on a program state that the test has prepared before the window is first shown.
struct StartedWindow {
    explicit StartedWindow(const QString& dir)
        : window(std::make_unique<lm::TfMainFrm>(lmtest::Parts(), (dir + "/SysInfo.Ini").toStdString())) {
        window->show();
    }
    lmtest::ProbeWindows probes;
    lm::ScriptedMessages messages;
    std::unique_ptr<lm::TfMainFrm> window;
};

QLabel* Panel(lm::TfMainFrm& main, int i) { return main.findChild<QLabel*>(QString("StatusPanel%1").arg(i)); }

}  // namespace

class MainFrmStartupTest : public QObject {
    Q_OBJECT

private slots:
    void startupMakesADefaultImage() {
        QTemporaryDir dir;
        lmtest::ResetProgramState(dir.path());
        // Whatever the state before: start-up selects the first model with its default band and a new image.
        const lm::TMacType* vhf = lm::ProductCatalogue().Models.Get(1);
        QVERIFY(vhf);
        lm::SelectModel(lm::gAll, vhf->ModelCode, 240, true);
        QCOMPARE(lm::gAll.ModelTitle, std::string("LM-418T(VHF)"));
        lm::gAll.BandMinMHz = 1;
        lm::gAll.BandMaxMHz = 2;
        lm::gAll.Image[17] = 0x42;
        lm::gAll.Modified = true;
        lm::gPreferences.PortName = "com3";
        StartedWindow w(dir.path());
        lm::TfMainFrm& main = *w.window;

        QCOMPARE(lm::gAll.ModelTitle, std::string("LM-418T(UHF)"));
        QCOMPARE(lm::gAll.BandName, std::string("450 - 470MHz"));
        QCOMPARE(lm::gAll.BandMinMHz, 450.0);
        QCOMPARE(lm::gAll.BandMaxMHz, 470.0);
        QCOMPARE(lm::gAll.Image[17], std::uint8_t(0xFF));
        QVERIFY(!lm::gAll.Modified);
        QCOMPARE(main.CurrentFileName(), std::string());
        QCOMPARE(main.windowTitle(), QString("LM-418T"));
        QVERIFY(w.messages.shown().empty());

        // The port check: the hidden list holds the ports present; com3 becomes COM3, or the first present
        // port.
        std::vector<std::string> present;
        lm::EnumeratePorts(present);
        auto* cbCom = main.findChild<QComboBox*>("cbCom");
        QCOMPARE(cbCom->count(), static_cast<int>(present.size()));
        for (int i = 0; i < cbCom->count(); ++i) QCOMPARE(cbCom->itemText(i).toStdString(), present[i]);
        QCOMPARE(lm::gPreferences.PortName, present.empty() ? std::string("COM3") : present.front());
        QCOMPARE(main.PanelText(3), "Port: " + QString::fromStdString(lm::gPreferences.PortName));

        // Tree expanded with the root selected, and the channel grid open.
        QTreeWidgetItem* root = main.tree()->topLevelItem(0);
        QCOMPARE(main.tree()->currentItem(), root);
        QVERIFY(root->isExpanded());
        QVERIFY(root->child(1)->isExpanded());
        QVERIFY(main.ChildWindow(lm::cmd::kChannelInfo));
        QCOMPARE(main.clientArea()->subWindowList().size(), 1);
        // Start-up runs once: showing the window again changes nothing.
        lm::gAll.Modified = true;
        main.hide();
        main.show();
        QVERIFY(lm::gAll.Modified);
    }

    void startupTranslatesOnlyForAForeignLanguage() {
        for (int languageId : {0, 1}) {
            QTemporaryDir dir;
            lmtest::ResetProgramState(dir.path());
            lmtest::WriteFile(
                dir.path(), "Testish.Ini",
                "[fMainFrm]\r\nN1.Caption=&Neu\r\nnKey.Hint=Tasten\r\nlbChannel.Caption=\"Nr. - \"\r\n");
            lm::gPreferences.LanguageName = "Testish";
            lm::gPreferences.LanguageId = languageId;
            StartedWindow w(dir.path());
            lm::TfMainFrm& main = *w.window;
            QTreeWidgetItem* root = main.tree()->topLevelItem(0);
            if (languageId == 0) {
                QCOMPARE(main.findChild<QAction*>("N1")->text(), QString("&New"));
                QCOMPARE(root->child(2)->text(0), QString("Key Function"));
                QCOMPARE(root->child(1)->child(0)->text(0), QString("No. -  1"));
            } else {
                // The tree is built after the translation, from the translated hints and label.
                QCOMPARE(main.findChild<QAction*>("N1")->text(), QString("&Neu"));
                QCOMPARE(root->child(2)->text(0), QString("Tasten"));
                QCOMPARE(root->child(1)->child(15)->text(0), QString("Nr. -  16"));
            }
            QCOMPARE(main.windowTitle(), QString("LM-418T"));
        }
    }

    void layoutOfTheWindow() {
        ShellFixture f;
        auto& main = f.main();
        main.resize(1024, 720);
        QTest::qWait(20);
        // The tree's panel is 185 pixels wide as designed, or as wide as its texts need.
        QVERIFY(main.leftPanel()->width() >= 185);
        QTreeWidget* tree = main.tree();
        for (QTreeWidgetItemIterator it(tree); *it != nullptr; ++it) {
            const int right = tree->visualItemRect(*it).left() + tree->iconSize().width() + 6 +
                              tree->fontMetrics().horizontalAdvance((*it)->text(0));
            QVERIFY2(right <= tree->viewport()->width(), qPrintable((*it)->text(0)));
        }
        auto* close = main.findChild<QToolButton*>("btnClose");
        QCOMPARE(close->text(), QString("X"));
        QCOMPARE(close->parentWidget()->height(), 12);
        QVERIFY(close->autoRaise());
        QVERIFY(close->geometry().right() >= close->parentWidget()->width() - 2);
        auto* bar = main.findChild<QToolBar*>("ToolBar1");
        QCOMPARE(bar->height(), 29);
        QVERIFY(!bar->isMovable());
        for (const lm::ToolButtonDef& def : lm::ToolButtons()) {
            if (def.tag == 0) continue;
            QWidget* button = bar->widgetForAction(main.findChild<QAction*>(def.name));
            QVERIFY2(button, def.name);
            QCOMPARE(button->width(), 25);
            QVERIFY(!button->toolTip().isEmpty());
        }
        for (int i = 0; i < lm::TfMainFrm::kPanelCount; ++i) {
            QCOMPARE(Panel(main, i)->width(), lm::TfMainFrm::kPanelWidths[i]);
            QVERIFY(Panel(main, i)->isVisible());
        }
        QVERIFY(!main.findChild<QComboBox*>("cbCom")->isVisible());
        QVERIFY(!main.findChild<QLabel*>("lbCom")->isVisible());
        QVERIFY(!main.findChild<QLabel*>("lbChannel")->isVisible());
        QVERIFY(main.tree()->editTriggers() == QAbstractItemView::NoEditTriggers);
        // No context menu offers to hide the tool bar behind the back of View > Toolbar.
        QVERIFY(main.createPopupMenu() == nullptr);
    }

    void clockRenewsOnlyTheTime() {
        ShellFixture f;
        auto& main = f.main();
        QCOMPARE(main.findChild<QTimer*>("Timer")->interval(), 1000);
        Panel(main, 1)->setText("date");
        Panel(main, 2)->setText("time");
        Panel(main, 3)->setText("port");
        QTRY_VERIFY_WITH_TIMEOUT(main.PanelText(2) != "time", 2000);
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(main.PanelText(2)).hasMatch());
        QCOMPARE(main.PanelText(1), QString("date"));
        QCOMPARE(main.PanelText(3), QString("port"));
    }

    void shortcutsReachTheirCommands() {
        ShellFixture f;
        auto& main = f.main();
        // Keys go to the active window: the main window, with the channel grid active inside it.
        const auto press = [&main](Qt::Key key, Qt::KeyboardModifiers more = {}) {
            main.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&main));
            QVERIFY(main.clientArea()->activeSubWindow() != nullptr);
            QTest::keyClick(&main, key, Qt::ControlModifier | more);
        };
        // Save and Save As open the save dialog (cancelled here), Open the open dialog.
        press(Qt::Key_S);
        QCOMPARE(f.files.saved(), 1);
        press(Qt::Key_S, Qt::ShiftModifier);
        QCOMPARE(f.files.saved(), 2);
        QCOMPARE(f.files.title(), std::string("Save Data File As"));  // the dialogs name their command
        press(Qt::Key_O);
        QCOMPARE(f.files.opened(), 1);
        QCOMPARE(f.files.title(), std::string("Open Data File"));
        // New asks about the changes first.
        lm::gAll.Modified = true;
        press(Qt::Key_N);
        QCOMPARE(f.messages.texts(), std::vector<std::string>({"Do you wish to save the changes?"}));
        // Print and Print Preview reach their items and dialogs (answered by the fixture's printer).
        QSignalSpy print(main.findChild<QAction*>("P2"), &QAction::triggered);
        QSignalSpy preview(main.findChild<QAction*>("V2"), &QAction::triggered);
        press(Qt::Key_P);
        press(Qt::Key_P, Qt::ShiftModifier);
        QCOMPARE(print.count(), 1);
        QCOMPARE(preview.count(), 1);
        QCOMPARE(f.printer.printed(), 1);
        QCOMPARE(f.printer.previewed(), 1);
        // Read and Write open their dialogs.
        for (Qt::Key key : {Qt::Key_R, Qt::Key_W}) {
            QString opened;
            lmtest::OnNextModal([&opened](QWidget* w) {
                opened = w->objectName();
                w->close();
            });
            press(key);
            QCOMPARE(opened, key == Qt::Key_R ? QString("fReadRadio") : QString("fWriteRadio"));
        }
        // Ctrl+Q leaves: the exit question (answered No).
        f.messages.Clear();
        press(Qt::Key_Q);
        QCOMPARE(f.messages.texts(), std::vector<std::string>({"Do you wish to exit program?"}));
        QVERIFY(main.isVisible());
    }
};

LM_GUI_TEST(MainFrmStartupTest)
#include "main_frm_startup_test.moc"
