#pragma once
// The write dialog (fWriteRadio): copies the first 464 bytes of the image into the radio. Each Ok writes one
// radio; after a completed write the dialog stays open for the next one.
#include "link/write_transfer.h"
#include "windows/link/transfer_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace lm {

class TfWriteRadio : public TransferDialog {
    Q_OBJECT

public:
    explicit TfWriteRadio(TransferTarget target, QWidget* parent = nullptr);

    // Radios written completely since the dialog opened.
    int Completed() const { return completed_; }
    const link::WriteTransfer* Engine() const { return engine_; }

private:
    void FormShow() override;
    void btnOkClick() override;
    void cxUpdPropertiesChange();
    void EnablePasswords(bool enabled) override;
    void Finished(const link::Finished& finished) override;
    std::string OwnText(const std::string& key) const override;

    QLabel* Label2 = nullptr;
    QLineEdit* cxNew = nullptr;
    QCheckBox* cxUpd = nullptr;
    QLabel* lDigits =
        nullptr;  // hidden: the text of the message that refuses a new password of other characters

    link::WriteTransfer* engine_ = nullptr;  // held by the base from the first showing
    bool passwordsEnabled_ = true;
    int completed_ = 0;
};

// Write command: shows the write dialog modally.
void RunWriteDialog(QWidget* parent, TransferTarget target);

}  // namespace lm
