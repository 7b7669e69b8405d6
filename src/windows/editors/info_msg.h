#pragma once
// The radio information window (fInfoMsg): model, band, serial number, area, the time of the last write and the
// factory time of the loaded image, read-only. A child window of the main window; it changes nothing.
#include <QWidget>

#include <string>

#include "core/state.h"
#include "globals/globals.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lm {

// The serial number text of Image[465..480]: the bytes from 33 to 126 as characters, every other byte skipped.
std::string SerialNumberText(const ImageBytes& image);

class TfInfoMsg : public QWidget {
    Q_OBJECT

public:
    explicit TfInfoMsg(QWidget* parent = nullptr);
    // Fills the fields from gAll (translated first when a language is chosen).
    void Load();

private:
    QLineEdit* Field(const char* name, int maxLength);
    void btnCancelClick();

    QLineEdit* cxModel = nullptr;
    QLineEdit* cxFreq = nullptr;
    QLineEdit* cxSerial = nullptr;
    QLineEdit* cxArea = nullptr;
    QLineEdit* cxRadioTime = nullptr;
    QLineEdit* cxLeaveTime = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
};

// A new, loaded radio information window for the main window's client area (it deletes itself when closed;
// "&Close" closes the sub-window it stands in). Its frame has a system menu, a minimise box and a close box,
// and stands at (20, 20) when first shown.
QWidget* CreateInfoWindow();

}  // namespace lm
