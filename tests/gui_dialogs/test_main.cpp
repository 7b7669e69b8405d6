// Runs every registered QtTest class; the exit status is the number of failed classes.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <map>
#include <memory>

#include "core/models.h"
#include "core/state.h"
#include "dialog_test.h"
#include "shell/config/language.h"

namespace dlgtest {
namespace {
std::map<std::string, TestFactory>& Registry() {
    static std::map<std::string, TestFactory> tests;
    return tests;
}
}  // namespace

int RegisterTest(const char* name, TestFactory factory) {
    Registry()[name] = std::move(factory);
    return 0;
}

void WriteFile(const QString& dir, const QString& name, const std::string& text) {
    QFile file(QDir(dir).filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text.data(), qint64(text.size()));
}

void ResetProgramState(const QString& appDir) {
    lm::gAll = lm::TALL{};
    lm::gAll.AppDir = QDir(appDir).absolutePath().toStdString() + "/";
    lm::gAll.CurrentChannel = 1;
    lm::gAll.PortName = "COM1";
    lm::gAll.LanguageName = "English";
    lm::FillBandTable();
    lm::FillCatalogue();
    lm::FillSessionKeyText();
    lm::gLanguage = lm::TLanguage{};
    lm::SelectModel(lm::gMacList.Get(0)->ModelCode, 0, false);
    const auto [lo, hi] = lm::SplitBandText(lm::gAll.BandName);
    lm::gAll.BandMinMHz = lo;
    lm::gAll.BandMaxMHz = hi;
    lm::NewImage();
    lm::gAll.Modified = false;
}

}  // namespace dlgtest

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QString only;
    if (const int i = static_cast<int>(args.indexOf("-only")); i >= 0 && i + 1 < args.size()) {
        only = args[i + 1];
        args.remove(i, 2);
    }
    int failed = 0;
    for (auto& [name, factory] : dlgtest::Registry()) {
        if (!only.isEmpty() && only != QString::fromStdString(name)) continue;
        std::unique_ptr<QObject> test(factory());
        if (QTest::qExec(test.get(), args) != 0) {
            ++failed;
            std::fprintf(stderr, "FAILED: %s\n", name.c_str());
        }
    }
    return failed;
}
