#include "windows/link/write_radio_dialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

namespace lm {

TfWriteRadio::TfWriteRadio(TransferTarget target, QWidget* parent)
    : TransferDialog(parent,
                     {.name = "fWriteRadio",
                      .title = "Write data to radio",
                      .size = {354, 71},
                      .progressMax = link::kWriteProgressMax,
                      .bar = {9, 13, 325, 18},
                      .ok = {165, 39, 75, 25},
                      .cancel = {249, 39, 75, 25},
                      .label = {9, 75, 95, 21},
                      .pass = {110, 75, 150, 21}},
                     std::move(target)) {
    // The new password's row lies below the password's, outside the client area too.
    Label2 = new QLabel("New Pass Word:", this);
    Label2->setObjectName("Label2");
    Label2->setGeometry(9, 104, 95, 21);
    cxNew = PasswordEdit("cxNew", {110, 104, 150, 21});
    passwordBottom_ = cxNew->geometry().bottom() + 1;
    cxNew->setEnabled(false);
    cxUpd = new QCheckBox(this);
    cxUpd->setObjectName("cxUpd");
    cxUpd->setGeometry(268, 104, 20, 21);
    lDigits = new QLabel(QString::fromUtf8(link::kPwdDigits.text), this);
    lDigits->setObjectName("lDigits");
    lDigits->setVisible(false);

    cxUpd->installEventFilter(this);
    connect(cxUpd, &QCheckBox::toggled, this, &TfWriteRadio::cxUpdPropertiesChange);
}

void TfWriteRadio::FormShow() {
    PrepareShow();

    engine_ = &Start(std::make_unique<link::WriteTransfer>(Target().radio, Target().session, PortOptions(),
                                                           link::ClockSource{}),
                     TransferHost::kWriteDrainGiveUpMs, false);
}

void TfWriteRadio::EnablePasswords(bool enabled) {
    // While a transfer runs the check box is held too, so that the new password cannot change under it.
    passwordsEnabled_ = enabled;
    TransferDialog::EnablePasswords(enabled);
    cxUpd->setEnabled(enabled);
    cxNew->setEnabled(enabled && cxUpd->isChecked());
}

void TfWriteRadio::Finished(const link::Finished& finished) {
    TransferDialog::Finished(finished);
    if (finished.outcome == link::Outcome::Completed) ++completed_;
}

std::string TfWriteRadio::OwnText(const std::string& key) const {
    return key == link::kPwdDigits.key ? lDigits->text().toStdString() : std::string();
}

void TfWriteRadio::cxUpdPropertiesChange() { cxNew->setEnabled(passwordsEnabled_ && cxUpd->isChecked()); }

void TfWriteRadio::btnOkClick() {
    if (!engine_) return;
    Host().Input(
        [this, password = cxPass->text().toStdString(), update = cxUpd->isChecked(),
         newPassword = cxNew->text().toStdString()] { return engine_->Ok(password, update, newPassword); });
}

void RunWriteDialog(QWidget* parent, TransferTarget target) {
    TfWriteRadio dialog(std::move(target), parent);
    dialog.exec();
}

}  // namespace lm
