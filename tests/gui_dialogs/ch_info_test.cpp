// The channel grid: what it types, picks, deletes, pastes and undoes lands in the image through the engine
// and the document, and the grid shows the image as it then is.
#include "windows/channels/ch_info.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

#include "core/channel_batch.h"
#include "core/channel_edit.h"
#include "core/channel_table.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "tone_picker_helpers.h"
#include "widgets/editor_hooks.h"
#include "widgets/message_box.h"
#include "widgets/translate.h"
#include "windows/channels/channel_grid.h"

using namespace lm;

namespace {

constexpr int kRxColumn = 0, kTxColumn = 1, kPowerColumn = 4;

std::string Cell(int n, int column) {
    return ChannelTableRow(gAll, n).cells[static_cast<std::size_t>(column) + 1];
}

// Channels 1 .. count on 460 MHz and up, made through the document as the grid would make them.
void MakeChannels(int count) {
    for (int n = 1; n <= count; ++n) {
        gDocument.Apply("setup", [n](TALL& s) { SetRxFrequency(s, n, std::to_string(460 + n)); });
    }
}

}  // namespace

class ChInfoTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::vector<DocumentEvent> heard_;
    int listener_ = 0;
    std::unique_ptr<QWidget> window_;

    ChannelGrid* Grid() { return static_cast<TfChInfo*>(window_.get())->Grid(); }
    QString Shown(int row, int column) { return Grid()->model()->index(row, column).data().toString(); }
    // The open in-cell editor (closed ones linger hidden until deleted).
    template <typename T>
    T* Editor() {
        for (T* w : Grid()->viewport()->findChildren<T*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisible()) return w;
        return nullptr;
    }
    // Opens the editor of a cell as a click does.
    bool Open(int row, int column) {
        Grid()->setCurrentIndex(Grid()->model()->index(row, column));
        Grid()->edit(Grid()->currentIndex());
        for (QWidget* w : Grid()->viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            if (w->isVisible()) return true;
        return false;
    }
    void SelectRows(int first, int last) {
        auto* model = Grid()->model();
        Grid()->selectionModel()->select(QItemSelection(model->index(first, 0), model->index(last, 0)),
                                         QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

private slots:
    void init() {
        dlgtest::ResetProgramState(dir_.path());
        gDocument.MarkReplaced();
        messages_ = std::make_unique<ScriptedMessages>();
        heard_.clear();
        listener_ = gDocument.AddListener([this](const DocumentEvent& e) { heard_.push_back(e); });
        window_.reset(CreateChannelInfoWindow(gDocument));
        window_->show();
    }
    void cleanup() {
        window_.reset();
        gDocument.RemoveListener(listener_);
        messages_.reset();
    }

    void opensOnChannelOneWithItsLayout() {
        QCOMPARE(window_->objectName(), QString("fChInfo"));
        QCOMPARE(window_->windowTitle(), QString("Channel Information"));
        QCOMPARE(Grid()->currentIndex(), Grid()->model()->index(0, kRxColumn));
        // The entries' widths are the least; a column widens to its texts (sizes_test.cpp).
        int width = 60 + 2 * Grid()->frameWidth();
        for (int c = 0; c < Grid()->model()->columnCount(); ++c) width += Grid()->columnWidth(c);
        QCOMPARE(window_->width(), width);
        QVERIFY(Grid()->columnWidth(kRxColumn) >= 80);
        QCOMPARE(Grid()->horizontalHeader()->height(), 35);
        QCOMPARE(Grid()->model()->headerData(kTxColumn, Qt::Horizontal).toString(), QString("TX Frequency"));
        QVERIFY(Grid()->model()->index(15, 0).data(Qt::BackgroundRole).isValid());
        QVERIFY(!Grid()->model()->index(14, 0).data(Qt::BackgroundRole).isValid());
    }

    void typedFrequencyGoesThroughTheEngineAndWarns() {
        QVERIFY(Open(0, kRxColumn));
        auto* edit = Editor<QLineEdit>();
        QVERIFY(edit != nullptr);
        QTest::keyClicks(edit, "44x6,007");     // the letter is dropped, the comma is the point
        QTest::keyClick(edit, Qt::Key_Return);  // confirms once the event loop runs
        // The default band is 450 - 470 MHz: kept after the warning, snapped to the raster.
        QTRY_COMPARE(Cell(1, kRxColumn), std::string("446.00625"));
        QCOMPARE(Shown(0, kRxColumn), QString("446.00625"));
        QCOMPARE(Shown(0, kTxColumn), QString("446.00625"));
        QCOMPARE(messages_->shown().size(), std::size_t(1));
        QCOMPARE(messages_->shown()[0].caption, std::string("Caution"));
        QCOMPARE(messages_->shown()[0].text, std::string("Frequecy is Out of range."));
        QCOMPARE(gDocument.UndoName(), FieldStepName(cfRxFreq, {1}));
        // One step, which says it changed channel 1 alone.
        QVERIFY(!heard_.empty());
        QCOMPARE(heard_[0].kind, DocumentEventKind::Changed);
        QCOMPARE(heard_[0].change.channels, std::vector<int>{1});
        QVERIFY(!heard_[0].change.settings);
        // Moving to another channel's row makes it current, which the other windows hear.
        Grid()->setCurrentIndex(Grid()->model()->index(2, kRxColumn));
        QCOMPARE(gAll.CurrentChannel, 3);
        QCOMPARE(heard_.back().kind, DocumentEventKind::Moved);
        QCOMPARE(heard_.back().channel, 3);
    }

    void optionBoxesFollowTheEngine() {
        MakeChannels(1);
        QVERIFY(!Open(1, kPowerColumn));  // no box on an empty channel
        QVERIFY(Open(0, kPowerColumn));
        auto* box = Editor<QComboBox>();
        QVERIFY(box != nullptr);
        QCOMPARE(box->objectName(), QString("cxPower"));
        QVERIFY(!box->isEditable());
        QCOMPARE(box->currentText(), QString("High"));
        QTest::keyClicks(box, "L");  // the first letter picks the item, Enter sets it
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(Cell(1, kPowerColumn), std::string("Low"));
        QCOMPARE(Shown(0, kPowerColumn), QString("Low"));
        QCOMPARE(gDocument.UndoName(), FieldStepName(cfPower, {1}));
    }

    // A double click on a tone box opens the tone picker; the picked tone is stored at once, as one step.
    void toneBoxOpensThePicker() {
        MakeChannels(1);
        QVERIFY(Open(0, 2));
        auto* box = Editor<QComboBox>();
        QVERIFY(box != nullptr && box->lineEdit() != nullptr);
        dlgtest::WhenModal<TfToneOption>([](TfToneOption* picker) {
            dlgtest::DoubleClick(dlgtest::VisibleGrid(*picker), 8, 4);  // group 2, row 9
        });
        QTest::mouseDClick(box->lineEdit(), Qt::LeftButton);
        QTRY_COMPARE(Cell(1, 2), std::string("118.8"));
        QCOMPARE(gDocument.UndoName(), FieldStepName(cfRxTone, {1}));
    }

    void bulkEditIsOneStepAndTheGridFollowsUndo() {
        MakeChannels(3);
        QVERIFY(Open(0, kPowerColumn));
        SelectRows(0, 2);
        auto* box = Editor<QComboBox>();
        QVERIFY(box != nullptr);
        QTest::keyClicks(box, "M");
        QTest::keyClick(box, Qt::Key_Return);
        for (int n = 1; n <= 3; ++n) QCOMPARE(Cell(n, kPowerColumn), std::string("Mid"));
        QCOMPARE(gDocument.UndoName(), FieldStepName(cfPower, {1, 2, 3}));
        QVERIFY(gDocument.Undo());
        for (int row = 0; row < 3; ++row) QCOMPARE(Shown(row, kPowerColumn), QString("High"));
    }

    void deleteAsksOnceForTheSelectedRows() {
        MakeChannels(2);
        Grid()->setFocus();
        SelectRows(0, 1);
        messages_->Answer(kAnswerNo);
        QTest::keyClick(Grid(), Qt::Key_Delete);
        QCOMPARE(Shown(1, kRxColumn), QString("462.00000"));
        messages_->Answer(kAnswerYes);
        QTest::keyClick(Grid(), Qt::Key_Delete);
        QCOMPARE(messages_->shown().size(), std::size_t(2));
        QVERIFY(!ChannelTableRow(gAll, 1).present && !ChannelTableRow(gAll, 2).present);
        QCOMPARE(Shown(0, kRxColumn), QString());
        QVERIFY(!Open(0, kTxColumn));  // the transmit cell of an empty row takes no editor
        QVERIFY(gDocument.Undo());
        QCOMPARE(Shown(1, kRxColumn), QString("462.00000"));
    }

    // From the keyboard: typing into a frequency cell starts editing it, Escape cancels, F2 edits, the arrow
    // keys move, and Ctrl+X cuts the selected rows as one step.
    void keyboardEditsMovesAndCuts() {
        MakeChannels(2);
        Grid()->setFocus();
        Grid()->setCurrentIndex(Grid()->model()->index(0, kRxColumn));
        QTest::keyClick(Grid(), Qt::Key_4);
        auto* edit = Editor<QLineEdit>();
        QVERIFY(edit != nullptr);
        QCOMPARE(edit->text(), QString("4"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QTRY_VERIFY(Editor<QLineEdit>() == nullptr);
        QCOMPARE(Cell(1, kRxColumn), std::string("461.00000"));
        QTest::keyClick(Grid(), Qt::Key_Down);
        QCOMPARE(Grid()->currentIndex().row(), 1);
        QTest::keyClick(Grid(), Qt::Key_F2);
        QVERIFY(Editor<QLineEdit>() != nullptr);
        QTest::keyClick(Editor<QLineEdit>(), Qt::Key_Escape);
        QTRY_VERIFY(Editor<QLineEdit>() == nullptr);
        SelectRows(0, 1);
        QTest::keyClick(Grid(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().count('\n'), 2);
        QVERIFY(!ChannelTableRow(gAll, 1).present && !ChannelTableRow(gAll, 2).present);
        QVERIFY(gDocument.Undo());
        QVERIFY(ChannelTableRow(gAll, 1).present && ChannelTableRow(gAll, 2).present);
    }

    void copyAndPasteThroughTheClipboard() {
        MakeChannels(1);
        Grid()->setFocus();
        SelectRows(0, 0);
        QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text().toStdString(), ChannelsText(gAll, {1}, false));
        Grid()->setCurrentIndex(Grid()->model()->index(4, kRxColumn));
        QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(ChannelTableRow(gAll, 5).cells[1], std::string("461.00000"));
        QCOMPARE(Shown(4, kRxColumn), QString("461.00000"));
        QCOMPARE(gDocument.UndoName(), StepName("Paste", {5}));
        // Two rows out of the model's range: one step, their warnings in one message.
        QApplication::clipboard()->setText("1\t700\n2\t700\n");
        QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(messages_->shown().size(), std::size_t(1));
        QCOMPARE(gDocument.UndoName(), StepName("Paste", {5, 6}));
    }

    void columnEntriesAndItemsAreTranslated() {
        const std::string lang = dlgtest::WriteFile(dir_.path(), "Test.Ini",
                                                    "[fChInfo]\nBColText.1=Receive|Freq [90|90]1\n"
                                                    "cxPower.2=Hoch\ncxRxDcts.0=Kein\n");
        MakeChannels(1);
        auto window = std::make_unique<TfChInfo>(lm::gDocument);
        TranslateFormFromFile(window.get(), lang, true);
        window->FormShow();
        QAbstractItemModel* model = window->Grid()->model();
        QCOMPARE(model->headerData(kRxColumn, Qt::Horizontal).toString(), QString("Receive\nFreq"));
        QCOMPARE(window->Grid()->columnWidth(kRxColumn), 90);
        QCOMPARE(model->index(0, kRxColumn).data(Qt::TextAlignmentRole).toInt(),
                 static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(model->index(0, kPowerColumn).data().toString(), QString("Hoch"));
        QCOMPARE(model->index(0, 2).data().toString(), QString("Kein"));
    }
};

DLG_TEST(ChInfoTest)
#include "ch_info_test.moc"
