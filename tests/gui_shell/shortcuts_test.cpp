// The keyboard shortcuts of every menu: none is given twice, and the standard editing keys mean editing
// wherever the focus is, never another command.
#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <map>

#include "shell/command_table.h"
#include "shell/windows_wiring.h"
#include "shell_fixture.h"

using lmtest::ShellFixture;

namespace {

// Each standard editing key and the one action that may carry it: the editing command of that key.
const std::map<QString, QString>& EditingKeys() {
    static const std::map<QString, QString> keys{
        {"Ctrl+C", "nCopy"}, {"Ctrl+X", "nCut"},  {"Ctrl+V", "nPaste"},      {"Ctrl+A", ""},
        {"Ctrl+Z", "nUndo"}, {"Ctrl+Y", "nRedo"}, {"Ctrl+Shift+Z", "nRedo"},
    };
    return keys;
}

void CollectActions(const QMenu* menu, QList<QAction*>& actions) {
    for (QAction* action : menu->actions()) {
        if (action->menu() != nullptr)
            CollectActions(action->menu(), actions);
        else if (!action->isSeparator())
            actions << action;
    }
}

}  // namespace

class ShortcutsTest : public QObject {
    Q_OBJECT

private slots:
    void noShortcutTwiceAndEditingKeysOnlyEdit() {
        ShellFixture f;
        auto& main = f.main();
        lm::RegisterWindows();  // the real channel grid, with its context menu
        main.ReopenEditors();
        // The menu bar, hidden menus included, and the context menus of the child windows.
        QList<QAction*> menuActions;
        for (const QAction* top : main.menuBar()->actions())
            if (top->menu() != nullptr) CollectActions(top->menu(), menuActions);
        QList<QAction*> contextActions;
        for (QWidget* w : main.clientArea()->findChildren<QWidget*>()) {
            if (w->contextMenuPolicy() == Qt::ActionsContextMenu) contextActions << w->actions();
        }
        QVERIFY(menuActions.size() > 40);
        QVERIFY(!contextActions.isEmpty());

        std::map<QString, QString> owner;  // key -> action of the main window's menus
        for (QAction* action : menuActions) {
            for (const QKeySequence& key : action->shortcuts()) {
                const QString text = key.toString(QKeySequence::PortableText);
                QVERIFY2(owner.emplace(text, action->objectName()).second,
                         qPrintable(text + " on " + owner[text] + " and " + action->objectName()));
            }
        }
        for (QAction* action : menuActions + contextActions) {
            for (const QKeySequence& key : action->shortcuts()) {
                const QString text = key.toString(QKeySequence::PortableText);
                const auto editing = EditingKeys().find(text);
                if (editing == EditingKeys().end()) continue;
                QVERIFY2(editing->second == action->objectName(),
                         qPrintable(text + " is not editing on " + action->objectName()));
            }
        }
        // The commands whose keys gave way to editing.
        QCOMPARE(owner["Ctrl+Shift+S"], QString("A1"));
        QCOMPARE(owner["Ctrl+Shift+P"], QString("V2"));
        QCOMPARE(owner["Ctrl+Q"], QString("nExit"));
    }
};

LM_GUI_TEST(ShortcutsTest)
#include "shortcuts_test.moc"
