#include "shell/set_language.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <vector>

#include "core/state.h"
#include "settings/system_settings.h"
#include "widgets/translate.h"
#include "widgets/typed_choice.h"

namespace lm {

TfSetLanguage::TfSetLanguage(const std::string& settingsPath, Preferences& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences) {
    setObjectName("fSetLanguage");
    setWindowTitle("Language File Setup");
    auto* label = new QLabel("Language Mode: ", this);
    label->setObjectName("lbName");
    cbLanguage_ = new QComboBox(this);
    cbLanguage_->setObjectName("cbLanguage");
    SetTag(cbLanguage_, kTagNoItems);
    TypedChoice::Install(cbLanguage_);
    cbLanguage_->setMinimumWidth(150);
    language_ = new QListWidget(this);
    language_->setObjectName("Language");
    language_->hide();
    btnOk_ = new QPushButton("&Ok", this);
    btnOk_->setObjectName("btnOk");
    btnOk_->setDefault(true);
    btnCancel_ = new QPushButton("&Cancel", this);
    btnCancel_->setObjectName("btnCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(cbLanguage_, 0, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnCancel_);
    grid->addLayout(buttons, 1, 0, 1, 2);
    setFixedSize(sizeHint());

    connect(btnOk_, &QPushButton::clicked, this, &TfSetLanguage::btnOkClick);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    // When shown: both lists from the settings, the translation, the current language selected.
    std::vector<std::string> display, internal;
    ReadLanguageLists(settingsPath, preferences_.LanguageName, display, internal);
    for (const std::string& name : display) cbLanguage_->addItem(QString::fromStdString(name));
    for (const std::string& name : internal) language_->addItem(QString::fromStdString(name));
    if (preferences_.LanguageId > 0) TranslateForm(this, preferences_.LanguageName, false);
    cbLanguage_->setCurrentIndex(preferences_.LanguageId >= 0 &&
                                         preferences_.LanguageId < cbLanguage_->count()
                                     ? preferences_.LanguageId
                                     : -1);
    changed_ = false;
}

void TfSetLanguage::btnOkClick() {
    const int selected = cbLanguage_->currentIndex();
    // With nothing selected (LanguageId outside the list) Ok changes nothing.
    if (selected >= 0 && selected != preferences_.LanguageId) {
        changed_ = true;
        QListWidgetItem* item = language_->item(selected);
        preferences_.LanguageName = item != nullptr ? item->text().toStdString() : std::string();
        preferences_.LanguageId = selected;
    }
    accept();
}

bool RunLanguageDialog(const std::string& settingsPath, Preferences& preferences, QWidget* parent) {
    TfSetLanguage dialog(settingsPath, preferences, parent);
    dialog.exec();
    return dialog.changed();
}

}  // namespace lm
