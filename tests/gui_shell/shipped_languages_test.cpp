// The shipped English and Chinese language files against the real windows: a section for every window, every
// key naming a component of its window, English giving back the design texts, Chinese giving Chinese texts.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>

#include "core/state.h"
#include "settings/language.h"
#include "shell/about_box.h"
#include "shell/set_language.h"
#include "shell_fixture.h"
#include "widgets/translate.h"
#include "windows/channels/ch_info.h"
#include "windows/channels/import_window.h"
#include "windows/channels/info_edit.h"
#include "windows/channels/tone_option.h"
#include "windows/core/model_dialog.h"
#include "windows/editors/dtmf.h"
#include "windows/editors/embedded_message.h"
#include "windows/editors/function_windows.h"
#include "windows/editors/info_msg.h"
#include "windows/link/cable_check_window.h"
#include "windows/link/production_window.h"
#include "windows/link/read_radio_dialog.h"
#include "windows/link/set_port_dialog.h"
#include "windows/link/write_radio_dialog.h"

namespace {

using Section = std::map<QString, QString>;  // key -> value, quotes removed
using LanguageFile = std::map<QString, Section>;

QString LangPath(const char* name) { return QStringLiteral(LM_SOURCE_DIR "/src/resources/lang/") + name; }

// The sections and keys of a language file as written (the files are UTF-8).
LanguageFile Sections(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    LanguageFile out;
    QString section;
    for (const QString& raw : QString::fromUtf8(file.readAll()).split(QRegularExpression("\r?\n"))) {
        const QString line = raw.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            section = line.mid(1, line.size() - 2);
            out[section];
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (line.isEmpty() || eq < 0) continue;
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"')) {
            value = value.mid(1, value.size() - 2);
        }
        out[section][line.left(eq).trimmed()] = value;
    }
    return out;
}

// Every text of a window that a language file can replace, by the key that would replace it.
Section Texts(QWidget* window) {
    Section texts;
    texts[window->objectName() + ".Caption"] = window->windowTitle();
    for (QObject* c : window->findChildren<QObject*>()) {
        const QString n = c->objectName();
        if (n.isEmpty()) continue;
        if (auto* menu = qobject_cast<QMenu*>(c)) {
            texts[n + ".Caption"] = menu->title();
            texts[n + ".Hint"] = menu->menuAction()->toolTip();
        } else if (auto* action = qobject_cast<QAction*>(c)) {
            texts[n + ".Caption"] = action->text();
            texts[n + ".Hint"] = action->toolTip();
        } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
            texts[n + ".Caption"] = button->text();
        } else if (auto* label = qobject_cast<QLabel*>(c)) {
            texts[n + ".Caption"] = label->text();
        } else if (auto* group = qobject_cast<QGroupBox*>(c)) {
            texts[n + ".Caption"] = group->title();
        } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
            for (int i = 0; i < combo->count(); ++i) texts[n + "." + QString::number(i)] = combo->itemText(i);
        } else if (auto* list = qobject_cast<QListWidget*>(c)) {
            for (int i = 0; i < list->count(); ++i) {
                texts[n + "." + QString::number(i)] = list->item(i)->text();
            }
        }
    }
    return texts;
}

// The windows of the program that the shipped files translate, each made with its design texts.
struct WindowMaker {
    const char* section;
    std::function<std::unique_ptr<QWidget>()> make;
};

std::vector<WindowMaker> Dialogs(const std::string& settingsPath) {
    return {
        {"fModel", [] { return std::make_unique<lm::TfModel>(lm::gAll); }},
        {"fSetPort",
         [] {
             return std::make_unique<lm::TfSetPort>(lm::gPreferences.PortName, nullptr, lm::PortSource{});
         }},
        {"fReadRadio", [] { return std::make_unique<lm::TfReadRadio>(lmtest::Target()); }},
        {"fWriteRadio", [] { return std::make_unique<lm::TfWriteRadio>(lmtest::Target()); }},
        {"fInfoMsg", [] { return std::make_unique<lm::TfInfoMsg>(lm::gAll); }},
        {"fKeyFun", [] { return std::make_unique<lm::TfKeyFun>(lm::gDocument); }},
        {"fVoxFun", [] { return std::make_unique<lm::TfVoxFun>(lm::gDocument); }},
        {"fOptFun", [] { return std::make_unique<lm::TfOptFun>(lm::gDocument); }},
        {"fScanFun", [] { return std::make_unique<lm::TfScanFun>(lm::gDocument); }},
        {"fDtmf", [] { return std::make_unique<lm::TfDtmf>(lm::gDocument); }},
        {"fChInfo", [] { return std::make_unique<lm::TfChInfo>(lm::gDocument); }},
        {"fEmbeddedMessage", [] { return std::make_unique<lm::TfEmbeddedMessage>(); }},
        {"fInfoEdit", [] { return std::make_unique<lm::TfInfoEdit>(lm::gDocument); }},
        {"fToneOption", [] { return std::make_unique<lm::TfToneOption>(); }},
        {"fSetLanguage",
         [settingsPath] { return std::make_unique<lm::TfSetLanguage>(settingsPath, lm::gPreferences); }},
        {"fFrmAbout", [] { return std::make_unique<lm::TfFrmAbout>(); }},
        {"fCableCheck", [] { return std::make_unique<lm::TfCableCheck>(nullptr, lm::gSession, ""); }},
        {"fProduction",
         [] {
             return std::make_unique<lm::TfProduction>(nullptr,
                                                       lm::ProductionSources{lm::gAll, lm::gSession, "", ""});
         }},
        {"fImportChannels", [] { return std::make_unique<lm::TfImportChannels>(nullptr, "", "", lm::gAll); }},
    };
}

bool HasChinese(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; });
}

}  // namespace

class ShippedLanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowHasASectionAndEveryKeyNamesAComponent() {
        lmtest::ShellFixture f;
        const std::string settings = lmtest::WriteFile(f.dir(), "SysInfo.Ini", "");
        for (const char* file : {"English.Ini", "Chinese.Ini"}) {
            const LanguageFile lang = Sections(LangPath(file));
            QVERIFY2(lang.count("Language"), file);
            QCOMPARE(lang.at("Language").size(), std::size_t(lm::kMessageKeyCount));
            std::vector<std::pair<QString, QWidget*>> windows{{"fMainFrm", &f.main()}};
            std::vector<std::unique_ptr<QWidget>> owned;
            for (const WindowMaker& m : Dialogs(settings)) {
                owned.push_back(m.make());
                windows.emplace_back(m.section, owned.back().get());
            }
            for (const auto& [section, window] : windows) {
                QCOMPARE(window->objectName(), section);
                QVERIFY2(lang.count(section), qPrintable(QString(file) + " lacks [" + section + "]"));
                for (const auto& [key, value] : lang.at(section)) {
                    const QString name = key.section('.', 0, -2);
                    const QString suffix = key.section('.', -1);
                    QObject* component = name == section ? window : window->findChild<QObject*>(name);
                    QVERIFY2(component != nullptr, qPrintable(QString(file) + ": no component for " + key));
                    bool number = false;
                    suffix.toInt(&number);
                    QVERIFY2(suffix == "Caption" || suffix == "Hint" || number, qPrintable(key));
                }
            }
        }
    }

    void englishNamesAndGivesBackTheDesignTexts() {
        lmtest::ShellFixture f;
        const std::string settings = lmtest::WriteFile(f.dir(), "SysInfo.Ini", "");
        const std::string english = LangPath("English.Ini").toStdString();
        // The port buttons take the label's caption as prefix: "COM" keeps them "COM1" to "COM20".
        const std::map<QString, QString> chosen{{"lbName.Caption", "COM"}};
        std::vector<std::pair<QString, std::unique_ptr<QWidget>>> windows;
        for (const WindowMaker& m : Dialogs(settings)) {
            if (QString(m.section) != "fFrmAbout") windows.emplace_back(m.section, m.make());
        }
        std::vector<std::pair<QString, QWidget*>> all{{"fMainFrm", &f.main()}};
        for (auto& [section, w] : windows) all.emplace_back(section, w.get());
        const LanguageFile file = Sections(LangPath("English.Ini"));
        // Texts that the program sets itself: the port buttons (from the hidden label) and the status panels.
        const QRegularExpression ownTexts("^(cxPort\\d+|StatusPanel\\d)\\.Caption$");
        for (const auto& [section, window] : all) {
            const Section before = Texts(window);
            // Every caption and hint is named, so that a language change and back gives every text back.
            for (const auto& [key, text] : before) {
                const bool item = !key.endsWith(".Caption") && !key.endsWith(".Hint");
                if (text.isEmpty() || item || ownTexts.match(key).hasMatch()) continue;
                QVERIFY2(file.at(section).count(key), qPrintable("English.Ini lacks " + section + "/" + key));
            }
            lm::TranslateFormFromFile(window, english, true);
            const Section after = Texts(window);
            for (const auto& [key, text] : before) {
                const QString expect = section == "fSetPort" && chosen.count(key) ? chosen.at(key) : text;
                QVERIFY2(after.at(key) == expect, qPrintable(section + "/" + key + ": \"" + after.at(key) +
                                                             "\" for \"" + expect + "\""));
            }
        }
    }

    void chineseNamesTheSameKeysInChinese() {
        const LanguageFile english = Sections(LangPath("English.Ini"));
        const LanguageFile chinese = Sections(LangPath("Chinese.Ini"));
        // Texts that stay as they are in every language.
        const QStringList universal{"", "X", "LM-418T", "DTMF", "DTMF(&D)"};
        QCOMPARE(chinese.size(), english.size());
        for (const auto& [section, keys] : english) {
            QVERIFY2(chinese.count(section), qPrintable(section));
            const Section& zh = chinese.at(section);
            QCOMPARE(zh.size(), keys.size());
            for (const auto& [key, text] : keys) {
                QVERIFY2(zh.count(key), qPrintable(section + "/" + key));
                const QString value = zh.at(key);
                QVERIFY2(HasChinese(value) || universal.contains(value),
                         qPrintable(section + "/" + key + " is not Chinese: " + value));
                // An accelerator of the English text is kept, in the form "text(&K)".
                const qsizetype amp = text.indexOf('&');
                if (amp >= 0 && HasChinese(value)) {
                    QVERIFY2(value.endsWith("(&" + text.mid(amp + 1, 1).toUpper() + ")"),
                             qPrintable(section + "/" + key + ": " + value));
                }
            }
        }
    }

    void chineseTranslatesTheMainWindowAndEveryDialog() {
        lmtest::ShellFixture f;
        const std::string settings = lmtest::WriteFile(f.dir(), "SysInfo.Ini", "");
        const std::string chinese = LangPath("Chinese.Ini").toStdString();
        const LanguageFile zh = Sections(LangPath("Chinese.Ini"));
        std::vector<std::pair<QString, std::unique_ptr<QWidget>>> windows;
        for (const WindowMaker& m : Dialogs(settings)) windows.emplace_back(m.section, m.make());
        std::vector<std::pair<QString, QWidget*>> all{{"fMainFrm", &f.main()}};
        for (auto& [section, w] : windows) all.emplace_back(section, w.get());
        for (const auto& [section, window] : all) {
            lm::TranslateFormFromFile(window, chinese, true);
            const Section after = Texts(window);
            for (const auto& [key, value] : zh.at(section)) {
                if (!after.count(key)) continue;  // a list's item that this window does not hold now
                QVERIFY2(after.at(key) == value, qPrintable(section + "/" + key + ": " + after.at(key)));
            }
        }
    }
};

LM_GUI_TEST(ShippedLanguagesTest)
#include "shipped_languages_test.moc"
