#pragma once
// The embedded message dialog (fEmbeddedMessage): two lines of text, at most 32 letters, digits or blanks
// each. It reads nothing from the image and stores nothing.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace lm {

// The characters the two fields accept (besides Backspace and Enter).
QString EmbeddedMessageCharacters();

class TfEmbeddedMessage : public QDialog {
    Q_OBJECT

public:
    explicit TfEmbeddedMessage(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* edEMA = nullptr;
    QLineEdit* edEMB = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    bool shown_ = false;
};

// Shows the dialog modally (tag 18).
void RunEmbeddedMessageDialog(QWidget* parent);

}  // namespace lm
