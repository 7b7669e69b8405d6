#include "port/stall_probe.h"

namespace lm {

StallProbe::StallProbe() {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        const std::int64_t now = clock_.nsecsElapsed() / 1000;
        const std::int64_t late = now - lastUs_ - kProbeMs * 1000;
        if (late > longestUs_) longestUs_ = late;
        lastUs_ = now;
    });
}

void StallProbe::Start() {
    clock_.start();
    lastUs_ = 0;
    longestUs_ = 0;
    timer_.start(kProbeMs);
}

}  // namespace lm
