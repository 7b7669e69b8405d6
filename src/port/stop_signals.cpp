#include "port/stop_signals.h"

#include <QSocketNotifier>
#include <csignal>

#ifdef __linux__
#include <sys/signalfd.h>
#include <unistd.h>
#endif

namespace lm {

#ifdef __linux__

namespace {

sigset_t StopSet() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
    const sigset_t set = StopSet();
    if (pthread_sigmask(SIG_BLOCK, &set, nullptr) != 0) return;
    fd_ = signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0) {
        pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &StopSignals::Read);
}

StopSignals::~StopSignals() {
    notifier_.reset();
    if (fd_ < 0) return;
    // A signal that came after the run's last turn of the event loop keeps its usual effect: raised again
    // once it is no longer blocked.
    disconnect(this, nullptr, nullptr, nullptr);
    const int before = received_;
    Read();
    close(fd_);
    const sigset_t set = StopSet();
    pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
    if (before == 0 && received_ != 0) raise(received_);
}

void StopSignals::Read() {
    signalfd_siginfo info{};
    while (read(fd_, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
        const int signal = static_cast<int>(info.ssi_signo);
        if (received_ != 0) continue;
        received_ = signal;
        emit stopRequested(signal);
    }
}

#else

StopSignals::StopSignals(QObject* parent) : QObject(parent) {}
StopSignals::~StopSignals() = default;
void StopSignals::Read() {}

#endif

}  // namespace lm
