#pragma once
// Registry of the QtTest classes of this program and helpers shared by them.
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

namespace lmtest {

using TestFactory = std::function<QObject*()>;
int RegisterTest(const char* name, TestFactory factory);

// Writes bytes to a file; returns the path.
std::string WriteFile(const QString& dir, const QString& name, const std::string& text);
std::string ReadFile(const std::string& path);

// A fresh program state in a temporary folder: band table, catalogue, built-in messages, default model and a
// new image; gAll.AppDir is the folder.
void ResetProgramState(const QString& appDir);

}  // namespace lmtest

#define LM_GUI_TEST(Class) \
    static const int lm_registered_##Class = ::lmtest::RegisterTest(#Class, [] { return new Class; });
