#pragma once
// A simulated radio served on a pseudo-terminal from a thread of the test.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <thread>

#include "link/sim/radio.h"
#include "simulator/pty_runner.h"

namespace lm::test {

class SimThread {
public:
    SimThread(const sim::Memory& memory, const sim::Faults& faults, sim::RunnerOptions options = Unpaced())
        : radio_(memory, faults), runner_(std::make_unique<sim::PtyRunner>(radio_, options)) {}
    ~SimThread() { Stop(); }

    static sim::RunnerOptions Unpaced() {
        sim::RunnerOptions o;
        o.paced = false;
        return o;
    }
    sim::Radio& radio() { return radio_; }
    // Opens the terminal and serves it; the radio must not be touched until Stop().
    std::string Start() {
        std::string error;
        if (!runner_->Open(error)) return {};
        thread_ = std::thread([this] { runner_->Run(); });
        return runner_->DevicePath();
    }
    // The radio taken off the cable (false) or put back (true), while it is served.
    void SetAttached(bool attached) { runner_->SetAttached(attached); }
    // Handles what has been received so far and ends the thread.
    void Stop() {
        if (!thread_.joinable()) return;
        runner_->Stop();
        thread_.join();
    }

private:
    sim::Radio radio_;
    std::unique_ptr<sim::PtyRunner> runner_;
    std::thread thread_;
};

// Runs the event loop until done() or the time is up; false on time-out.
inline bool SpinUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

}  // namespace lm::test
