#pragma once
// The Model Information dialog (fModel): chooses the variant and the band that a new image is made for.
#include <QDialog>
#include <functional>
#include <string>

#include "core/state.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace lm {

class TfModel : public QDialog {
    Q_OBJECT

public:
    explicit TfModel(const TALL& radio, QWidget* parent = nullptr);

    bool Accepted() const { return accepted_; }
    std::string SelectedTitle() const;
    std::string SelectedBand() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void cbCopmutChange();

    QLabel* Label1 = nullptr;
    QComboBox* cbCopmut = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cbPd = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    const TALL& radio_;
    bool accepted_ = false;
    bool shown_ = false;
};

// Selects the chosen variant and band in a state record.
using ModelSelection = std::function<void(TALL& state)>;

// The Model command. performNew is the New command of the main window: it asks SaveProgram when the image is
// modified, applies the selection and makes the new image, and returns false when it stopped (the save was
// cancelled or failed). Returns true when a new image for the chosen variant and band has been made;
// otherwise model, band and image are as they were.
bool RunModelDialog(QWidget* parent, const TALL& radio,
                    const std::function<bool(const ModelSelection&)>& performNew);

}  // namespace lm
