#pragma once
// The write dialog (fWriteRadio): copies the first 464 bytes of the image into the radio. Each Ok writes one
// radio; after a completed write the dialog stays open for the next one.
#include <QDialog>

#include <memory>

#include "link/write_transfer.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace lm {

class RadioLink;
class TransferDriver;

class TfWriteRadio : public QDialog {
    Q_OBJECT

public:
    explicit TfWriteRadio(QWidget* parent = nullptr);
    ~TfWriteRadio() override;

    // Radios written completely since the dialog opened.
    int Completed() const { return completed_; }
    const link::WriteTransfer* Engine() const { return engine_.get(); }

public:
    // Cancel, Escape and the close box: a running transfer is abandoned.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOkClick();
    void cxUpdPropertiesChange();

    QProgressBar* pBar = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* cxPass = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* cxNew = nullptr;
    QCheckBox* cxUpd = nullptr;
    QLabel* lDigits = nullptr;  // hidden: the text of the message that refuses a new password of other characters

    std::unique_ptr<link::WriteTransfer> engine_;
    std::unique_ptr<RadioLink> line_;
    std::unique_ptr<TransferDriver> driver_;
    bool shown_ = false;
    bool passwordsEnabled_ = true;
    int completed_ = 0;
};

// Write command: shows the write dialog modally.
void RunWriteDialog(QWidget* parent);

}  // namespace lm
