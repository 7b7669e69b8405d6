#include "windows/link/read_radio_dialog.h"

#include <QLabel>
#include <QLineEdit>

namespace lm {

TfReadRadio::TfReadRadio(TransferTarget target, QWidget* parent)
    : TransferDialog(parent,
                     {.name = "fReadRadio",
                      .title = "Read data From radio",
                      .size = {341, 66},
                      .progressMax = link::kReadBlocks,
                      .bar = {9, 10, 325, 18},
                      .ok = {169, 36, 75, 25},
                      .cancel = {254, 35, 75, 25},
                      .label = {9, 68, 80, 21},
                      .pass = {95, 68, 150, 21}},
                     std::move(target)) {
    lArea = new QLabel("Area", this);
    lArea->setObjectName("lArea");
    lArea->setVisible(false);
}

void TfReadRadio::FormShow() {
    succeeded_ = false;
    PrepareShow();

    link::EngineOptions options = PortOptions();
    options.areaLabel = lArea->text().toStdString();
    engine_ = &Start(std::make_unique<link::ReadTransfer>(Target().session, options),
                     TransferHost::kReadDrainGiveUpMs, true);
    connect(cxPass, &QLineEdit::textChanged, this,
            [this](const QString& text) { engine_->SetPassword(text.toStdString()); });
}

void TfReadRadio::btnOkClick() {
    if (!engine_) return;
    Host().Input([this, password = cxPass->text().toStdString()] { return engine_->Ok(password); });
}

void TfReadRadio::Finished(const link::Finished& finished) {
    TransferDialog::Finished(finished);
    succeeded_ = engine_->Succeeded();
    if (succeeded_) link::ApplyReadOutcome(Target().radio, Target().session, engine_->Outcome());
}

bool RunReadDialog(QWidget* parent, TransferTarget target) {
    TfReadRadio dialog(std::move(target), parent);
    dialog.exec();
    return dialog.Succeeded();
}

}  // namespace lm
