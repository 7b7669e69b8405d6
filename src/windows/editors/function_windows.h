#pragma once
// The key, VOX, optional function and scan windows: child windows of the main window that lay out the
// controls of their part of the settings table; the binder loads and stores them.
#include "windows/editors/settings_window.h"

class QListWidget;

namespace lm {

// Key function: the selectors take their entries from the hidden, translated lists List_Short and List_Long,
// less the entries the key layout does not offer.
class TfKeyFun : public SettingsWindow {
    Q_OBJECT

public:
    explicit TfKeyFun(TDocument& document, QWidget* parent = nullptr);

protected:
    void Prepare() override;

private:
    void Fill(QComboBox* combo, const QListWidget* list);
    QListWidget* listLong_;
    QListWidget* listShort_;
    QComboBox* keys_[4];  // cxKey1_S, cxKey1_L, cxKey2_S, cxKey2_L
};

class TfVoxFun : public SettingsWindow {
    Q_OBJECT

public:
    explicit TfVoxFun(TDocument& document, QWidget* parent = nullptr);
};

// Optional function, with the hidden "Vol", "Fm Vol" (loaded and stored, no change handler) and "FM Function"
// (bound to nothing).
class TfOptFun : public SettingsWindow {
    Q_OBJECT

public:
    explicit TfOptFun(TDocument& document, QWidget* parent = nullptr);
};

// Scan information, tall enough that all four selectors show, with the hidden FM scan bounds (loaded only).
class TfScanFun : public SettingsWindow {
    Q_OBJECT

public:
    explicit TfScanFun(TDocument& document, QWidget* parent = nullptr);
};

// New, loaded windows for the main window's client area.
QWidget* CreateKeyFunctionWindow(TDocument& document);
QWidget* CreateVoxFunctionWindow(TDocument& document);
QWidget* CreateOptionalFunctionWindow(TDocument& document);
QWidget* CreateScanInfoWindow(TDocument& document);

}  // namespace lm
