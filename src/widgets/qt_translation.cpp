#include "widgets/qt_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace lm {

namespace {

struct LanguageLocale {
    const char* language;
    const char* locale;
};
constexpr LanguageLocale kLocales[] = {{"Chinese", "zh_CN"}};

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

std::string QtLocaleOf(const std::string& languageName) {
    for (const LanguageLocale& l : kLocales)
        if (QString::fromStdString(languageName).compare(l.language, Qt::CaseInsensitive) == 0)
            return l.locale;
    return {};
}

bool InstallQtTranslation(const std::string& languageName) {
    if (Installed()) {
        QCoreApplication::removeTranslator(Installed().get());
        Installed().reset();
    }
    const std::string locale = QtLocaleOf(languageName);
    if (locale.empty()) return false;
    auto translator = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QString("qtbase_") + QString::fromStdString(locale), folder)) return false;
    QCoreApplication::installTranslator(translator.get());
    Installed() = std::move(translator);
    return true;
}

}  // namespace lm
