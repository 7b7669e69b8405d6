#pragma once
// The channel edit window (fInfoEdit): one channel at a time, the document's current channel, with a control
// for every field. Every change the user makes is stored at once, the whole channel through the engine, as
// one step of the program's document; the window follows undo, redo and the grid's edits. A child window of
// the main window.
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <utility>

#include "core/channel_form.h"
#include "core/document.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace lm {

class ChannelSpin;

class TfInfoEdit : public QWidget {
    Q_OBJECT

public:
    explicit TfInfoEdit(TDocument& document, QWidget* parent = nullptr);
    ~TfInfoEdit() override;
    TfInfoEdit(const TfInfoEdit&) = delete;
    TfInfoEdit& operator=(const TfInfoEdit&) = delete;

    // Translates the window (when a language is chosen), sets the channel count and loads the current
    // channel.
    void FormShow();
    // Fills the controls from the document's current channel.
    void LoadChannel();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    QComboBox* ToneBox(const char* name);
    QComboBox* ListBox(const char* name, const std::vector<std::string>& items);

    // The channel as the controls show it, in the texts the engine takes.
    ChannelTexts ControlTexts() const;
    void ShowTexts(const ChannelTexts& texts);
    void ClearFields();
    void EnableFields(bool on);
    void RebuildEpilogueList();
    void SelectEpilogue();
    // Stores texts as the whole current channel, one step named after field; then shows what was stored.
    void SaveChannel(int field, const ChannelTexts& texts);

    // A typed frequency as it is stored, after its warning; nullopt after ErrRange when it cannot be read.
    std::optional<std::string> TypedFrequency(const QLineEdit* edit);

    void sexdChange(int value);
    void eReceiveValueChanged();
    void eSendValueChanged();
    void cxDctsExit(QComboBox* box, int field);
    void cxDctsDblClick(QComboBox* box, int field);
    void btnCloseClick();

    TDocument& document_;
    ChannelSpin* sexd = nullptr;
    QTabWidget* pcInfo = nullptr;
    QLineEdit* cxRx_Freq = nullptr;
    QLineEdit* cxTx_Freq = nullptr;
    QComboBox* cxRxDcts = nullptr;
    QComboBox* cxTxDcts = nullptr;
    QComboBox* cxWn = nullptr;
    QComboBox* cxPower = nullptr;
    QComboBox* cxRevTx = nullptr;
    QComboBox* cxCts = nullptr;  // hidden: the epilogue's items after a CTCSS transmit tone
    QComboBox* cxDcs = nullptr;  // hidden: the epilogue's items otherwise
    std::array<std::pair<QCheckBox*, int>, 5> checks_{};  // check box and field; checked = "0"
    QPushButton* btnClose = nullptr;

    bool loading_ = false;  // the window fills its controls, or stores: no handler stores
    bool txGuard_ = false;  // the transmit frequency is set by the window, not typed
    int keptEpilogue_ = 1;
    int listener_ = 0;
};

// A new channel edit window on the current channel, for the main window's client area (it deletes itself when
// closed). Its frame stands at (20, 20) when first shown.
QWidget* CreateChannelEditWindow(TDocument& document);

}  // namespace lm
