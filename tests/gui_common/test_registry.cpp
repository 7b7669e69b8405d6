#include "gui_common/test_registry.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <cstdio>
#include <map>
#include <memory>

namespace guitest {
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

int RunRegisteredTests(QStringList args, const std::function<void()>& afterEach) {
    QString only;
    if (const int i = static_cast<int>(args.indexOf("-only")); i >= 0 && i + 1 < args.size()) {
        only = args[i + 1];
        args.remove(i, 2);
    }
    int failed = 0;
    for (auto& [name, factory] : Registry()) {
        if (!only.isEmpty() && only != QString::fromStdString(name)) continue;
        std::unique_ptr<QObject> test(factory());
        if (QTest::qExec(test.get(), args) != 0) {
            ++failed;
            std::fprintf(stderr, "FAILED: %s\n", name.c_str());
        }
        if (afterEach) afterEach();
    }
    return failed;
}

std::string WriteFile(const QString& dir, const QString& name, const std::string& text) {
    const QString path = QDir(dir).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return {};
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path.toStdString();
}

}  // namespace guitest
