// The main window: menus, tool bar, tree, status bar, caption, child windows and every command tag.
#include <QAction>
#include <QDate>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

#include "core/memory_map.h"
#include "core/state.h"
#include "globals/globals.h"
#include "shell/command_table.h"
#include "shell/dialog_commands.h"
#include "shell/port_check.h"
#include "shell_fixture.h"
#include "widgets/translate.h"

using lmtest::ProbeWindow;
using lmtest::ShellFixture;

namespace {

QStringList ItemNames(const QMenu* menu) {
    QStringList names;
    for (const QAction* a : menu->actions()) names << a->objectName() + (a->isVisible() ? "" : "(h)");
    return names;
}

ProbeWindow* Probe(lm::TfMainFrm& main, int kind) {
    return dynamic_cast<ProbeWindow*>(main.ChildWindow(kind));
}

}  // namespace

class MainFrmTest : public QObject {
    Q_OBJECT

private slots:
    void menusHoldTheCommandTable() {
        ShellFixture f;
        auto& main = f.main();
        auto* file = main.findChild<QMenu*>("nFile");
        QVERIFY(file);
        QCOMPARE(ItemNames(file), QStringList({"N1", "O1", "S2", "A1", "N2(h)", "nUpdPwd(h)", "N3", "nImport",
                                               "nExport", "nCompareFile", "N14", "P2", "V2", "N5", "nExit"}));
        QCOMPARE(ItemNames(main.findChild<QMenu*>("nEdit")),
                 QStringList({"nUndo", "nRedo", "N13", "nChInfo", "nChEdit", "N6", "nKey", "nVox", "nOpt",
                              "nScan", "nDtmf(h)", "nInfo", "N7(h)", "P0(h)", "E11(h)"}));
        QCOMPARE(ItemNames(main.findChild<QMenu*>("nProgram")),
                 QStringList({"R1", "W2", "nCompareRadio", "nProduction", "N8", "T1(h)"}));
        QCOMPARE(ItemNames(main.findChild<QMenu*>("nSetup")),
                 QStringList({"N4", "N9", "C2", "nLanguage", "nShowDtmf"}));
        QCOMPARE(ItemNames(main.findChild<QMenu*>("nView")), QStringList({"T4", "N10", "nCool", "nBar"}));
        QVERIFY(main.findChild<QMenu*>("nWindow")->menuAction()->isVisible());
        QCOMPARE(ItemNames(main.findChild<QMenu*>("nHelp")),
                 QStringList({"nHelpTopics", "nCableCheck", "N12", "nAbout"}));

        for (const lm::MenuItemDef& def : lm::MenuItems()) {
            if (def.separator) continue;
            auto* action = main.findChild<QAction*>(def.name);
            QVERIFY2(action, def.name);
            QCOMPARE(action->text(), QString(def.caption));
            QCOMPARE(lm::TagOf(action), def.tag);
            QCOMPARE(action->shortcut(), QKeySequence(QString(def.shortcut)));
            QCOMPARE(action->isChecked(), def.checked);
        }
        QCOMPARE(main.findChild<QAction*>("nInfo")->toolTip(), QString("Radio Information"));
    }

    void toolBarOrderAndHints() {
        ShellFixture f;
        auto* bar = f.main().findChild<QToolBar*>("ToolBar1");
        QStringList order;
        for (const QAction* a : bar->actions()) order << (a->isSeparator() ? "|" : a->toolTip());
        QCOMPARE(order, QStringList({"New", "Open", "Save", "|", "Channel Edit", "|", "Print", "|", "COM",
                                     "|", "Read", "|", "Write", "|", "Production", "|", "Help"}));
        QCOMPARE(lm::TagOf(f.main().findChild<QAction*>("tbCom")), 31);
        QCOMPARE(lm::TagOf(f.main().findChild<QAction*>("ToolButton3")), 11);
        QCOMPARE(bar->height(), 29);
    }

    void treeStatusAndCaption() {
        ShellFixture f;
        auto& main = f.main();
        QTreeWidgetItem* root = main.tree()->topLevelItem(0);
        QCOMPARE(root->text(0), QString("LM-418T"));
        QCOMPARE(main.tree()->currentItem(), root);
        QStringList texts;
        for (int i = 0; i < root->childCount(); ++i) texts << root->child(i)->text(0);
        QCOMPARE(texts, QStringList({"Radio Information", "Channel Information", "Key Function",
                                     "Vox Function", "Optional Function", "Scan Information"}));
        QTreeWidgetItem* channels = root->child(1);
        QCOMPARE(channels->childCount(), 16);
        QCOMPARE(channels->child(0)->text(0), QString("No. -  1"));
        QCOMPARE(channels->child(15)->text(0), QString("No. -  16"));
        QVERIFY(channels->isExpanded());

        QCOMPARE(main.PanelText(0), QString());
        QCOMPARE(main.PanelText(1), QDate::currentDate().toString("yyyy/MM/dd"));
        QVERIFY(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(main.PanelText(2)).hasMatch());
        QCOMPARE(main.PanelText(3), "Port: " + QString::fromStdString(lm::gPreferences.PortName));
        QCOMPARE(main.PanelText(4), QString("LM-418T(UHF)"));
        QCOMPARE(main.PanelText(5), QString::fromStdString(lm::gAll.BandName));
        QCOMPARE(main.PanelText(6), QString("  "));
        QCOMPARE(main.windowTitle(), QString("LM-418T"));
        // Start-up opens the channel information window and leaves the image unmodified.
        QVERIFY(Probe(main, lm::cmd::kChannelInfo));
        QVERIFY(!lm::gAll.Modified);

        lm::gAll.AreaText = "Beijing";
        main.UpdateStatusAndCaption();
        QCOMPARE(main.PanelText(6), QString("  Beijing"));
    }

    void childWindowsOnePerKind() {
        ShellFixture f;
        auto& main = f.main();
        for (int kind : {10, 11, 12, 13, 14, 15, 17, 19}) {
            main.DispatchCommand(kind);
            QVERIFY2(Probe(main, kind), qPrintable(QString::number(kind)));
        }
        QCOMPARE(main.clientArea()->subWindowList().size(), 8);
        ProbeWindow* key = Probe(main, lm::cmd::kKeyFunction);
        main.ChildFrame(lm::cmd::kKeyFunction)->showMinimized();
        main.DispatchCommand(lm::cmd::kKeyFunction);
        QCOMPARE(Probe(main, lm::cmd::kKeyFunction), key);
        QVERIFY(!main.ChildFrame(lm::cmd::kKeyFunction)->isMinimized());
        QCOMPARE(main.clientArea()->subWindowList().size(), 8);
        // A closed window is gone for good; the next command makes a new one.
        main.ChildFrame(lm::cmd::kKeyFunction)->close();
        QTRY_VERIFY(main.ChildFrame(lm::cmd::kKeyFunction) == nullptr);
        main.DispatchCommand(lm::cmd::kKeyFunction);
        QVERIFY(Probe(main, lm::cmd::kKeyFunction));
        // Close All Windows.
        main.DispatchCommand(lm::cmd::kCloseAll);
        QTRY_COMPARE(main.clientArea()->subWindowList().size(), 0);
        // New replaces the image: everything closes and a fresh channel grid opens.
        main.DispatchCommand(lm::cmd::kVoxFunction);
        main.ReopenEditors();
        QTRY_COMPARE(main.clientArea()->subWindowList().size(), 1);
        QVERIFY(Probe(main, lm::cmd::kChannelInfo));
    }

    void treeClicksAndChannelHooks() {
        ShellFixture f;
        auto& main = f.main();
        QTreeWidgetItem* channels = main.tree()->topLevelItem(0)->child(1);
        ProbeWindow* grid = Probe(main, lm::cmd::kChannelInfo);
        QVERIFY(grid);
        main.cxTreeDblClick(nullptr);
        main.cxTreeDblClick(channels->child(4));  // not the selected node: nothing
        QVERIFY(!main.ChildWindow(lm::cmd::kChannelEdit));
        main.tree()->setCurrentItem(channels->child(4));
        main.cxTreeDblClick(channels->child(4));
        QCOMPARE(lm::gAll.CurrentChannel, 5);
        ProbeWindow* edit = Probe(main, lm::cmd::kChannelEdit);
        QVERIFY(edit);
        QVERIFY(grid->leaves >= 1);  // the grid left editing before the command ran
        main.tree()->setCurrentItem(channels->child(7));
        main.cxTreeClick(channels->child(7));
        QCOMPARE(lm::gAll.CurrentChannel, 8);
        QCOMPARE(edit->loads, 1);
        // A single click counts only on the selected channel node; a function node or empty space does
        // nothing.
        main.cxTreeClick(channels->child(9));
        main.cxTreeClick(nullptr);
        main.tree()->setCurrentItem(main.tree()->topLevelItem(0)->child(3));
        main.cxTreeClick(main.tree()->currentItem());
        QCOMPARE(lm::gAll.CurrentChannel, 8);
        QCOMPARE(edit->loads, 1);
        QVERIFY(!main.ChildWindow(lm::cmd::kVoxFunction));
        // The windows hear which channel a step changed, and where the cursor moved; the tree follows it.
        lm::gDocument.Apply("Step", [](lm::TALL& s) { s.Image[lm::SlotFirst(9)] ^= 1; });
        QCOMPARE(grid->rows, std::vector<int>({9}));
        lm::gDocument.SetCurrentChannel(3);
        QCOMPARE(main.tree()->currentItem(), channels->child(2));
        QCOMPARE(edit->loads, 2);
        // A function node opens its window; the root does nothing.
        QTreeWidgetItem* key = main.tree()->topLevelItem(0)->child(2);
        main.tree()->setCurrentItem(key);
        main.cxTreeDblClick(key);
        QVERIFY(Probe(main, lm::cmd::kKeyFunction));
        const auto count = main.clientArea()->subWindowList().size();
        main.tree()->setCurrentItem(main.tree()->topLevelItem(0));
        main.cxTreeDblClick(main.tree()->topLevelItem(0));
        QCOMPARE(main.clientArea()->subWindowList().size(), count);
    }

    void viewCommands() {
        ShellFixture f;
        auto& main = f.main();
        QVERIFY(main.leftPanel()->isVisible());
        main.findChild<QToolButton*>("btnClose")->click();
        QVERIFY(!main.leftPanel()->isVisible());
        main.findChild<QAction*>("T4")->trigger();
        QVERIFY(main.leftPanel()->isVisible());
        QVERIFY(!main.findChild<QAction*>("T4")->isChecked());
        auto* bar = main.findChild<QToolBar*>("ToolBar1");
        main.findChild<QAction*>("nCool")->trigger();
        QVERIFY(!bar->isVisible());
        QVERIFY(!main.findChild<QAction*>("nCool")->isChecked());
        main.DispatchCommand(lm::cmd::kToolbar);
        QVERIFY(bar->isVisible());
        main.findChild<QAction*>("nBar")->trigger();
        QVERIFY(!main.statusBar()->isVisible());
        main.DispatchCommand(lm::cmd::kStatusBar);
        QVERIFY(main.statusBar()->isVisible());
        QVERIFY(main.findChild<QAction*>("nBar")->isChecked());
    }

    void commandsWithoutEffectAndUnknownTags() {
        ShellFixture f;
        auto& main = f.main();
        lm::gAll.Image[20] = 0x42;
        lm::gAll.Modified = true;
        const auto image = lm::gAll.Image;
        for (int tag : {0, 5, 6, 8, 9, 16, 22, 33, 55, 99, -1}) main.DispatchCommand(tag);
        for (const char* name : {"P2", "V2", "tbPrint"}) main.findChild<QAction*>(name)->trigger();
        QTest::keyClick(&main, Qt::Key_P, Qt::ControlModifier);
        QTest::keyClick(&main, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(lm::gAll.Image == image);
        QVERIFY(lm::gAll.Modified);
        QCOMPARE(main.windowTitle(), QString("LM-418T"));
        QVERIFY(f.messages.shown().empty());
        QCOMPARE(f.files.opened() + f.files.saved(), 0);
        // The DTMF item, hidden as shipped, shows the window when it is shown; so does its tag.
        main.DispatchCommand(lm::cmd::kDtmf);
        QVERIFY(main.ChildWindow(lm::cmd::kDtmf));
    }

    // Setup > Show DTMF Function shows the Edit menu's DTMF item and a DTMF node in the tree; the settings
    // file keeps the choice for the next start.
    void showDtmfFunctionIsKeptInTheSettings() {
        ShellFixture f;
        const auto dtmfNode = [](lm::TfMainFrm& main) -> QTreeWidgetItem* {
            QTreeWidgetItem* root = main.tree()->topLevelItem(0);
            for (int i = 0; i < root->childCount(); ++i)
                if (root->child(i)->text(0) == "DTMF") return root->child(i);
            return nullptr;
        };
        QAction* show = f.main().MenuAction(lm::cmd::kShowDtmf);
        QVERIFY(show->isCheckable() && !show->isChecked());
        QVERIFY(dtmfNode(f.main()) == nullptr);
        show->trigger();
        QVERIFY(f.main().MenuAction(lm::cmd::kDtmf)->isVisible());
        QTreeWidgetItem* node = dtmfNode(f.main());
        QVERIFY(node != nullptr);
        f.main().tree()->setCurrentItem(node);
        f.main().cxTreeDblClick(node);
        QVERIFY(Probe(f.main(), lm::cmd::kDtmf));
        f.main().RebuildTree();
        QVERIFY(dtmfNode(f.main()) != nullptr);
        {
            lm::TfMainFrm next(lmtest::Parts(), f.path("SysInfo.Ini"));
            next.show();
            QVERIFY(next.MenuAction(lm::cmd::kShowDtmf)->isChecked());
            QVERIFY(dtmfNode(next) != nullptr);
            next.DispatchCommand(lm::cmd::kShowDtmf);
            QVERIFY(!next.MenuAction(lm::cmd::kDtmf)->isVisible());
            QVERIFY(dtmfNode(next) == nullptr);
        }
        QVERIFY(lmtest::ReadFile(f.path("SysInfo.Ini")).find("ShowDtmf=0") != std::string::npos);
    }

    void everyDialogCommandRunsItsDialog() {
        ShellFixture f;
        auto& main = f.main();
        namespace cmd = lm::cmd;
        for (int tag :
             {cmd::kEmbeddedMessage, cmd::kRead, cmd::kWrite, cmd::kCompareWithRadio, cmd::kProduction,
              cmd::kModel, cmd::kPort, cmd::kLanguage, cmd::kAbout, cmd::kCableCheck}) {
            QString title;
            lmtest::OnNextModal([&title](QWidget* w) {
                title = w->objectName();
                w->close();
            });
            main.DispatchCommand(tag);
            QVERIFY2(!title.isEmpty(), qPrintable(QString::number(tag)));
        }
        // Exit asks ExitProgram; No keeps the window open.
        main.findChild<QAction*>("nExit")->trigger();
        QVERIFY(main.isVisible());
        QCOMPARE(f.messages.texts(), std::vector<std::string>({"Do you wish to exit program?"}));
        QCOMPARE(f.messages.shown()[0].caption, std::string("Confirmation"));
        QCOMPARE(f.messages.shown()[0].kind, lm::kMessageQuestion);
    }

    void portCheck() {
        using lm::SettlePortName;
        QCOMPARE(SettlePortName("com3", {"COM1", "COM3"}), std::string("COM3"));
        QCOMPARE(SettlePortName("com7", {"COM1", "COM3"}), std::string("COM1"));
        QCOMPARE(SettlePortName("com7", {}), std::string("COM7"));
        QCOMPARE(SettlePortName("/dev/ttyUSB1", {"/dev/ttyS0", "/dev/ttyUSB1"}), std::string("/dev/ttyUSB1"));
        QCOMPARE(SettlePortName("/dev/ttyusb1", {"/dev/ttyS0"}), std::string("/dev/ttyS0"));
        QCOMPARE(SettlePortName("ttyUSB1", {"/dev/ttyS0", "/dev/ttyUSB1"}), std::string("/dev/ttyUSB1"));
        QCOMPARE(SettlePortName("ttyUSB1", {"/dev/ttyS0"}), std::string("/dev/ttyS0"));
        QCOMPARE(SettlePortName("simulated", {"/dev/ttyS0"}), std::string("SIMULATED"));
        QCOMPARE(lm::UpperPortName("ttyUSB0"), std::string("ttyUSB0"));
    }
};

LM_GUI_TEST(MainFrmTest)
#include "main_frm_test.moc"
