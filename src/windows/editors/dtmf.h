#pragma once
// The DTMF window: encoder settings with the PTT ID codes, decoder settings with the ID and stun codes, and
// the eight autodial memories, on three pages. The code fields take capitals only through their key filters.
#include "windows/editors/settings_window.h"

class QLineEdit;
class QTableWidget;
class QTableWidgetItem;

namespace lm {

class TfDtmf : public SettingsWindow {
    Q_OBJECT

public:
    explicit TfDtmf(TDocument& document, QWidget* parent = nullptr);

private:
    QWidget* EncodePage();
    QWidget* DecodePage();
    QWidget* AutodialPage();
    // A code field as its setting takes it: its length and its characters (letters typed in either case).
    QLineEdit* Code(const char* component, QWidget* parent);
    // "BOT" enables Begin of Tx, "EOT" End of Tx, "BOTH" both.
    void PttIdEnabling();
    // A shorter ID code is completed to three characters with "0".
    void CompleteIdCode();
    // A cell keeps its first ten characters in capitals; then the memories are stored.
    void CellChanged(QTableWidgetItem* item);

    QComboBox* pttId_ = nullptr;
    QLineEdit* begin_ = nullptr;
    QLineEdit* end_ = nullptr;
    QLineEdit* idCode_ = nullptr;
    QTableWidget* grid_ = nullptr;
};

// The characters of the DTMF code fields and of the autodial cells.
// The keys a code field of the setting takes: its characters, with the letters in either case.
QString CodeKeys(const Setting& setting);
QWidget* CreateDtmfWindow(TDocument& document);

}  // namespace lm
