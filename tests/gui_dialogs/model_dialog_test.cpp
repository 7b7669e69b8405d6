// The Model Information dialog: its two lists, and the Model command with its question and the New command.
#include "windows/core/model_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/memory_map.h"
#include "core/models.h"
#include "core/state.h"
#include "dialog_test.h"
#include "globals/globals.h"
#include "widgets/message_box.h"

using namespace lm;

namespace {

QStringList Items(QComboBox* box) {
    QStringList list;
    for (int i = 0; i < box->count(); ++i) list << box->itemText(i);
    return list;
}

// Chooses the title and band in the modal dialog, then presses the button.
void Choose(const std::string& title, const std::string& band, const char* button) {
    dlgtest::WhenModal<TfModel>([=](TfModel* d) {
        auto* models = d->findChild<QComboBox*>("cbCopmut");
        models->setCurrentIndex(models->findText(QString::fromStdString(title)));
        auto* bands = d->findChild<QComboBox*>("cbPd");
        if (!band.empty()) bands->setCurrentIndex(bands->findText(QString::fromStdString(band)));
        QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
    });
}

}  // namespace

class ModelDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::string uhf_, vhf_;

private slots:
    void init() {
        dlgtest::ResetProgramState(dir_.path());
        uhf_ = lm::ProductCatalogue().Models.Get(0)->ModelTitle;
        vhf_ = lm::ProductCatalogue().Models.Get(1)->ModelTitle;
    }

    void listsFollowTheModel() {
        gAll.BandName = "400 - 420MHz";
        gAll.Image[img::kBandCode] = 0;
        TfModel d(lm::gAll);
        d.show();
        auto* models = d.findChild<QComboBox*>("cbCopmut");
        auto* bands = d.findChild<QComboBox*>("cbPd");
        QCOMPARE(Items(models), QStringList({QString::fromStdString(uhf_), QString::fromStdString(vhf_)}));
        QCOMPARE(models->currentText().toStdString(), uhf_);
        QCOMPARE(bands->count(), 9);
        QCOMPARE(bands->currentText(), QString("400 - 420MHz"));  // the current band, not the default

        models->setCurrentIndex(1);
        QCOMPARE(bands->count(), 4);
        QCOMPARE(bands->currentText(), QString("150 - 174MHz"));
        QStringList vhfBands;
        for (const std::string& b : lm::ProductCatalogue().Models.Get(1)->Bands)
            vhfBands << QString::fromStdString(b);
        QCOMPARE(Items(bands), vhfBands);
        models->setCurrentIndex(0);
        QCOMPARE(bands->count(), 9);
        QCOMPARE(bands->currentText(), QString("450 - 470MHz"));

        // A band the model does not have selects the first band.
        gAll.BandName = "none";
        TfModel other(lm::gAll);
        other.show();
        QCOMPARE(other.findChild<QComboBox*>("cbPd")->currentIndex(), 0);
    }

    void translatedWithoutItems() {
        dlgtest::WriteFile(
            dir_.path(), "Test.Ini",
            "[fModel]\r\nfModel.Caption=Variant\r\nLabel1.Caption=Type:\r\nbtnOk.Caption=&Yes\r\n"
            "cbCopmut.0=Translated\r\ncbPd.0=Translated\r\n");
        gPreferences.LanguageId = 1;
        gPreferences.LanguageName = "Test";
        TfModel d(lm::gAll);
        d.show();
        QCOMPARE(d.objectName(), QString("fModel"));
        QCOMPARE(d.windowTitle(), QString("Variant"));
        QCOMPARE(d.findChild<QLabel*>("Label1")->text(), QString("Type:"));
        QCOMPARE(d.findChild<QLabel*>("Label2")->text(), QString("Frequency: "));
        QCOMPARE(d.findChild<QPushButton*>("btnOk")->text(), QString("&Yes"));
        QCOMPARE(d.findChild<QPushButton*>("btnCancel")->text(), QString("&Cancel"));
        // The lists hold the catalogue's own titles and band names.
        QCOMPARE(d.findChild<QComboBox*>("cbCopmut")->itemText(0).toStdString(), uhf_);
        QCOMPARE(d.findChild<QComboBox*>("cbPd")->itemText(0).toStdString(),
                 lm::ProductCatalogue().Models.Get(0)->Bands.front());
        QVERIFY(!d.findChild<QComboBox*>("cbCopmut")->isEditable());
        QVERIFY(!d.findChild<QComboBox*>("cbPd")->isEditable());
    }

    void cancelOrNoChangesNothing() {
        ScriptedMessages messages;
        const ImageBytes image = gAll.Image;
        int news = 0;
        auto performNew = [&](const ModelSelection&) {
            ++news;
            return true;
        };

        Choose(vhf_, "", "btnCancel");
        QVERIFY(!RunModelDialog(nullptr, lm::gAll, performNew));

        gAll.Modified = true;
        Choose(vhf_, "", "btnOk");
        messages.Answer(kAnswerNo);
        QVERIFY(!RunModelDialog(nullptr, lm::gAll, performNew));
        QCOMPARE(messages.texts(), std::vector<std::string>{"Do you wish to Clear Data?"});
        QCOMPARE(messages.shown()[0].caption, std::string("Confirmation"));

        QCOMPARE(news, 0);
        QCOMPARE(gAll.ModelTitle, uhf_);
        QCOMPARE(gAll.BandName, std::string("450 - 470MHz"));
        QVERIFY(gAll.Image == image);
        QVERIFY(gAll.Modified);
    }

    void acceptSelectsAndMakesNew() {
        ScriptedMessages messages;
        std::string bandAtNew;
        auto performNew = [&](const ModelSelection& select) {
            select(gAll);
            bandAtNew = gAll.BandName;
            NewImage(lm::gAll);
            gAll.Modified = false;
            return true;
        };
        Choose(vhf_, "136 - 150MHz", "btnOk");
        QVERIFY(RunModelDialog(nullptr, lm::gAll, performNew));
        QVERIFY(messages.shown().empty());  // not modified: no question
        QCOMPARE(bandAtNew, std::string("136 - 150MHz"));
        QCOMPARE(gAll.ModelTitle, vhf_);
        QCOMPARE(gAll.BandMinMHz, 136.0);
        QCOMPARE(gAll.BandMaxMHz, 150.0);
        QCOMPARE(int(gAll.Image[img::kBandCode]), lm::ProductCatalogue().Bands.CodeOf("136 - 150MHz"));

        // Modified, Yes to the question: New runs.
        gAll.Modified = true;
        messages.Answer(kAnswerYes);
        Choose(uhf_, "", "btnOk");
        QVERIFY(RunModelDialog(nullptr, lm::gAll, performNew));
        QCOMPARE(gAll.ModelTitle, uhf_);
        QCOMPARE(gAll.BandName, std::string("450 - 470MHz"));
    }

    void stoppedNewKeepsModelAndBand() {
        ScriptedMessages messages;
        gAll.Modified = true;
        const ImageBytes image = gAll.Image;
        messages.Answer(kAnswerYes);
        Choose(vhf_, "", "btnOk");
        // New asked to save and the save was cancelled: nothing is discarded.
        QVERIFY(!RunModelDialog(nullptr, lm::gAll, [](const ModelSelection&) { return false; }));
        QCOMPARE(gAll.ModelTitle, uhf_);
        QCOMPARE(gAll.BandName, std::string("450 - 470MHz"));
        QCOMPARE(gAll.BandMinMHz, 450.0);
        QVERIFY(gAll.Image == image);
        QVERIFY(gAll.Modified);
    }
};

DLG_TEST(ModelDialogTest)
#include "model_dialog_test.moc"
