#pragma once
// The read dialog (fReadRadio): copies the radio's memory into the image. Only a completed read changes the
// image; the dialog then closes by itself.
#include "link/read_transfer.h"
#include "windows/link/transfer_dialog.h"

class QLabel;

namespace lm {

class TfReadRadio : public TransferDialog {
    Q_OBJECT

public:
    explicit TfReadRadio(TransferTarget target, QWidget* parent = nullptr);

    // A read has completed: the image, model and band are the radio's.
    bool Succeeded() const { return succeeded_; }
    // The engine, once the dialog has been shown (for tests).
    const link::ReadTransfer* Engine() const { return engine_; }

private:
    void FormShow() override;
    void btnOkClick() override;
    void Finished(const link::Finished& finished) override;

    QLabel* lArea = nullptr;

    link::ReadTransfer* engine_ = nullptr;  // held by the base from the first showing
    bool succeeded_ = false;
};

// Read command: shows the read dialog modally; true when a read completed.
bool RunReadDialog(QWidget* parent, TransferTarget target);

}  // namespace lm
