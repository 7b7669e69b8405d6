// Translating a window from a language file: captions, hints, the -2 and -3 marks, grids, list boxes.
#include "widgets/translate.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui_test.h"
#include "widgets/qt_translation.h"

namespace {

const char* kLanguageFile =
    "[fTest]\r\n"
    "fTest.Caption=Test window\r\n"
    "lbName.Caption=Name:\r\n"
    "btnOk.Caption=&Yes\r\n"
    "nOpen.Caption=&Open it\r\n"
    "nOpen.Hint=Open a file\r\n"
    "nFile.Caption=&Files\r\n"
    "cxAll.0=zero\r\n"
    "cxAll.1=one\r\n"
    "cxFirst.0=off\r\n"
    "cxFirst.1=never\r\n"
    "cxNone.0=never\r\n"
    "lstItems.0=first\r\n"
    "lstItems.1=\r\n"
    "gvData.1=Freq\r\n"
    "gvData.2=Tone\r\n"
    "gvFixed.1=never\r\n"
    "tsPage.Caption=Page one\r\n"
    "lbInner.Caption=never\r\n"
    "cbKeep.Caption=&Keep it\r\n"
    "rbOne.Caption=&One\r\n"
    "gbPlain.Caption=Plain group\r\n"
    "gbStyled.Caption=never\r\n"
    "lbInGroup.Caption=In the group\r\n"
    "tbRead.Caption=Read it\r\n"
    "tbRead.Hint=Read the radio\r\n"
    "lbPanel.Caption=never\r\n"
    "cxEdit.0=none\r\n"
    "cxEdit.1=never\r\n"
    "[Other]\r\n"
    "lbName.Caption=never\r\n";

template <class T>
T* Make(QWidget* parent, QLayout* layout, const char* name) {
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    layout->addWidget(w);
    return w;
}

QComboBox* Combo(QWidget* parent, QLayout* layout, const char* name, int tag) {
    auto* c = Make<QComboBox>(parent, layout, name);
    c->addItems({"a", "b", "c"});
    c->setCurrentIndex(2);
    lm::SetTag(c, tag);
    return c;
}

}  // namespace

class TranslateTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        path_ = lmtest::WriteFile(dir_.path(), "Test.Ini", kLanguageFile);
    }

    // Qt's own texts follow the language: the standard buttons of a message box in Chinese, and back.
    void qtTextsFollowTheLanguage() {
        const auto yes = [] { return QCoreApplication::translate("QPlatformTheme", "&Yes"); };
        QVERIFY(lm::InstallQtTranslation("Chinese"));
        QVERIFY2(yes() != "&Yes", qPrintable(yes()));
        QVERIFY(!lm::InstallQtTranslation("English"));
        QCOMPARE(yes(), QString("&Yes"));
    }

    void translatesCaptionsHintsAndTitle() {
        QWidget form;
        form.setObjectName("fTest");
        form.setWindowTitle("design");
        auto* layout = new QVBoxLayout(&form);
        auto* label = Make<QLabel>(&form, layout, "lbName");
        label->setText("Name");
        auto* unnamed = new QLabel("keep", &form);
        auto* ok = Make<QPushButton>(&form, layout, "btnOk");
        ok->setText("&Ok");
        auto* menu = new QMenu("&File", &form);
        menu->setObjectName("nFile");
        auto* open = new QAction("&Open", &form);
        open->setObjectName("nOpen");
        open->setToolTip("Open");
        menu->addAction(open);
        auto* untouched = new QAction("&Close", &form);
        untouched->setObjectName("nClose");
        untouched->setToolTip("Close");

        lm::TranslateFormFromFile(&form, path_, true);
        QCOMPARE(form.windowTitle(), QString("Test window"));
        QCOMPARE(label->text(), QString("Name:"));
        QCOMPARE(unnamed->text(), QString("keep"));
        QCOMPARE(ok->text(), QString("&Yes"));
        QCOMPARE(menu->title(), QString("&Files"));
        QCOMPARE(open->text(), QString("&Open it"));
        QCOMPARE(open->toolTip(), QString("Open a file"));
        QCOMPARE(untouched->text(), QString("&Close"));
        QCOMPARE(untouched->toolTip(), QString("Close"));
    }

    void itemsFollowMarksAndFlag() {
        for (bool withItems : {true, false}) {
            QWidget form;
            form.setObjectName("fTest");
            auto* layout = new QVBoxLayout(&form);
            auto* all = Combo(&form, layout, "cxAll", 0);
            auto* first = Combo(&form, layout, "cxFirst", lm::kTagFirstItemOnly);
            auto* none = Combo(&form, layout, "cxNone", lm::kTagNoItems);
            auto* list = Make<QListWidget>(&form, layout, "lstItems");
            list->addItems({"x", "y", "z"});

            lm::TranslateFormFromFile(&form, path_, withItems);
            const QStringList expectAll =
                withItems ? QStringList{"zero", "one", "c"} : QStringList{"a", "b", "c"};
            const QStringList expectFirst =
                withItems ? QStringList{"off", "b", "c"} : QStringList{"a", "b", "c"};
            for (int i = 0; i < 3; ++i) {
                QCOMPARE(all->itemText(i), expectAll[i]);
                QCOMPARE(first->itemText(i), expectFirst[i]);
                QCOMPARE(none->itemText(i), QStringList({"a", "b", "c"})[i]);
            }
            QCOMPARE(all->currentIndex(), 2);
            QCOMPARE(first->currentIndex(), 2);
            // List boxes take their items whatever the flag; an empty value is a text too.
            QCOMPARE(list->item(0)->text(), QString("first"));
            QCOMPARE(list->item(1)->text(), QString(""));
            QCOMPARE(list->item(2)->text(), QString("z"));
        }
    }

    void gridsTabsAndNestedForms() {
        QWidget form;
        form.setObjectName("fTest");
        auto* layout = new QVBoxLayout(&form);
        auto* grid = Make<QTableWidget>(&form, layout, "gvData");
        grid->setColumnCount(3);
        grid->setHorizontalHeaderLabels({"F", "T", "N"});
        auto* fixed = Make<QTableWidget>(&form, layout, "gvFixed");
        fixed->setColumnCount(1);
        fixed->setHorizontalHeaderLabels({"K"});
        lm::SetTag(fixed, lm::kTagNoItems);
        auto* tabs = Make<QTabWidget>(&form, layout, "pcPages");
        auto* page = new QWidget;
        page->setObjectName("tsPage");
        tabs->addTab(page, "Page");
        auto* inner = new QWidget(&form);
        lm::MarkAsForm(inner);
        auto* innerLabel = new QLabel("inner", inner);
        innerLabel->setObjectName("lbInner");

        lm::TranslateFormFromFile(&form, path_, false);
        QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("Freq"));
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QString("Tone"));
        QCOMPARE(grid->horizontalHeaderItem(2)->text(), QString("N"));
        QCOMPARE(fixed->horizontalHeaderItem(0)->text(), QString("K"));
        QCOMPARE(tabs->tabText(0), QString("Page one"));
        QCOMPARE(innerLabel->text(), QString("inner"));
    }

    void buttonsGroupsToolButtonsAndWhatIsNotTranslated() {
        QWidget form;
        form.setObjectName("fTest");
        auto* layout = new QVBoxLayout(&form);
        auto* check = Make<QCheckBox>(&form, layout, "cbKeep");
        auto* radio = Make<QRadioButton>(&form, layout, "rbOne");
        auto* plain = Make<QGroupBox>(&form, layout, "gbPlain");
        plain->setTitle("Plain");
        auto* styled = Make<QGroupBox>(&form, layout, "gbStyled");
        styled->setTitle("Styled");
        lm::MarkAsStyledGroup(styled);
        auto* inGroup = new QLabel("inside", styled);
        inGroup->setObjectName("lbInGroup");
        auto* tool = Make<QToolButton>(&form, layout, "tbRead");
        tool->setText("Read");
        tool->setToolTip("Read");
        // The panels of a status bar and a free-text list's edit text are the program's own.
        auto* bar = Make<QStatusBar>(&form, layout, "StatusBar1");
        auto* panel = new QLabel("COM1", bar);
        panel->setObjectName("lbPanel");
        bar->addWidget(panel);
        auto* edit = Make<QComboBox>(&form, layout, "cxEdit");
        edit->setEditable(true);
        edit->addItems({"None", "67.0"});
        lm::SetTag(edit, lm::kTagFirstItemOnly);
        edit->setCurrentIndex(-1);
        edit->setEditText("88.5");

        lm::TranslateFormFromFile(&form, path_, true);
        QCOMPARE(check->text(), QString("&Keep it"));
        QCOMPARE(radio->text(), QString("&One"));
        QCOMPARE(plain->title(), QString("Plain group"));
        QCOMPARE(styled->title(), QString("Styled"));
        QCOMPARE(inGroup->text(), QString("In the group"));
        QCOMPARE(tool->text(), QString("Read it"));
        QCOMPARE(tool->toolTip(), QString("Read the radio"));
        QCOMPARE(panel->text(), QString("COM1"));
        QCOMPARE(edit->itemText(0), QString("none"));
        QCOMPARE(edit->itemText(1), QString("67.0"));
        QCOMPARE(edit->currentText(), QString("88.5"));
    }

    void missingFileChangesNothing() {
        QWidget form;
        form.setObjectName("fTest");
        form.setWindowTitle("design");
        auto* label = new QLabel("Name", &form);
        label->setObjectName("lbName");
        lm::TranslateFormFromFile(&form, (dir_.path() + "/Missing.Ini").toStdString(), true);
        QCOMPARE(form.windowTitle(), QString("design"));
        QCOMPARE(label->text(), QString("Name"));
    }

private:
    QTemporaryDir dir_;
    std::string path_;
};

LM_GUI_TEST(TranslateTest)
#include "translate_test.moc"
