// Language change of the running program, the Language File Setup dialog, the About box and help.
#include "settings/language.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "core/state.h"
#include "globals/globals.h"
#include "shell/about_box.h"
#include "shell/command_table.h"
#include "shell/help.h"
#include "shell/set_language.h"
#include "shell_fixture.h"
#include "widgets/message_box.h"

using lmtest::ShellFixture;

namespace {

const char* kSettings =
    "[SysInfo]\r\nLanguage=English|Testish\r\nEnglish=English|Test language\r\nTestish=Englisch|Testisch\r\n";

const char* kTestish =
    "[Language]\r\n"
    "SaveProgram=Save it?\r\n"
    "[fMainFrm]\r\n"
    "N1.Caption=&Neu\r\n"
    "tbNew.Hint=Neu\r\n"
    "nChInfo.Hint=Kanäle\r\n"
    "nInfo.Hint=Funkgerät\r\n"
    "lbCom.Caption=\"Anschluss: \"\r\n"
    "lbChannel.Caption=\"Nr. - \"\r\n"
    "cbCom.0=never\r\n"
    "[fSetLanguage]\r\n"
    "fSetLanguage.Caption=Sprache\r\n"
    "cbLanguage.0=never\r\n"
    "Language.1=Testish\r\n"
    "[fFrmAbout]\r\n"
    "lStr1.Caption=Eins\r\n"
    "lStr6.Caption=\r\n"
    "lStr7.Caption=\"   \"\r\n"
    "lStr8.Caption=Acht\r\n"
    "lStr9.Caption=\r\n";

void Choose(int index) {
    lmtest::OnNextModal([index](QWidget* w) {
        auto* dialog = qobject_cast<lm::TfSetLanguage*>(w);
        QVERIFY(dialog);
        dialog->languages()->setCurrentIndex(index);
        dialog->findChild<QPushButton*>("btnOk")->click();
    });
}

class RecordingOpener : public lm::DocumentOpener {
public:
    RecordingOpener() : previous_(lm::SetDocumentOpener(this)) {}
    ~RecordingOpener() override { lm::SetDocumentOpener(previous_); }
    bool Open(const std::string& path) override {
        opened.push_back(path);
        return true;
    }
    std::vector<std::string> opened;

private:
    lm::DocumentOpener* previous_;
};

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT

private slots:
    void changeAndChangeBack() {
        ShellFixture f;
        auto& main = f.main();
        QFile::copy(LM_SOURCE_DIR "/src/resources/lang/English.Ini", f.dir() + "/English.Ini");
        lmtest::WriteFile(f.dir(), "Testish.Ini", kTestish);
        lmtest::WriteFile(f.dir(), "SysInfo.Ini", kSettings);
        main.DispatchCommand(lm::cmd::kVoxFunction);
        lm::gAll.Modified = true;

        Choose(1);
        main.DispatchCommand(lm::cmd::kLanguage);
        QCOMPARE(lm::gPreferences.LanguageId, 1);
        QCOMPARE(lm::gPreferences.LanguageName, std::string("Testish"));
        QCOMPARE(lm::gLanguage.SaveProgram, std::string("Save it?"));
        QCOMPARE(main.findChild<QAction*>("N1")->text(), QString("&Neu"));
        QCOMPARE(main.findChild<QAction*>("tbNew")->toolTip(), QString("Neu"));
        QCOMPARE(main.findChild<QAction*>("O1")->text(), QString("&Open"));
        QTreeWidgetItem* root = main.tree()->topLevelItem(0);
        QCOMPARE(root->child(0)->text(0), QString("Funkgerät"));
        QCOMPARE(root->child(1)->text(0), QString("Kanäle"));
        QCOMPARE(root->child(1)->child(2)->text(0), QString("Nr. -  3"));
        QVERIFY(main.PanelText(3).startsWith("Anschluss: "));
        QCOMPARE(main.windowTitle(), QString("LM-418T"));
        // The port list is never translated; child windows were closed and a fresh grid opened.
        QVERIFY(main.findChild<QComboBox*>("cbCom")->findText("never") < 0);
        QVERIFY(main.ChildWindow(lm::cmd::kChannelInfo));
        QVERIFY(!main.ChildWindow(lm::cmd::kVoxFunction));
        QVERIFY(lm::gAll.Modified);

        // Ok on the unchanged selection changes nothing.
        main.findChild<QAction*>("N1")->setText("marker");
        Choose(1);
        main.DispatchCommand(lm::cmd::kLanguage);
        QCOMPARE(main.findChild<QAction*>("N1")->text(), QString("marker"));

        // Back to English: the English file names every text of the main window.
        Choose(0);
        main.DispatchCommand(lm::cmd::kLanguage);
        QCOMPARE(lm::gPreferences.LanguageId, 0);
        QCOMPARE(lm::gLanguage.SaveProgram, std::string("Do you wish to save the changes?"));
        QCOMPARE(main.findChild<QAction*>("N1")->text(), QString("&New"));
        QCOMPARE(main.findChild<QAction*>("tbNew")->toolTip(), QString("New"));
        QCOMPARE(root->child(0)->text(0), QString("Radio Information"));
        QCOMPARE(root->child(1)->child(2)->text(0), QString("No. -  3"));
        QVERIFY(main.PanelText(3).startsWith("Port: "));
    }

    void languageDialogLists() {
        QTemporaryDir dir;
        lmtest::ResetProgramState(dir.path());
        lmtest::WriteFile(dir.path(), "Testish.Ini", kTestish);
        const std::string settings = lmtest::WriteFile(dir.path(), "SysInfo.Ini", kSettings);
        lm::gPreferences.LanguageName = "Testish";
        lm::gPreferences.LanguageId = 1;
        lm::TfSetLanguage dialog(settings, lm::gPreferences);
        QCOMPARE(dialog.windowTitle(), QString("Sprache"));
        QCOMPARE(dialog.languages()->count(), 2);
        QCOMPARE(dialog.languages()->itemText(0), QString("Englisch"));  // marked -2: never translated
        QCOMPARE(dialog.languages()->currentIndex(), 1);
        QCOMPARE(dialog.internalNames()->item(0)->text(), QString("English"));
        QVERIFY(!dialog.changed());
        // Without a language (LanguageId 0) the dialog keeps its design texts.
        lm::gPreferences.LanguageId = 0;
        lm::gPreferences.LanguageName = "English";
        lm::TfSetLanguage plain(settings, lm::gPreferences);
        QCOMPARE(plain.windowTitle(), QString("Language File Setup"));
        QCOMPARE(plain.languages()->itemText(1), QString("Test language"));
        // A LanguageId outside the list selects nothing, and Ok changes nothing.
        lm::gPreferences.LanguageId = 5;
        lm::TfSetLanguage outside(settings, lm::gPreferences);
        QCOMPARE(outside.languages()->currentIndex(), -1);
        outside.btnOkClick();
        QVERIFY(!outside.changed());
        QCOMPARE(lm::gPreferences.LanguageId, 5);
    }

    void hiddenListOfTheLanguageDialogNamesTheNextFile() {
        // A language file that names the hidden list box changes the internal name the next change selects.
        ShellFixture f;
        lmtest::WriteFile(f.dir(), "SysInfo.Ini", kSettings);
        lmtest::WriteFile(f.dir(), "Testish.Ini", "[fSetLanguage]\r\nLanguage.0=Renamed\r\n");
        lmtest::WriteFile(f.dir(), "Renamed.Ini", "[Language]\r\nSaveProgram=Renamed file\r\n");
        lm::gPreferences.LanguageId = 1;
        lm::gPreferences.LanguageName = "Testish";
        Choose(0);
        f.main().DispatchCommand(lm::cmd::kLanguage);
        QCOMPARE(lm::gPreferences.LanguageId, 0);
        QCOMPARE(lm::gPreferences.LanguageName, std::string("Renamed"));
        QCOMPARE(lm::gLanguage.SaveProgram, std::string("Renamed file"));
        // Cancel changes nothing.
        lmtest::RejectNextModal();
        f.main().DispatchCommand(lm::cmd::kLanguage);
        QCOMPARE(lm::gPreferences.LanguageName, std::string("Renamed"));
    }

    void messageBoxKinds() {
        // The real message boxes: information with OK, question with Yes and No, with the caption given.
        struct Seen {
            QString title, text;
            QMessageBox::Icon icon = QMessageBox::NoIcon;
            QMessageBox::StandardButtons buttons;
        } seen;
        auto answer = [&seen](QMessageBox::StandardButton press) {
            lmtest::OnNextModal([&seen, press](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
                box->button(press)->click();
            });
        };
        answer(QMessageBox::Ok);
        QCOMPARE(lm::ShowMessageBox("Confirmation", "Reading Completed.", lm::kMessageInfo), lm::kAnswerOk);
        QCOMPARE(seen.title, QString("Confirmation"));
        QCOMPARE(seen.text, QString("Reading Completed."));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        answer(QMessageBox::No);
        QCOMPARE(lm::ShowMessageBox("Caution", "Frequecy is Out of range.", lm::kMessageQuestion),
                 lm::kAnswerNo);
        QCOMPARE(seen.title, QString("Caution"));
        QCOMPARE(seen.icon, QMessageBox::Question);
        QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No);
        answer(QMessageBox::Yes);
        QVERIFY(lm::AskYesNo(lm::gLanguage.ExitProgram));
        QCOMPARE(seen.title, QString::fromStdString(lm::gLanguage.Confirmation));
        QCOMPARE(seen.text, QString("Do you wish to exit program?"));

        // The common forms take their captions from the message table of the moment.
        lm::ScriptedMessages scripted;
        lm::gLanguage.Confirmation = "OK?";
        lm::gLanguage.Caution = "Careful";
        lm::ShowInformation("done");
        lm::ShowCaution(lm::gLanguage.ErrRange);
        scripted.Answer(lm::kAnswerYes);
        QVERIFY(lm::AskYesNo("sure?"));
        QVERIFY(!lm::AskYesNo("again?"));  // nothing scripted: No
        lm::gLanguage = lm::TLanguage{};
        QCOMPARE(scripted.shown().size(), std::size_t(4));
        QCOMPARE(scripted.shown()[0].caption, std::string("OK?"));
        QCOMPARE(scripted.shown()[0].kind, lm::kMessageInfo);
        QCOMPARE(scripted.shown()[1].caption, std::string("Careful"));
        QCOMPARE(scripted.shown()[1].text, std::string("The frequecy number come amiss!"));
        QCOMPARE(scripted.shown()[1].kind, lm::kMessageInfo);
        QCOMPARE(scripted.shown()[2].caption, std::string("OK?"));
        QCOMPARE(scripted.shown()[2].kind, lm::kMessageQuestion);
    }

    void aboutBoxLinesAndHeight() {
        QTemporaryDir dir;
        lmtest::ResetProgramState(dir.path());
        {
            // No language file: the digits, and the height follows line 9.
            lm::gPreferences.LanguageName = "Missing";
            lm::TfFrmAbout box;
            QCOMPARE(box.line(0)->text(), QString("1"));
            QCOMPARE(box.line(8)->text(), QString("9"));
            QCOMPARE(box.height(), 221 + lm::TfFrmAbout::kLineHeight + 55);
            QCOMPARE(box.windowTitle(), QString("LM-418T"));
        }
        lmtest::WriteFile(dir.path(), "Testish.Ini", kTestish);
        lm::gPreferences.LanguageName = "Testish";
        lm::gPreferences.LanguageId = 0;  // translated whatever LanguageId is
        {
            lm::TfFrmAbout box;
            QCOMPARE(box.line(0)->text(), QString("Eins"));
            QCOMPARE(box.line(1)->text(), QString("2"));
            QCOMPARE(box.height(), 195 + lm::TfFrmAbout::kLineHeight + 55);  // line 8 has text, 9 is empty
            box.line(7)->setText(" ");
            const QLabel* lines[9];
            for (int i = 0; i < 9; ++i) lines[i] = box.line(i);
            QCOMPARE(lm::TfFrmAbout::HeightFor(lines), 118 + lm::TfFrmAbout::kLineHeight + 55);
        }
        {
            // Blanks and control characters are no text; lines the file does not name keep their digits.
            lmtest::WriteFile(dir.path(), "Short.Ini",
                              "[fFrmAbout]\r\nlStr6.Caption=\"\t\"\r\nlStr7.Caption=\r\nlStr8.Caption=\r\n"
                              "lStr9.Caption=\"\x01 \"\r\n");
            lmtest::WriteFile(dir.path(), "Top.Ini", "[fFrmAbout]\r\nlStr1.Caption=Only the first\r\n");
            lm::gPreferences.LanguageName = "Short";
            lm::TfFrmAbout shortBox;
            QCOMPARE(shortBox.line(4)->text(), QString("5"));
            QCOMPARE(shortBox.height(), 118 + lm::TfFrmAbout::kLineHeight + 55);
            lm::gPreferences.LanguageName = "Top";
            lm::TfFrmAbout topBox;
            QCOMPARE(topBox.line(8)->text(), QString("9"));
            QCOMPARE(topBox.outerHeight(), 221 + lm::TfFrmAbout::kLineHeight + 55);
            // Without a frame (offscreen) the outer height is the client height.
            topBox.show();
            QCOMPARE(topBox.frameGeometry().height(), topBox.outerHeight());
            lm::gPreferences.LanguageName = "Testish";
        }
        {
            // A click on a line closes the box; a click on the picture does not.
            lm::TfFrmAbout box;
            box.show();
            QTest::mouseClick(box.findChild<QLabel*>("ImApp"), Qt::LeftButton);
            QVERIFY(box.isVisible());
            QTest::mouseClick(box.line(2), Qt::LeftButton);
            QVERIFY(!box.isVisible());
        }
    }

    void helpFile() {
        ShellFixture f;
        RecordingOpener opener;
        lm::gPreferences.HelpName = "QX";
        lm::gPreferences.LanguageName = "English";
        const std::string chm = f.path("QX_English.chm");
        f.main().DispatchCommand(lm::cmd::kHelp);
        QCOMPARE(opener.opened.back(), chm);  // nothing there: the .chm name, result not examined
        lmtest::WriteFile(f.dir(), "QX_English.html", "<html></html>");
        f.main().findChild<QAction*>("tbHelp")->trigger();
        QCOMPARE(opener.opened.back(), f.path("QX_English.html"));
        lmtest::WriteFile(f.dir(), "QX_English.chm", "x");
        f.main().findChild<QAction*>("nHelpTopics")->trigger();
        QCOMPARE(opener.opened.back(), chm);
        QCOMPARE(opener.opened.size(), std::size_t(3));
    }
};

LM_GUI_TEST(LanguageTest)
#include "language_test.moc"
