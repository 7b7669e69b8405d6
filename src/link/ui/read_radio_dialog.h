#pragma once
// The read dialog (fReadRadio): copies the radio's memory into the image. Only a completed read changes the
// image; the dialog then closes by itself.
#include <QDialog>

#include <memory>

#include "link/read_transfer.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace lm {

class RadioLink;
class TransferDriver;

class TfReadRadio : public QDialog {
    Q_OBJECT

public:
    explicit TfReadRadio(QWidget* parent = nullptr);
    ~TfReadRadio() override;

    // A read has completed: the image, model and band are the radio's.
    bool Succeeded() const { return succeeded_; }
    // The engine, once the dialog has been shown (for tests).
    const link::ReadTransfer* Engine() const { return engine_.get(); }

public:
    // Cancel, Escape and the close box: a running transfer is abandoned.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void btnOkClick();

    QProgressBar* pBar = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* cxPass = nullptr;
    QLabel* lArea = nullptr;

    std::unique_ptr<link::ReadTransfer> engine_;
    std::unique_ptr<RadioLink> line_;
    std::unique_ptr<TransferDriver> driver_;
    bool shown_ = false;
    bool succeeded_ = false;
};

// Read command: shows the read dialog modally; true when a read completed.
bool RunReadDialog(QWidget* parent);

}  // namespace lm
