#pragma once
// The Language File Setup dialog: chooses the language of the program.
#include <QDialog>
#include <string>

#include "core/state.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace lm {

class TfSetLanguage : public QDialog {
    Q_OBJECT

public:
    // settingsPath: the settings file that holds the language lists.
    // Ok changes the language of preferences.
    TfSetLanguage(const std::string& settingsPath, Preferences& preferences, QWidget* parent = nullptr);
    bool changed() const { return changed_; }
    QComboBox* languages() const { return cbLanguage_; }
    QListWidget* internalNames() const { return language_; }

    void btnOkClick();

private:
    QComboBox* cbLanguage_ = nullptr;
    QListWidget* language_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
    Preferences& preferences_;
    bool changed_ = false;
};

// Shows the dialog modally; true when it changed LanguageName and LanguageId.
bool RunLanguageDialog(const std::string& settingsPath, Preferences& preferences, QWidget* parent);

}  // namespace lm
