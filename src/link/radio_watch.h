#pragma once
// Waiting for a radio on an idle port, without any I/O: the wake-up frame about once a second, and nothing
// else; an acknowledgement means a radio is there. It waits either for a radio to answer (to start its job)
// or for the radio just done to stop answering (it was taken off), so that the operator only swaps radios.
// The radio is never taken into a transfer: the wake-up frame only wakes it, and the next wake-up frame
// starts afresh.
#include <span>

#include "link/actions.h"
#include "link/handshake.h"

namespace lm::link {

class RadioWatch {
public:
    enum class Waiting { ForRadio, ForRemoval };
    enum class Seen { Nothing, Arrived, Removed };

    static constexpr int kPollTimer = 1;
    static constexpr int kPollMs = 1000;
    // Polls in a row without an answer after which a radio counts as taken off.
    static constexpr int kSilentPolls = 2;

    RadioWatch(int portNumber, RandomSource random);

    // Starts waiting: purge, the wake-up frame, the poll timer.
    Actions Start(Waiting what);
    Actions BytesReceived(std::span<const std::uint8_t> bytes);
    Actions TimerExpired(int id);
    // What was seen since the last call (once): a radio answered (waiting for one), or the radio stopped
    // answering (waiting for its removal). The watch then stops polling until Start.
    Seen TakeSeen();
    bool Polling() const { return polling_; }

private:
    Actions Poll();

    int portNumber_;
    RandomSource random_;
    Waiting waiting_ = Waiting::ForRadio;
    bool polling_ = false;
    bool answered_ = false;  // since the last wake-up frame
    int silent_ = 0;
    Seen seen_ = Seen::Nothing;
};

}  // namespace lm::link
