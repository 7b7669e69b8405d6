#pragma once
// Binds the controls of a function settings window to the entries of the settings table by component name.
// Loading fills every bound control from the document's image under a loading guard; a change of any control
// stores every bound value of the window as one step of the document. Undoing or redoing a step reloads the
// controls.
#include <QObject>
#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/settings_table.h"
#include "core/state.h"

class QCheckBox;
class QComboBox;
class QWidget;

namespace lm {

class SettingsBinder : public QObject {
    Q_OBJECT

public:
    SettingsBinder(SettingWindow window, TDocument& document, QObject* parent);
    ~SettingsBinder() override;

    // A drop-down list that accepts only its items, named and filled from the table; it stores on change
    // unless storesOnChange is false.
    QComboBox* Combo(const char* component, QWidget* parent, bool storesOnChange = true);
    // A check box whose ticked state is item 1 of the setting.
    QCheckBox* Check(const char* component, const QString& caption, QWidget* parent);
    // A text bound through its accessors (code fields, grid cells, the FM bounds); the owner calls Store
    // when the text changes.
    void Text(const char* component, std::function<QString()> get, std::function<void(const QString&)> set);

    // Fills the controls from the image under the loading guard.
    void LoadValues();
    // Writes every bound value into the image as one step, unless loading.
    void Store();
    // Sets the guard while the owner fills controls itself (translation, lists).
    void SetLoading(bool loading) { loading_ = loading; }

private:
    struct Binding {
        const Setting* setting;
        QComboBox* combo = nullptr;
        QCheckBox* check = nullptr;
        std::function<QString()> get;
        std::function<void(const QString&)> set;
    };
    const Setting& Find(const char* component) const;
    void LoadOne(const Binding& b);
    void StoreOne(const Binding& b, TALL& state) const;

    SettingWindow window_;
    TDocument& document_;
    std::vector<Binding> bindings_;
    bool loading_ = true;  // nothing is stored before the window has been loaded
    int listener_ = 0;
};

}  // namespace lm
