#include "widgets/translate.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <algorithm>

#include "core/state.h"
#include "settings/ini_file.h"
#include "settings/language.h"
#include "settings/sheet_language.h"
#include "settings/startup.h"
#include "widgets/window_language.h"

namespace lm {

namespace {

constexpr const char* kFormProperty = "lmForm";
constexpr const char* kStyledGroupProperty = "lmStyledGroup";

// Child windows and status bars are not walked: a child window is translated from its own section when it
// opens, and the panels of a status bar show only what the program puts there.
bool IsWalked(const QObject* child) {
    const auto* w = qobject_cast<const QWidget*>(child);
    if (w == nullptr) return true;
    if (w->isWindow() && qobject_cast<const QMenu*>(w) == nullptr) return false;
    return qobject_cast<const QMdiSubWindow*>(w) == nullptr &&
           qobject_cast<const QStatusBar*>(w) == nullptr && !w->property(kFormProperty).toBool();
}

class Translator {
public:
    Translator(const IniFile& file, const QString& section, bool withItems)
        : file_(file), section_(section.toStdString()), withItems_(withItems) {}

    QString Lookup(const QString& key, const QString& current) const {
        const std::string k = key.toStdString();
        if (!file_.Has(section_, k)) return current;
        return QString::fromStdString(file_.Read(section_, k, current.toStdString()));
    }
    QString Lookup(const QString& name, const char* suffix, const QString& current) const {
        return Lookup(name + QLatin1Char('.') + QLatin1String(suffix), current);
    }

    void Walk(QObject* parent) const {
        for (QObject* child : parent->children()) {
            if (!IsWalked(child)) continue;
            if (!child->objectName().isEmpty()) Apply(child);
            Walk(child);
        }
    }

private:
    void Apply(QObject* c) const {
        const QString name = c->objectName();
        const int tag = TagOf(c);
        if (auto* menu = qobject_cast<QMenu*>(c)) {
            menu->setTitle(Lookup(name, "Caption", menu->title()));
            menu->menuAction()->setToolTip(Lookup(name, "Hint", menu->menuAction()->toolTip()));
        } else if (auto* action = qobject_cast<QAction*>(c)) {
            action->setText(Lookup(name, "Caption", action->text()));
            action->setToolTip(Lookup(name, "Hint", action->toolTip()));
        } else if (auto* tool = qobject_cast<QToolButton*>(c)) {
            tool->setText(Lookup(name, "Caption", tool->text()));
            tool->setToolTip(Lookup(name, "Hint", tool->toolTip()));
        } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            button->setText(Lookup(name, "Caption", button->text()));
        } else if (auto* label = qobject_cast<QLabel*>(c)) {
            label->setText(Lookup(name, "Caption", label->text()));
        } else if (auto* group = qobject_cast<QGroupBox*>(c)) {
            if (!group->property(kStyledGroupProperty).toBool()) {
                group->setTitle(Lookup(name, "Caption", group->title()));
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            if (withItems_ && tag != kTagNoItems) TranslateCombo(combo, name, tag == kTagFirstItemOnly);
        } else if (auto* list = qobject_cast<QListWidget*>(c)) {
            if (tag != kTagNoItems) {
                for (int i = 0; i < list->count(); ++i) {
                    QListWidgetItem* item = list->item(i);
                    item->setText(Lookup(name + QLatin1Char('.') + QString::number(i), item->text()));
                }
            }
        } else if (auto* grid = qobject_cast<QTableView*>(c)) {
            if (tag != kTagNoItems && grid->model() != nullptr) TranslateGrid(grid, name);
        }
        if (auto* page = qobject_cast<QWidget*>(c)) TranslateTabPage(page, name);
    }

    void TranslateCombo(QComboBox* combo, const QString& name, bool firstOnly) const {
        const int selected = combo->currentIndex();
        const QString edit = combo->isEditable() ? combo->currentText() : QString();
        const int count = firstOnly ? std::min(1, combo->count()) : combo->count();
        for (int i = 0; i < count; ++i) {
            combo->setItemText(i, Lookup(name + QLatin1Char('.') + QString::number(i), combo->itemText(i)));
        }
        if (combo->currentIndex() != selected) combo->setCurrentIndex(selected);
        if (combo->isEditable() && selected < 0) combo->setEditText(edit);
    }

    void TranslateGrid(QTableView* grid, const QString& name) const {
        QAbstractItemModel* model = grid->model();
        for (int c = 1; c <= model->columnCount(); ++c) {
            const QString current = model->headerData(c - 1, Qt::Horizontal).toString();
            const QString text = Lookup(name + QLatin1Char('.') + QString::number(c), current);
            if (text != current) model->setHeaderData(c - 1, Qt::Horizontal, text);
        }
    }

    void TranslateTabPage(QWidget* page, const QString& name) const {
        auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
        if (stack == nullptr) return;
        auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
        if (tabs == nullptr) return;
        const int index = tabs->indexOf(page);
        if (index >= 0) tabs->setTabText(index, Lookup(name, "Caption", tabs->tabText(index)));
    }

    const IniFile& file_;
    std::string section_;
    bool withItems_;
};

}  // namespace

void SetTag(QObject* component, int tag) { component->setProperty(kTagProperty, tag); }

int TagOf(const QObject* component) { return component->property(kTagProperty).toInt(); }

void MarkAsForm(QWidget* form) { form->setProperty(kFormProperty, true); }

void MarkAsStyledGroup(QGroupBox* group) { group->setProperty(kStyledGroupProperty, true); }

TextLookup CurrentLanguageLookup() {
    return LanguageFileLookup(LanguageFileFor(WindowPreferences().LanguageName));
}

std::string LanguageFileFor(const std::string& languageName) {
    return InstalledLanguageFile(WindowPreferences().AppDir, languageName);
}

void TranslateFormFromFile(QWidget* window, const std::string& languageFilePath, bool withItems) {
    if (window == nullptr) return;
    const IniFile file = IniFile::Load(languageFilePath);
    const QString section = window->objectName();
    Translator translator(file, section, withItems);
    window->setWindowTitle(translator.Lookup(section, "Caption", window->windowTitle()));
    translator.Walk(window);
}

void TranslateForm(QWidget* window, const std::string& languageName, bool withItems) {
    TranslateFormFromFile(window, LanguageFileFor(languageName), withItems);
}

void TranslateOnOpen(QWidget* window, bool withItems) {
    const Preferences& preferences = WindowPreferences();
    if (preferences.LanguageId > 0) TranslateForm(window, preferences.LanguageName, withItems);
}

}  // namespace lm
