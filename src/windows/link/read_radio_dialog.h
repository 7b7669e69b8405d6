#pragma once
// The read dialog (fReadRadio): copies the radio's memory into the image. Only a completed read changes the
// image; the dialog then closes by itself.
#include "globals/globals.h"
#include "link/read_transfer.h"
#include "windows/link/transfer_dialog.h"

class QLabel;

namespace lm {

class TfReadRadio : public TransferDialog {
    Q_OBJECT

public:
    // state: the record the transfer reads into or writes from (the program's own by default).
    explicit TfReadRadio(QWidget* parent = nullptr, TALL& state = gAll);

    // A read has completed: the image, model and band are the radio's.
    bool Succeeded() const { return succeeded_; }
    // The engine, once the dialog has been shown (for tests).
    const link::ReadTransfer* Engine() const { return engine_; }

private:
    void FormShow() override;
    void btnOkClick() override;
    void Finished(const link::Finished& finished) override;

    QLabel* lArea = nullptr;

    TALL& state_;
    link::ReadTransfer* engine_ = nullptr;  // held by the base from the first showing
    bool succeeded_ = false;
};

// Read command: shows the read dialog modally; true when a read completed.
bool RunReadDialog(QWidget* parent);

}  // namespace lm
