#pragma once
// A main window on a fresh program state in a temporary folder, with probe editor windows and scripted
// message boxes and file dialogs.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "gui_common/scripted_files.h"
#include "gui_common/scripted_messages.h"
#include "gui_common/scripted_printer.h"
#include "gui_test.h"
#include "shell/child_windows.h"
#include "shell/main_frm.h"
#include "widgets/file_dialogs.h"
#include "widgets/message_box.h"
#include "windows/print/print_sheet.h"

namespace lmtest {

// An editor window that counts what the main window asks of it and what it hears from the document: the
// channels steps changed (rows) and the moves of the cursor (loads).
class ProbeWindow : public QWidget, public lm::EditorHooks {
public:
    ProbeWindow(int kind, lm::TDocument& document) : kind_(kind), document_(document) {
        setObjectName(QString("probe%1").arg(kind));
        listener_ = document_.AddListener([this](const lm::DocumentEvent& e) {
            if (e.kind == lm::DocumentEventKind::Moved) ++loads;
            rows.insert(rows.end(), e.change.channels.begin(), e.change.channels.end());
        });
    }
    ~ProbeWindow() override { document_.RemoveListener(listener_); }
    void LeaveEditing() override { ++leaves; }
    int kind() const { return kind_; }
    std::vector<int> rows;
    int loads = 0;
    int leaves = 0;

private:
    int kind_;
    lm::TDocument& document_;
    int listener_ = 0;
};

// Puts probe windows in place of every editor window kind while it lives.
class ProbeWindows {
public:
    ProbeWindows();
    ~ProbeWindows();

private:
    std::map<int, lm::ChildWindowFactory> saved_;
};

// Runs `act` on the next modal dialog as soon as it is shown (polling the event loop).
void OnNextModal(std::function<void(QWidget*)> act);
// Rejects the next modal dialog.
void RejectNextModal();
// Drops the pollers whose dialog never came (a failed test), so that they do not act in the next test.
void CancelPendingModals();

class ShellFixture {
public:
    ShellFixture();
    ~ShellFixture();
    lm::TfMainFrm& main() { return *main_; }
    QString dir() const { return dir_.path(); }
    std::string path(const char* name) const { return (dir_.path() + "/" + name).toStdString(); }
    lm::ScriptedMessages messages;
    lm::ScriptedFiles files;
    lm::ScriptedPrinter printer{""};  // Print and Print Preview answered with Cancel

private:
    QTemporaryDir dir_;
    ProbeWindows probes_;
    std::unique_ptr<lm::TfMainFrm> main_;
};

}  // namespace lmtest
