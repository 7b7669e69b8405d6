#pragma once
// Drives a transfer engine with a fake clock and a scripted radio: sent frames go to the radio, its replies
// come back as notifications once the output has drained, timers expire in time order.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/models.h"
#include "core/state.h"
#include "link/actions.h"
#include "link/handshake.h"

namespace lm::link::test {

using Bytes = std::vector<std::uint8_t>;

// A radio that answers every frame correctly unless told otherwise.
struct ScriptedRadio {
    std::array<std::uint8_t, 528> memory{};
    std::string model = "LM41";
    std::uint8_t band = 0xFE;
    std::uint8_t area0 = 0x12, area1 = 0x34;
    std::array<std::uint8_t, 6> password{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::string silentAt;  // "wake", "ident", "confirm", "ack", "block"
    int silentBlock = -1;  // with "block": that block request / frame index
    bool wrongKey = false;
    bool wrongConfirm = false;
    bool strayBeforeAck = false;  // a stray byte before the wake-up acknowledgement
    bool strayOnly = false;       // a stray byte instead of the acknowledgement
    int shortBlock = -1;          // read: 19 bytes for this block
    int nakAfter = -1;         // read: 0x15 for the acknowledgement after this block; write: for this frame
    std::size_t fragment = 0;  // split replies into pieces of this size
    Bytes extraAfterIdent;     // bytes appended to the ident reply in the same notification
    std::uint8_t key = 0;
    int blocksRead = 0, framesWritten = 0;
    std::vector<int> writeAddresses;
    std::vector<std::string> log;

    void SetPassword(const std::string& digits, std::uint8_t mask);
    std::vector<Bytes> Receive(const Bytes& frame);
};

struct Harness {
    explicit Harness(TransferEngine& transfer) : engine(transfer) {}

    TransferEngine& engine;
    ScriptedRadio* radio = nullptr;
    long now = 0;
    std::map<int, long> timers;  // id -> deadline
    bool drainPending = false;
    int messagesOpen = 0;
    bool autoCloseMessages = true;
    std::deque<Bytes> inbox;
    std::vector<Bytes> sent;
    std::vector<std::pair<long, std::string>> trace;  // time, Describe(action)
    std::vector<ShowMessage> messages;
    std::vector<Finished> finished;
    std::vector<SetProgress> progress;
    bool closed = false;
    bool okEnabled = true;

    void Apply(const Actions& actions);
    // Runs until nothing is pending or the clock passes limitMs.
    void Run(long limitMs = 120000, const std::function<bool()>& stop = {});
    bool Has(const std::string& line) const;
    long TimeOf(const std::string& line) const;  // first time the line was traced, -1 if never
    std::string LastMessage() const { return messages.empty() ? "" : messages.back().key; }
};

// Resets a state record to the default model and a new image, and the session to a fixed key.
void ResetState(TALL& state, TransferSession& session);
// A random source that gives the values in turn (cycling).
RandomSource Sequence(std::vector<int> values);

}  // namespace lm::link::test
