#include "windows/link/read_radio_dialog.h"

#include <QLabel>
#include <QLineEdit>

namespace lm {

TfReadRadio::TfReadRadio(QWidget* parent, TALL& state)
    : TransferDialog(parent, {.name = "fReadRadio",
                              .title = "Read data From radio",
                              .size = {341, 66},
                              .progressMax = link::kReadBlocks,
                              .bar = {9, 10, 325, 18},
                              .ok = {169, 36, 75, 25},
                              .cancel = {254, 35, 75, 25},
                              .label = {9, 68, 80, 21},
                              .pass = {95, 68, 150, 21}}),
      state_(state) {
    lArea = new QLabel("Area", this);
    lArea->setObjectName("lArea");
    lArea->setVisible(false);
}

void TfReadRadio::FormShow() {
    succeeded_ = false;
    PrepareShow();

    link::EngineOptions options = PortOptions();
    options.areaLabel = lArea->text().toStdString();
    engine_ =
        &Start(std::make_unique<link::ReadTransfer>(state_, options), TransferHost::kReadDrainGiveUpMs, true);
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
    if (succeeded_) link::ApplyReadOutcome(state_, engine_->Outcome());
}

bool RunReadDialog(QWidget* parent) {
    TfReadRadio dialog(parent);
    dialog.exec();
    return dialog.Succeeded();
}

}  // namespace lm
