#pragma once
// The registration macro of the dialog tests' QtTest classes and helpers shared by them.
#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <string>

#include "globals/globals.h"
#include "gui_common/scripted_messages.h"
#include "gui_common/test_registry.h"
#include "shell/main_frm.h"
#include "windows/link/transfer_dialog.h"

namespace dlgtest {

// A fresh program state with gPreferences.AppDir = appDir: band table, catalogue, built-in messages, the
// default model and a new image, English, not modified.
void ResetProgramState(const QString& appDir);
// The program's own state parts, as main() hands them to the main window.
// What the program's read and write work on: its radio, session and port.
inline lm::TransferTarget Target() { return {lm::gAll, lm::gSession, lm::gPreferences.PortName}; }
inline lm::ProgramParts Parts() { return {lm::gPreferences, lm::gSession, lm::gLanguage, lm::gDocument}; }
// Writes text to dir/name.
using guitest::WriteFile;

// The completion messages of a transfer with the simulated radio, which say that no radio was connected.
inline const std::string kReadOkSimulated = "Reading Completed.\n(Simulated radio)";
inline const std::string kWriteOkSimulated = "Writing Completed.\n(Simulated radio)";

// Runs the event loop until done() or the time is up; false on time-out.
inline bool SpinUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// Once a modal dialog of type T is up, runs act on it (polling the event loop of the modal dialog).
template <typename T>
void WhenModal(std::function<void(T*)> act, int tries = 500) {
    QTimer::singleShot(10, [act, tries] {
        if (auto* w = qobject_cast<T*>(QApplication::activeModalWidget())) {
            act(w);
        } else if (tries > 0) {
            WhenModal<T>(act, tries - 1);
        }
    });
}

}  // namespace dlgtest

#define DLG_TEST(Class) \
    static const int dlg_registered_##Class = ::guitest::RegisterTest(#Class, [] { return new Class; });
