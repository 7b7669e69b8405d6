// The radio information window, the embedded message dialog and the password key filter.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/memory_map.h"
#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "shell/child_windows.h"
#include "shell/command_table.h"
#include "shell/main_frm.h"
#include "windows/editors/embedded_message.h"
#include "windows/editors/info_msg.h"
#include "windows/link/read_radio_dialog.h"
#include "windows/link/write_radio_dialog.h"

using namespace lm;

namespace {

QString FieldText(QWidget* w, const char* name) { return w->findChild<QLineEdit*>(name)->text(); }

// The information window's frame has been closed and destroyed, leaving the other frame.
bool SpinUntilGone(QMdiArea* area) {
    return dlgtest::SpinUntil([area] { return area->subWindowList().size() == 1; }, 2000);
}

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private slots:
    void init() { dlgtest::ResetProgramState(dir_.path()); }

    void infoFieldsAfterNew() {
        NewImageAt(lm::gAll, "2024-06-01 08:09:10");
        gAll.AreaText = "Beijing";
        const ImageBytes image = gAll.Image;
        std::unique_ptr<QWidget> w(CreateInfoWindow(lm::gAll));
        QCOMPARE(w->objectName(), QString("fInfoMsg"));
        QCOMPARE(w->size(), QSize(315, 246));
        QCOMPARE(w->windowTitle(), QString("Radio Information"));
        QCOMPARE(FieldText(w.get(), "cxModel").toStdString(), gAll.ModelTitle);
        QCOMPARE(FieldText(w.get(), "cxFreq"), QString("450 - 470MHz"));
        QCOMPARE(FieldText(w.get(), "cxSerial"), QString());
        QCOMPARE(FieldText(w.get(), "cxArea"), QString("Beijing"));
        QCOMPARE(FieldText(w.get(), "cxRadioTime"), QString("2024-06-01 08:09:10"));
        QCOMPARE(FieldText(w.get(), "cxLeaveTime"), QString());
        for (const char* name : {"cxModel", "cxFreq", "cxSerial", "cxArea", "cxRadioTime", "cxLeaveTime"})
            QVERIFY(w->findChild<QLineEdit*>(name)->isReadOnly());
        QCOMPARE(w->findChild<QLineEdit*>("cxSerial")->maxLength(), 16);
        QCOMPARE(w->findChild<QLineEdit*>("cxArea")->maxLength(), 16);
        QVERIFY(!w->findChild<QPushButton*>("btnOk")->isVisibleTo(w.get()));
        QCOMPARE(w->findChild<QPushButton*>("btnCancel")->text(), QString("&Close"));
        QVERIFY(gAll.Image == image);
        QVERIFY(!gAll.Modified);
    }

    void infoWindowInTheClientArea() {
        // Put into a frame of a client area as the main window does: the frame has a system menu, a minimise
        // and a close box, no maximise box, a border that does not size, and stands beside the window there.
        QMainWindow main;
        auto* area = new QMdiArea;
        main.setCentralWidget(area);
        main.resize(800, 600);
        main.show();
        auto* other = area->addSubWindow(new QWidget);
        other->setGeometry(0, 0, 200, 150);
        other->show();
        auto* frame = new QMdiSubWindow;
        frame->setAttribute(Qt::WA_DeleteOnClose);
        QWidget* info = CreateInfoWindow(lm::gAll);
        frame->setWidget(info);
        area->addSubWindow(frame);
        frame->show();
        QTest::qWait(20);
        QCOMPARE(frame->pos(), QPoint(200, 0));
        QCOMPARE(info->size(), QSize(315, 246));
        const Qt::WindowFlags flags = frame->windowFlags();
        QVERIFY(flags & Qt::WindowSystemMenuHint);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::MSWindowsFixedSizeDialogHint);
        // Brought forward again after being moved, it stays where the user put it.
        frame->move(100, 90);
        frame->showMinimized();
        frame->showNormal();
        QCOMPARE(frame->pos(), QPoint(100, 90));
        QTest::mouseClick(info->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
        QVERIFY(SpinUntilGone(area));
    }

    void infoWindowShownByTheMainWindow() {
        // As the program wires it (this test program does not link the wiring).
        RegisterChildWindow(lm::cmd::kRadioInfo, [](TfMainFrm& m) { return CreateInfoWindow(m.Radio()); });
        auto main = std::make_unique<TfMainFrm>(dlgtest::Parts(), dir_.filePath("SysInfo.Ini").toStdString());
        main->show();
        main->DispatchCommand(lm::cmd::kRadioInfo);
        QMdiSubWindow* frame = main->ChildFrame(lm::cmd::kRadioInfo);
        QVERIFY(frame != nullptr);
        QCOMPARE(frame->widget()->objectName(), QString("fInfoMsg"));
        QCOMPARE(frame->pos(), QPoint(20, 20));
        QVERIFY(!(frame->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
        QTest::mouseClick(frame->widget()->findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
        QVERIFY(dlgtest::SpinUntil([&] { return main->ChildFrame(lm::cmd::kRadioInfo) == nullptr; }, 2000));
        main.reset();  // destroyed, not closed: no question
    }

    void serialNumberAndStamps() {
        const std::uint8_t serial[] = {0x41, 0x42, 0x20, 0x31, 0x32, 0xFF, 0x09, 0x7F, 0x80, 0x21, 0x7E};
        std::fill(gAll.Image.begin() + img::kSerialText, gAll.Image.begin() + img::kSerialText + 16, 0xFF);
        std::copy(std::begin(serial), std::end(serial), gAll.Image.begin() + img::kSerialText);
        gAll.Image[img::kSerialText + 15] = 'Z';
        gAll.Image[img::kSerialText + 16] = 'Q';  // the byte after the field is not part of it

        std::fill(gAll.Image.begin() + img::kWriteStamp, gAll.Image.begin() + img::kWriteStamp + 16, 0xFF);
        PackTimestamp(lm::gAll.Image, "2023-12-31 23:59:58", img::kWriteStamp);
        PackTimestamp(lm::gAll.Image, "2021-02-03 04:05:06", img::kFactoryStamp);
        std::unique_ptr<QWidget> w(CreateInfoWindow(lm::gAll));
        QCOMPARE(FieldText(w.get(), "cxSerial"), QString("AB12!~Z"));
        QCOMPARE(FieldText(w.get(), "cxRadioTime"), QString("2023-12-31 23:59:58"));
        QCOMPARE(FieldText(w.get(), "cxLeaveTime").left(19), QString("2021-02-03 04:05:06"));
    }

    void infoWindowTranslated() {
        dlgtest::WriteFile(dir_.path(), "Test.Ini",
                           "[fInfoMsg]\r\nfInfoMsg.Caption=Radio\r\nLabel3.Caption=Serial No.\r\n"
                           "btnCancel.Caption=&Shut\r\n");
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Test";
        std::unique_ptr<QWidget> w(CreateInfoWindow(lm::gAll));
        QCOMPARE(w->windowTitle(), QString("Radio"));
        QCOMPARE(w->findChild<QPushButton*>("btnCancel")->text(), QString("&Shut"));
    }

    void embeddedMessageFilterAndLimit() {
        const ImageBytes image = gAll.Image;
        TfEmbeddedMessage d;
        d.show();
        QCOMPARE(d.objectName(), QString("fEmbeddedMessage"));
        QCOMPARE(d.windowTitle(), QString("Embedded Message"));
        QCOMPARE(d.size(), QSize(279, 91));
        auto* a = d.findChild<QLineEdit*>("edEMA");
        auto* b = d.findChild<QLineEdit*>("edEMB");
        QVERIFY(a->text().isEmpty() && b->text().isEmpty());
        QTest::keyClicks(a, "Hi, 2.");
        QCOMPARE(a->text(), QString("Hi 2"));
        QTest::keyClicks(a, "x-_/;Z9");
        QCOMPARE(a->text(), QString("Hi 2xZ9"));
        QTest::keyClick(a, Qt::Key_Backspace);
        QCOMPARE(a->text(), QString("Hi 2xZ"));
        QTest::keyClicks(b, QString(40, 'w'));
        QCOMPARE(b->text().size(), 32);
        // Pasted text holds to the same characters.
        b->clear();
        b->insert("a,b");
        QVERIFY(b->text().isEmpty());
        b->insert("ab 12");
        QCOMPARE(b->text(), QString("ab 12"));
        QTest::mouseClick(d.findChild<QPushButton*>("btnOk"), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QVERIFY(gAll.Image == image);
        QVERIFY(!gAll.Modified);
    }

    void shippedChineseTexts() {
        QVERIFY(QFile::copy(LM_SOURCE_DIR "/src/resources/lang/Chinese.Ini", dir_.filePath("Chinese.Ini")));
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Chinese";
        gPreferences.PortName = dir_.filePath("no-such-port").toStdString();
        TfWriteRadio w(dlgtest::Target());
        w.show();
        QCOMPARE(w.windowTitle(), QString::fromUtf8("\u5411\u7535\u53f0\u5199\u5165\u6570\u636e"));
        QCOMPARE(w.findChild<QLabel*>("Label2")->text(), QString::fromUtf8("\u65b0\u5bc6\u7801\uff1a"));
        TfEmbeddedMessage e;
        e.show();
        QCOMPARE(e.findChild<QPushButton*>("btnCancel")->text(), QString::fromUtf8("\u53d6\u6d88(&C)"));
        std::unique_ptr<QWidget> info(CreateInfoWindow(lm::gAll));
        QCOMPARE(info->findChild<QLabel*>("Label3")->text(), QString::fromUtf8("\u5e8f\u5217\u53f7"));
    }

    void passwordEdits() {
        gPreferences.PortName = "/nonexistent/port";
        TfReadRadio r(dlgtest::Target());
        auto* pass = r.findChild<QLineEdit*>("cxPass");
        QCOMPARE(pass->echoMode(), QLineEdit::Password);
        QCOMPARE(pass->maxLength(), 10);
        QTest::keyClicks(pass, "12a.3x-45678901234");
        QCOMPARE(pass->text(), QString("12.3456789"));

        TfWriteRadio w(dlgtest::Target());
        auto* update = w.findChild<QWidget*>("cxUpd");
        auto* fresh = w.findChild<QLineEdit*>("cxNew");
        QVERIFY(!fresh->isEnabled());
        QTest::mouseClick(update, Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(fresh->isEnabled());
        QTest::keyClicks(fresh, "9z8 7");
        QCOMPARE(fresh->text(), QString("987"));
        QCOMPARE(fresh->echoMode(), QLineEdit::Password);
        QTest::mouseClick(update, Qt::LeftButton, {}, QPoint(5, 8));
        QVERIFY(!fresh->isEnabled());
    }
};

DLG_TEST(InfoWindowsTest)
#include "info_windows_test.moc"
