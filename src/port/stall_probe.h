#pragma once
// A watch on how long the event loop is kept from turning: a 5 ms timer whose lateness is measured.
#include <QElapsedTimer>
#include <QTimer>
#include <cstdint>

namespace lm {

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

}  // namespace lm
