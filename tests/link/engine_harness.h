#pragma once
// Drives a transfer engine with a fake clock and the simulated radio: sent frames go to the radio, its
// replies come back as notifications once the output has drained, timers expire in time order.
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
#include "link/sim/radio.h"

namespace lm::link::test {

using Bytes = std::vector<std::uint8_t>;

// The simulated radio as the tests start from: the given memory, model code LM41, band code 0xFE, area code
// 0x1234 and no password; faults as given.
sim::Radio TestRadio(const sim::Memory& memory = {}, const sim::Faults& faults = {});
// The addresses of the write frames the radio took, in order.
std::vector<int> WriteAddresses(const sim::Radio& radio);
// How many lines of the radio's log start with word ("wake", "ident", "confirm" ...).
long LogCount(const sim::Radio& radio, const std::string& word);

struct Harness {
    explicit Harness(TransferEngine& transfer) : engine(transfer) {}

    TransferEngine& engine;
    sim::Radio* radio = nullptr;
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
