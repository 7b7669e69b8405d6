#include "windows/core/model_dialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "core/models.h"
#include "core/state.h"
#include "settings/language.h"
#include "widgets/message_box.h"
#include "widgets/translate.h"
#include "widgets/typed_choice.h"
#include "widgets/window_language.h"

namespace lm {
namespace {

void SelectTextOrFirst(QComboBox* box, const std::string& text) {
    const int i = box->findText(QString::fromStdString(text));
    box->setCurrentIndex(i >= 0 ? i : (box->count() > 0 ? 0 : -1));
}

}  // namespace

TfModel::TfModel(const TALL& radio, QWidget* parent) : QDialog(parent), radio_(radio) {
    setObjectName("fModel");
    setWindowTitle("Model Information");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    Label1 = new QLabel("Model Type: ", this);
    Label1->setObjectName("Label1");
    cbCopmut = new QComboBox(this);
    cbCopmut->setObjectName("cbCopmut");
    SetTag(cbCopmut, kTagNoItems);
    TypedChoice::Install(cbCopmut);
    Label2 = new QLabel("Frequency: ", this);
    Label2->setObjectName("Label2");
    cbPd = new QComboBox(this);
    cbPd->setObjectName("cbPd");
    SetTag(cbPd, kTagNoItems);
    TypedChoice::Install(cbPd);
    btnOk = new QPushButton("&Ok", this);
    btnOk->setObjectName("btnOk");
    btnCancel = new QPushButton("&Cancel", this);
    btnCancel->setObjectName("btnCancel");

    auto* grid = new QGridLayout;
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(cbCopmut, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(cbPd, 1, 1);
    grid->setColumnMinimumWidth(1, 180);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cbCopmut, &QComboBox::currentIndexChanged, this, [this] { cbCopmutChange(); });
    connect(btnOk, &QPushButton::clicked, this, [this] {
        accepted_ = true;
        accept();
    });
    connect(btnCancel, &QPushButton::clicked, this, &TfModel::reject);
}

std::string TfModel::SelectedTitle() const { return cbCopmut->currentText().toStdString(); }
std::string TfModel::SelectedBand() const { return cbPd->currentText().toStdString(); }

void TfModel::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TfModel::FormShow() {
    TranslateOnOpen(this, false);
    std::vector<std::string> titles;
    ProductCatalogue().Models.FillTitles(titles);
    {
        const QSignalBlocker block(cbCopmut);
        cbCopmut->clear();
        for (const std::string& t : titles) cbCopmut->addItem(QString::fromStdString(t));
        SelectTextOrFirst(cbCopmut, radio_.ModelTitle);
    }
    cbCopmutChange();
    SelectTextOrFirst(cbPd, radio_.BandName);
    accepted_ = false;
}

void TfModel::cbCopmutChange() {
    cbPd->clear();
    const TMacType* model = ProductCatalogue().Models.FindByTitle(SelectedTitle());
    if (model == nullptr) return;
    for (const std::string& band : model->Bands) cbPd->addItem(QString::fromStdString(band));
    SelectTextOrFirst(cbPd, model->DefaultBand);
}

bool RunModelDialog(QWidget* parent, const TALL& radio,
                    const std::function<bool(const ModelSelection&)>& performNew) {
    TfModel dialog(radio, parent);
    dialog.exec();
    if (!dialog.Accepted()) return false;
    if (radio.Modified && !AskYesNo(WindowMessages().ClearData)) return false;
    const TMacType* model = ProductCatalogue().Models.FindByTitle(dialog.SelectedTitle());
    if (model == nullptr) return false;
    const std::string code = model->ModelCode;
    const int band = ProductCatalogue().Bands.CodeOf(dialog.SelectedBand());
    // The model and band change only with the new image; a New that stops leaves both as they were.
    return performNew && performNew([code, band](TALL& state) { SelectModel(state, code, band, true); });
}

}  // namespace lm
