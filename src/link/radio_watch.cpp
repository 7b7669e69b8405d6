#include "link/radio_watch.h"

#include <algorithm>
#include <utility>

namespace lm::link {

RadioWatch::RadioWatch(int portNumber, RandomSource random)
    : portNumber_(portNumber), random_(std::move(random)) {}

Actions RadioWatch::Start(Waiting what) {
    waiting_ = what;
    polling_ = true;
    silent_ = 0;
    seen_ = Seen::Nothing;
    return Poll();
}

Actions RadioWatch::Poll() {
    answered_ = false;
    std::vector<std::uint8_t> frame(kWakeLetters.begin(), kWakeLetters.end());
    frame.push_back(ChooseKeyByte(portNumber_, random_));
    return {PurgeBuffers{}, SendBytes{std::move(frame)}, StartTimer{kPollTimer, kPollMs}};
}

Actions RadioWatch::BytesReceived(std::span<const std::uint8_t> bytes) {
    if (!polling_ || std::find(bytes.begin(), bytes.end(), kAckByte) == bytes.end()) return {};
    answered_ = true;
    if (waiting_ == Waiting::ForRemoval) return {};
    polling_ = false;
    seen_ = Seen::Arrived;
    return {StopTimer{kPollTimer}};
}

Actions RadioWatch::TimerExpired(int id) {
    if (!polling_ || id != kPollTimer) return {};
    if (waiting_ == Waiting::ForRemoval) {
        silent_ = answered_ ? 0 : silent_ + 1;
        if (silent_ >= kSilentPolls) {
            polling_ = false;
            seen_ = Seen::Removed;
            return {};
        }
    }
    return Poll();
}

RadioWatch::Seen RadioWatch::TakeSeen() { return std::exchange(seen_, Seen::Nothing); }

}  // namespace lm::link
