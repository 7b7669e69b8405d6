#pragma once
// The registration macro of this program's QtTest classes and helpers shared by them.
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <string>
#include <vector>

#include "globals/globals.h"
#include "gui_common/test_registry.h"

namespace lmtest {

// Writes bytes to a file; returns the path.
using guitest::WriteFile;
std::string ReadFile(const std::string& path);

// A fresh program state in a temporary folder: band table, catalogue, built-in messages, default model and a
// new image; gAll.AppDir is the folder.
void ResetProgramState(const QString& appDir);

}  // namespace lmtest

#define LM_GUI_TEST(Class) \
    static const int lm_registered_##Class = ::guitest::RegisterTest(#Class, [] { return new Class; });
