#pragma once
// The radio information window (fInfoMsg): model, band, serial number, area, the time of the last write and
// the factory time of the loaded image, read-only. A child window of the main window; it changes nothing.
#include <QWidget>
#include <vector>

#include "core/state.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace lm {

class TfInfoMsg : public QWidget {
    Q_OBJECT

public:
    explicit TfInfoMsg(const TALL& radio, QWidget* parent = nullptr);
    // Fills the fields from the radio (translated first when a language is chosen).
    void Load();

private:
    QLineEdit* Field(const char* name, int maxLength);
    void btnCancelClick();

    const TALL& radio_;
    std::vector<QLineEdit*> fields_;  // cxModel ... cxLeaveTime, in the order of RadioInfoFields()
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
};

// A new, loaded radio information window for the main window's client area (it deletes itself when closed;
// "&Close" closes the sub-window it stands in). Its frame has a system menu, a minimise box and a close box,
// and stands at (20, 20) when first shown.
QWidget* CreateInfoWindow(const TALL& radio);

}  // namespace lm
