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
#include "shell/main_frm.h"
#include "windows/link/transfer_dialog.h"

namespace lmtest {

// Writes bytes to a file; returns the path.
using guitest::WriteFile;
std::string ReadFile(const std::string& path);

// A fresh program state in a temporary folder: band table, catalogue, built-in messages, default model and a
// new image; gPreferences.AppDir is the folder.
void ResetProgramState(const QString& appDir);
// The program's own state parts, as main() hands them to the main window.
// What the program's read and write work on: its radio, session and port.
inline lm::TransferTarget Target() { return {lm::gAll, lm::gSession, lm::gPreferences.PortName}; }
inline lm::ProgramParts Parts() { return {lm::gPreferences, lm::gSession, lm::gLanguage, lm::gDocument}; }

}  // namespace lmtest

#define LM_GUI_TEST(Class) \
    static const int lm_registered_##Class = ::guitest::RegisterTest(#Class, [] { return new Class; });
