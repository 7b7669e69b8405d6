#pragma once
// The event loop of the link commands: the one application object of the process, and a watch on how long the
// loop is kept from turning.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <string>

namespace lm::cli {

// The process's application object, made by the first scope and gone with it; Qt's change of the C locale is
// undone. Every Qt object of the link commands lives inside such a scope.
class EventLoopScope {
public:
    EventLoopScope();
    ~EventLoopScope();
    EventLoopScope(const EventLoopScope&) = delete;
    EventLoopScope& operator=(const EventLoopScope&) = delete;

private:
    std::unique_ptr<QCoreApplication> app_;
};

// Measures the event loop's longest lateness with a 5 ms timer, from Start() on.
class StallProbe {
public:
    StallProbe();
    void Start();
    std::int64_t LongestUs() const { return longestUs_; }

    static constexpr int kProbeMs = 5;

private:
    QTimer timer_;
    QElapsedTimer clock_;
    std::int64_t lastUs_ = 0;
    std::int64_t longestUs_ = 0;
};

// Milliseconds with one decimal from microseconds ("12.3 ms"), without floating point.
std::string Ms(std::int64_t us);

}  // namespace lm::cli
