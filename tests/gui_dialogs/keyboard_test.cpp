// The channel and settings windows from the keyboard: typed text chooses an item, Enter moves on, and an
// ordinary session of editing leaves nothing on standard error.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "widgets/message_box.h"
#include "windows/channels/ch_info.h"
#include "windows/channels/channel_grid.h"
#include "windows/channels/info_edit.h"

using namespace lm;

namespace {

constexpr int kRxColumn = 0, kTxToneColumn = 3, kPowerColumn = 4, kBandwidthColumn = 5, kEpilogueColumn = 10,
              kOverToneColumn = 11;

// Channels 1 .. count on 461 MHz and up, sending the CTCSS tone 67.0.
void MakeChannels(int count) {
    for (int n = 1; n <= count; ++n) {
        gDocument.Apply("setup", [n](TALL& s) {
            SetRxFrequency(s, n, std::to_string(460 + n));
            SetTone(s, n, cfTxTone, "67.0", "None");
        });
    }
}

// Counts the warnings Qt writes while it lives.
class WarningCounter {
public:
    WarningCounter() { previous_ = qInstallMessageHandler(&WarningCounter::Handle); }
    ~WarningCounter() { qInstallMessageHandler(previous_); }
    static QStringList& Seen() {
        static QStringList seen;
        return seen;
    }

private:
    static void Handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
        // The offscreen platform's note about window sizes is none of the program's.
        if (type != QtDebugMsg && type != QtInfoMsg && !text.contains("propagateSizeHints")) Seen() << text;
    }
    QtMessageHandler previous_ = nullptr;
};

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::unique_ptr<TfChInfo> grid_;

    ChannelGrid* Grid() { return grid_->Grid(); }
    QModelIndex At(int row, int column) { return Grid()->model()->index(row, column); }
    QString Shown(int row, int column) { return At(row, column).data().toString(); }
    QWidget* Editor() {
        for (QWidget* w : Grid()->viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisible()) return w;
        return nullptr;
    }
    // Types keys into a cell as the user does: the first key opens its editor, the rest go to the editor.
    void TypeIntoCell(int row, int column, const QString& keys) {
        Grid()->setCurrentIndex(At(row, column));
        QTest::keyClicks(Grid(), keys.left(1));
        if (keys.size() > 1 && Editor() != nullptr)
            QTest::keyClicks(Editor()->focusProxy() ? Editor()->focusProxy() : Editor(), keys.mid(1));
    }
    void Enter(Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = Editor() != nullptr ? Editor() : Grid();
        QTest::keyClick(target, Qt::Key_Return, modifiers);
    }
    void Click(int row, int column) {
        QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {},
                          Grid()->visualRect(At(row, column)).center());
    }

private slots:
    void init() {
        dlgtest::ResetProgramState(dir_.path());
        gDocument.MarkReplaced();
        messages_ = std::make_unique<ScriptedMessages>();
        grid_.reset(static_cast<TfChInfo*>(CreateChannelInfoWindow(gDocument)));
        grid_->show();
        grid_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(grid_.get()));
    }
    void cleanup() {
        grid_.reset();
        messages_.reset();
    }

    // In a list-only cell, the typed keys choose the first item that begins with all of them; Enter stores it
    // and moves down.
    void typedTextChoosesInTheGrid() {
        const struct {
            int column;
            const char* keys;
            const char* chosen;
        } cases[] = {
            {kOverToneColumn, "ON", "ON"},         {kOverToneColumn, "of", "OFF"},
            {kEpilogueColumn, "T", "Type-1"},      {kEpilogueColumn, "TY", "Type-1"},
            {kEpilogueColumn, "type-2", "Type-2"}, {kPowerColumn, "m", "Mid"},
            {kBandwidthColumn, "N", "Narrow"},     {kPowerColumn, "x", "Mid"},  // no item: unchanged
        };
        MakeChannels(1);
        for (const auto& c : cases) {
            TypeIntoCell(0, c.column, c.keys);
            QVERIFY2(qobject_cast<QComboBox*>(Editor()) != nullptr, c.keys);
            Enter();
            QTRY_VERIFY(Editor() == nullptr);
            QCOMPARE(Shown(0, c.column), QString(c.chosen));
            QCOMPARE(Grid()->currentIndex(), At(1, c.column));
        }
        // In the open list as well: "t" keeps Type-1, where a search from the item after the current one
        // would go on to Type-2.
        TypeIntoCell(0, kEpilogueColumn, "t");
        auto* box = qobject_cast<QComboBox*>(Editor());
        box->showPopup();
        QTest::keyClicks(box->view(), "t");
        QTest::keyClick(box->view(), Qt::Key_Return);
        QTRY_COMPARE(Shown(0, kEpilogueColumn), QString("Type-1"));
    }

    void enterMovesOn() {
        // In the grid: down after a typed frequency, up with Shift, down without an edit as well.
        TypeIntoCell(0, kRxColumn, "461");
        Enter();
        QCOMPARE(Shown(0, kRxColumn), QString("461.00000"));
        QCOMPARE(Grid()->currentIndex(), At(1, kRxColumn));
        Enter(Qt::ShiftModifier);
        QCOMPARE(Grid()->currentIndex(), At(0, kRxColumn));
        Enter();
        QCOMPARE(Grid()->currentIndex(), At(1, kRxColumn));
        // In the edit window: the next field.
        gDocument.SetCurrentChannel(1);
        std::unique_ptr<QWidget> edit(CreateChannelEditWindow(gDocument));
        edit->show();
        edit->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(edit.get()));
        auto* rx = edit->findChild<QLineEdit*>("cxRx_Freq");
        rx->setFocus();
        rx->clear();
        QTest::keyClicks(rx, "462");
        QTest::keyClick(rx, Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(),
                     static_cast<QWidget*>(edit->findChild<QLineEdit*>("cxTx_Freq")));
        QCOMPARE(ChannelTableRow(gAll, 1).cells[1], std::string("462.00000"));
    }

    // Clicking, typing, choosing, bulk edits, paste, undo and redo: no warning from Qt.
    void ordinaryEditingLeavesNoWarnings() {
        WarningCounter::Seen().clear();
        {
            WarningCounter counter;
            MakeChannels(2);
            for (int column : {kRxColumn, 1, kPowerColumn, kEpilogueColumn}) {
                Click(3, column);  // an empty row: only the receive frequency takes an editor
                Click(3, column);
            }
            QTest::keyClick(Grid(), Qt::Key_Escape);
            TypeIntoCell(2, kRxColumn, "463");
            Enter();
            Click(0, kPowerColumn);
            Click(0, kPowerColumn);  // the box already open
            QTest::keyClicks(Editor(), "L");
            Click(1, kPowerColumn);  // leaving the box stores it
            QTest::keyClicks(Editor(), "M");
            Enter();
            TypeIntoCell(0, kTxToneColumn, "D023N");
            Enter();
            Grid()->setCurrentIndex(At(0, kBandwidthColumn));
            Grid()->selectionModel()->select(QItemSelection(At(0, 0), At(2, 0)),
                                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            QTest::keyClicks(Grid(), "N");
            Enter();
            QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
            Grid()->setCurrentIndex(At(5, kRxColumn));
            QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
            Click(5, kPowerColumn);
            while (gDocument.CanUndo()) gDocument.Undo();
            while (gDocument.CanRedo()) gDocument.Redo();
            Click(6, kRxColumn);
            QTest::qWait(50);
            QCOMPARE(Shown(0, kPowerColumn), QString("Low"));
            QCOMPARE(Shown(1, kPowerColumn), QString("Mid"));
            QCOMPARE(Shown(2, kBandwidthColumn), QString("Narrow"));
            QCOMPARE(Shown(5, kRxColumn), QString("462.00000"));  // the row Enter moved to
        }
        QVERIFY2(WarningCounter::Seen().isEmpty(), qPrintable(WarningCounter::Seen().join("\n")));
    }
};

DLG_TEST(KeyboardTest)
#include "keyboard_test.moc"
