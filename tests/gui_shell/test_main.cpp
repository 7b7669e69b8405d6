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
#include "gui_test.h"
#include "shell_fixture.h"
#include "shell/config/language.h"

namespace lmtest {

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

std::string WriteFile(const QString& dir, const QString& name, const std::string& text) {
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path.toStdString();
}

std::string ReadFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll().toStdString();
}

void ResetProgramState(const QString& appDir) {
    lm::gAll = lm::TALL{};
    lm::gAll.AppDir = QDir(appDir).absolutePath().toStdString() + "/";
    lm::gAll.CurrentChannel = 1;
    lm::gAll.PortName = "COM1";
    lm::gAll.HelpName = "QX";
    lm::gAll.LanguageName = "English";
    lm::FillBandTable();
    lm::FillCatalogue();
    lm::gLanguage = lm::TLanguage{};
    const lm::TMacType* first = lm::gMacList.Get(0);
    lm::SelectModel(first->ModelCode, 0, false);
    lm::NewImage();
    lm::gAll.Modified = false;
}

}  // namespace lmtest

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // "-only Name" runs one class; other arguments go to QtTest.
    QStringList args = app.arguments();
    QString only;
    if (const int i = static_cast<int>(args.indexOf("-only")); i >= 0 && i + 1 < args.size()) {
        only = args[i + 1];
        args.remove(i, 2);
    }
    int failed = 0;
    for (auto& [name, factory] : lmtest::Registry()) {
        if (!only.isEmpty() && only != QString::fromStdString(name)) continue;
        std::unique_ptr<QObject> test(factory());
        if (QTest::qExec(test.get(), args) != 0) {
            ++failed;
            std::fprintf(stderr, "FAILED: %s\n", name.c_str());
        }
        lmtest::CancelPendingModals();
    }
    return failed;
}
