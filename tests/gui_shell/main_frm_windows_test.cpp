// The main window's child windows, tree icons and what follows the dialog commands.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <optional>

#include "core/state.h"
#include "globals/globals.h"
#include "shell/command_table.h"
#include "shell/dialog_commands.h"
#include "shell/windows_wiring.h"
#include "shell_fixture.h"
#include "widgets/artwork.h"

using lmtest::ProbeWindow;
using lmtest::ShellFixture;

namespace {

ProbeWindow* Probe(lm::TfMainFrm& main, int kind) {
    return dynamic_cast<ProbeWindow*>(main.ChildWindow(kind));
}

QImage Picture(const QIcon& icon, QIcon::Mode mode) { return icon.pixmap(QSize(16, 16), mode).toImage(); }

// Puts a scripted command in place of a dialog command while it lives.
class FakeDialogCommand {
public:
    FakeDialogCommand(int tag, lm::DialogCommand fake) : tag_(tag) {
        if (const lm::DialogCommand* real = lm::FindDialogCommand(tag)) saved_ = *real;
        lm::RegisterDialogCommand(tag, std::move(fake));
    }
    ~FakeDialogCommand() { lm::RegisterDialogCommand(tag_, saved_ ? *saved_ : lm::DialogCommand{}); }

private:
    int tag_;
    std::optional<lm::DialogCommand> saved_;
};

// An editor window with a Close button of its own, as the settings windows have.
class SelfClosingWindow : public QWidget {
public:
    explicit SelfClosingWindow(bool deleteOnClose) {
        setAttribute(Qt::WA_DeleteOnClose, deleteOnClose);
        button = new QPushButton("&Close", this);
        connect(button, &QPushButton::clicked, this, &QWidget::close);
    }
    QPushButton* button;
};

}  // namespace

class MainFrmWindowsTest : public QObject {
    Q_OBJECT

private slots:
    // The real channel windows keep each other and the tree current through the main window.
    void channelWindowsFollowEachOtherAndTheTree() {
        ShellFixture f;
        auto& main = f.main();
        lm::RegisterWindows();  // the program's channel windows instead of the probes
        main.ReopenEditors();
        QTreeWidgetItem* channels = main.tree()->topLevelItem(0)->child(1);
        main.tree()->setCurrentItem(channels->child(2));
        main.cxTreeDblClick(channels->child(2));
        QWidget* edit = main.ChildWindow(lm::cmd::kChannelEdit);
        QVERIFY(edit != nullptr);
        auto* number = edit->findChild<QSpinBox*>("sexd");
        QCOMPARE(number->value(), 3);
        number->setValue(5);  // the edit window's channel moves the tree
        QCOMPARE(lm::gAll.CurrentChannel, 5);
        QCOMPARE(main.tree()->currentItem(), channels->child(4));
        auto* grid = main.ChildWindow(lm::cmd::kChannelInfo)->findChild<QTableView*>("gvData");
        grid->setCurrentIndex(grid->model()->index(6, 0));  // the grid's row moves the edit window
        QCOMPARE(lm::gAll.CurrentChannel, 7);
        QCOMPARE(number->value(), 7);
    }

    void treeNodesShowTheirImages() {
        ShellFixture f;
        QTreeWidgetItem* root = f.main().tree()->topLevelItem(0);
        const QIcon rootIcon = lm::ImageListIcon(lm::kImageRoot);
        QCOMPARE(Picture(root->icon(0), QIcon::Normal), Picture(rootIcon, QIcon::Normal));
        QCOMPARE(Picture(root->icon(0), QIcon::Selected), Picture(rootIcon, QIcon::Normal));
        const QImage normal = Picture(lm::ImageListIcon(lm::kImageNode), QIcon::Normal);
        const QImage selected = Picture(lm::ImageListIcon(lm::kImageNodeSelected), QIcon::Normal);
        QVERIFY(normal != selected);
        std::vector<QTreeWidgetItem*> nodes;
        for (int i = 0; i < root->childCount(); ++i) nodes.push_back(root->child(i));
        for (int i = 0; i < root->child(1)->childCount(); ++i) nodes.push_back(root->child(1)->child(i));
        QCOMPARE(nodes.size(), std::size_t(6 + 16));
        for (QTreeWidgetItem* node : nodes) {
            QCOMPARE(Picture(node->icon(0), QIcon::Normal), normal);
            QCOMPARE(Picture(node->icon(0), QIcon::Selected), selected);
        }
    }

    void editorClosingItselfTakesItsFrame() {
        ShellFixture f;
        auto& main = f.main();
        QPointer<SelfClosingWindow> editor;
        int made = 0;
        for (bool deleteOnClose : {true, false}) {
            made = 0;
            lm::RegisterChildWindow(lm::cmd::kVoxFunction, [&editor, &made, deleteOnClose](lm::TfMainFrm&) {
                ++made;
                editor = new SelfClosingWindow(deleteOnClose);
                return editor.data();
            });
            main.DispatchCommand(lm::cmd::kVoxFunction);
            QVERIFY(editor);
            QPointer<QMdiSubWindow> frame = main.ChildFrame(lm::cmd::kVoxFunction);
            QVERIFY(frame);
            editor->button->click();
            QTRY_VERIFY(frame.isNull());
            QVERIFY(main.ChildFrame(lm::cmd::kVoxFunction) == nullptr);
            QCOMPARE(main.clientArea()->subWindowList().size(), 1);  // the channel grid
            // The next command makes a new window.
            main.DispatchCommand(lm::cmd::kVoxFunction);
            QVERIFY(main.ChildWindow(lm::cmd::kVoxFunction) != nullptr);
            QCOMPARE(made, 2);
            main.ChildFrame(lm::cmd::kVoxFunction)->close();
            QTRY_COMPARE(main.clientArea()->subWindowList().size(), 1);
        }
        // An editor deleted outright takes its frame as well.
        main.DispatchCommand(lm::cmd::kVoxFunction);
        QPointer<QMdiSubWindow> frame = main.ChildFrame(lm::cmd::kVoxFunction);
        delete main.ChildWindow(lm::cmd::kVoxFunction);
        QVERIFY(main.ChildFrame(lm::cmd::kVoxFunction) == nullptr);
        QTRY_VERIFY(frame.isNull());
    }

    void closeAllChildrenEmptiesTheGridAtOnce() {
        ShellFixture f;
        auto& main = f.main();
        for (int kind : {11, 12, 15}) main.DispatchCommand(kind);
        const QPointer<QWidget> grid = main.ChildWindow(lm::cmd::kChannelInfo);
        const QPointer<QWidget> key = main.ChildWindow(lm::cmd::kKeyFunction);
        QVERIFY(grid && key);
        main.CloseAllChildren();
        // Before the event loop runs again: the grid is destroyed, the others no longer count.
        QVERIFY(grid.isNull());
        for (int kind : {10, 11, 12, 15}) QVERIFY(main.ChildFrame(kind) == nullptr);
        main.ShowChildWindow(lm::cmd::kChannelInfo);
        QVERIFY(main.ChildWindow(lm::cmd::kChannelInfo));
        QTRY_VERIFY(key.isNull());
        QCOMPARE(main.clientArea()->subWindowList().size(), 1);
    }

    void everyCommandFirstEndsGridEditing() {
        ShellFixture f;
        auto& main = f.main();
        ProbeWindow* grid = Probe(main, lm::cmd::kChannelInfo);
        QVERIFY(grid);
        int expected = grid->leaves;
        for (int tag : {0, 5, 6, 8, 12, 16, 22, 40, 40, 50, 99}) {
            main.DispatchCommand(tag);
            QCOMPARE(grid->leaves, ++expected);
        }
        // Without a grid there is nothing to end, and the command still runs.
        main.ChildFrame(lm::cmd::kChannelInfo)->close();
        QTRY_VERIFY(main.ChildFrame(lm::cmd::kChannelInfo) == nullptr);
        main.DispatchCommand(lm::cmd::kKeyFunction);
        QVERIFY(main.ChildWindow(lm::cmd::kKeyFunction));
    }

    void whatFollowsTheDialogCommands() {
        ShellFixture f;
        auto& main = f.main();
        f.files.Answer(f.path("kept.dat"));
        QVERIFY(main.FileSave());
        const QString caption = main.windowTitle();
        main.DispatchCommand(lm::cmd::kKeyFunction);

        // Communication Port: the status bar follows the port, whatever the dialog's result.
        for (bool result : {false, true}) {
            const std::string port = result ? "COM9" : "COM8";
            FakeDialogCommand fake(lm::cmd::kPort, [&port, result](lm::TfMainFrm&) {
                lm::gPreferences.PortName = port;
                return result;
            });
            main.DispatchCommand(lm::cmd::kPort);
            QCOMPARE(main.PanelText(3), "Port: " + QString::fromStdString(port));
        }
        // Write: nothing follows, not even after a completed write.
        {
            int runs = 0;
            FakeDialogCommand fake(lm::cmd::kWrite, [&runs](lm::TfMainFrm&) { return ++runs > 0; });
            main.DispatchCommand(lm::cmd::kWrite);
            QCOMPARE(runs, 1);
            QCOMPARE(main.CurrentFileName(), f.path("kept.dat"));
            QVERIFY(main.ChildWindow(lm::cmd::kKeyFunction));
        }
        // Read: nothing follows a read that did not complete.
        {
            FakeDialogCommand fake(lm::cmd::kRead, [](lm::TfMainFrm&) { return false; });
            main.DispatchCommand(lm::cmd::kRead);
            QCOMPARE(main.CurrentFileName(), f.path("kept.dat"));
            QCOMPARE(main.windowTitle(), caption);
            QVERIFY(main.ChildWindow(lm::cmd::kKeyFunction));
        }
        // A completed read: no file name, caption and status renewed, editors replaced, the tree kept.
        {
            QTreeWidgetItem* node = main.tree()->topLevelItem(0)->child(1)->child(3);
            node->setText(0, "marker");
            FakeDialogCommand fake(lm::cmd::kRead, [](lm::TfMainFrm&) {
                lm::gAll.AreaText = "Area";
                lm::gAll.Modified = true;
                return true;
            });
            main.DispatchCommand(lm::cmd::kRead);
            QCOMPARE(main.CurrentFileName(), std::string());
            QCOMPARE(main.windowTitle(), QString("LM-418T"));
            QCOMPARE(main.PanelText(6), QString("  Area"));
            QVERIFY(lm::gAll.Modified);
            QVERIFY(!main.ChildWindow(lm::cmd::kKeyFunction));
            QVERIFY(main.ChildWindow(lm::cmd::kChannelInfo));
            QCOMPARE(main.tree()->topLevelItem(0)->child(1)->child(3), node);
            QCOMPARE(node->text(0), QString("marker"));
        }
    }
};

LM_GUI_TEST(MainFrmWindowsTest)
#include "main_frm_windows_test.moc"
