#pragma once
// The frame shared by the function settings windows: a fixed-size child window of the main window with its
// section name, caption, binder and "&Close" button. Load translates the window, lets the window prepare its
// lists and fills the controls, all under the binder's loading guard.
#include <QWidget>

#include "core/settings_table.h"
#include "widgets/fit_contents.h"
#include "windows/editors/settings_binder.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace lm {

class SettingsWindow : public QWidget {
    Q_OBJECT

public:
    SettingsWindow(SettingWindow window, const char* section, QSize size, TDocument& document,
                   QWidget* parent);
    TDocument& Document() { return document_; }
    void Load();
    ~SettingsWindow() override;
    SettingsBinder& Binder() { return *binder_; }

protected:
    // Runs after the translation, before the values are filled (still under the loading guard).
    virtual void Prepare() {}
    QLabel* Label(const char* name, const QString& text, QWidget* parent, int x, int y);
    QGroupBox* Group(const char* name, const QString& title, QRect geometry, QWidget* parent);
    // A drop-down list of the table placed with its label at row y of parent.
    QComboBox* Row(const char* component, QWidget* parent, int x, int y, int width = 120);
    void CloseButton(int x, int y);

private:
    void btnCancelClick();
    SettingWindow window_;
    TDocument& document_;
    SettingsBinder* binder_;
    std::vector<LabelledBox> rows_;  // fitted to their texts once the window is translated
};

}  // namespace lm
