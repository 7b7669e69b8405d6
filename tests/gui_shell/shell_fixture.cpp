#include "shell_fixture.h"

#include <QDialog>

#include "shell/command_table.h"

namespace lmtest {

namespace {
constexpr int kKinds[] = {10, 11, 12, 13, 14, 15, 17, 19};
}

ProbeWindows::ProbeWindows() {
    for (int kind : kKinds) {
        if (const lm::ChildWindowFactory* f = lm::FindChildWindowFactory(kind)) saved_[kind] = *f;
        lm::RegisterChildWindow(
            kind, [kind](lm::TfMainFrm& main) { return new ProbeWindow(kind, main.Document()); });
    }
}

ProbeWindows::~ProbeWindows() {
    for (int kind : kKinds) {
        const auto it = saved_.find(kind);
        lm::RegisterChildWindow(kind, it == saved_.end() ? lm::ChildWindowFactory{} : it->second);
    }
}

namespace {
// Owns the pollers that still wait for their dialog, so that a test that ends without its dialog (it failed)
// can take them away before they act in the next test.
QObject& Pollers() {
    static QObject* owner = new QObject(qApp);
    return *owner;
}
}  // namespace

void CancelPendingModals() {
    for (QObject* poller : Pollers().children()) delete poller;
}

void OnNextModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer(&Pollers());
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

void RejectNextModal() {
    OnNextModal([](QWidget* w) {
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
    });
}

ShellFixture::ShellFixture() {
    ResetProgramState(dir_.path());
    main_ = std::make_unique<lm::TfMainFrm>(lmtest::Parts(), path("SysInfo.Ini"));
    main_->show();
}

ShellFixture::~ShellFixture() {
    CancelPendingModals();
    // Leave without questions: the window is destroyed, not closed.
    main_.reset();
}

}  // namespace lmtest
