#pragma once
// Puts a simulated radio behind a pseudo-terminal, so that a program opens it like a serial port.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>

#include "link/sim/radio.h"

namespace lm::sim {

struct RunnerOptions {
    std::string linkPath;   // optional symbolic link to the device
    bool paced = true;      // 10 bits per byte at 9600 baud, both ways
    int turnaroundMs = 0;   // extra time the radio takes before it answers
    int fragmentGapMs = 5;  // pause between the pieces of a reply split into fragments
    std::string savePath;   // data file written after every session that wrote blocks
    bool verbose = false;   // trace of the frames on standard error
};

class PtyRunner {
public:
    PtyRunner(Radio& radio, RunnerOptions options);
    ~PtyRunner();
    PtyRunner(const PtyRunner&) = delete;
    PtyRunner& operator=(const PtyRunner&) = delete;

    // Creates the pseudo-terminal (raw, 9600 8N1) and the link. False with a message on failure.
    bool Open(std::string& error);
    // The path to give the program: the link when there is one, otherwise the terminal device.
    const std::string& DevicePath() const { return linkPath_.empty() ? devicePath_ : linkPath_; }
    // Serves the radio until Stop() or until the device vanishes. Returns 0, or 1 when saving failed.
    int Run();
    // Ends Run() from another thread or a signal handler, after the bytes already received are handled.
    void Stop();
    // The radio taken off the cable (false) and put back (true), from any thread or a signal handler: while
    // it is off, what the program sends is lost and nothing answers; put back, it drops an unfinished frame.
    void SetAttached(bool attached) { attached_ = attached; }
    void ToggleAttached() { attached_ = !attached_; }

private:
    using Clock = std::chrono::steady_clock;
    struct Timed {
        Clock::time_point due;
        Bytes bytes;
    };
    void ReadInput(Clock::time_point now);
    void DeliverDue(Clock::time_point now, bool all);
    void WriteDue(Clock::time_point now);
    void Queue(const std::vector<Bytes>& pieces, Clock::time_point ready);
    bool SaveIfWritten();
    void CloseAll();

    Radio& radio_;
    RunnerOptions options_;
    int master_ = -1;
    int slave_ = -1;  // held open so that the terminal lives between the program's sessions
    int wakePipe_[2] = {-1, -1};
    std::string devicePath_;
    std::string linkPath_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> attached_{true};
    bool wasDetached_ = false;
    std::deque<Timed> input_;   // bytes received, each due when its last bit has arrived on the wire
    std::deque<Timed> output_;  // bytes to send, each due when it has been on the wire
    Clock::time_point inFree_{};
    Clock::time_point outFree_{};
    Clock::time_point start_ = Clock::now();
    bool saveFailed_ = false;
};

}  // namespace lm::sim
