#include "engine_harness.h"

#include <algorithm>
#include <memory>

namespace lm::link::test {

sim::Radio TestRadio(const sim::Memory& memory, const sim::Faults& faults) {
    sim::Memory plain = memory;
    std::fill(plain.begin() + sim::kPasswordAddress, plain.begin() + sim::kPasswordAddress + 6, 0xFF);
    sim::Radio radio(plain, faults);
    radio.SetModelCode("LM41");
    radio.SetBandCode(0xFE);
    radio.SetAreaCode(0x1234);
    return radio;
}

std::vector<int> WriteAddresses(const sim::Radio& radio) {
    std::vector<int> addresses;
    for (const std::string& line : radio.log())
        if (line.starts_with("write 0x")) addresses.push_back(std::stoi(line.substr(8), nullptr, 16));
    return addresses;
}

long LogCount(const sim::Radio& radio, const std::string& word) {
    return std::count_if(radio.log().begin(), radio.log().end(), [&](const std::string& line) {
        return line == word || line.starts_with(word + " ");
    });
}

void Harness::Apply(const Actions& actions) {
    for (const Action& action : actions) {
        trace.emplace_back(now, Describe(action));
        if (auto* send = std::get_if<SendBytes>(&action)) {
            sent.push_back(send->bytes);
            if (radio) {
                for (auto& piece : radio->Receive(send->bytes, static_cast<std::uint64_t>(now)))
                    inbox.push_back(piece);
            }
        } else if (std::holds_alternative<WaitDrained>(action)) {
            drainPending = true;
        } else if (auto* start = std::get_if<StartTimer>(&action)) {
            timers[start->id] = now + start->ms;
        } else if (auto* stop = std::get_if<StopTimer>(&action)) {
            timers.erase(stop->id);
        } else if (std::holds_alternative<PurgeBuffers>(action)) {
            inbox.clear();
        } else if (auto* message = std::get_if<ShowMessage>(&action)) {
            messages.push_back(*message);
            ++messagesOpen;
        } else if (auto* done = std::get_if<Finished>(&action)) {
            finished.push_back(*done);
        } else if (auto* p = std::get_if<SetProgress>(&action)) {
            progress.push_back(*p);
        } else if (auto* ok = std::get_if<EnableOk>(&action)) {
            okEnabled = ok->enabled;
        } else if (std::holds_alternative<CloseDialog>(action)) {
            closed = true;
            timers.clear();
        }
    }
}

void Harness::Run(long limitMs, const std::function<bool()>& stop) {
    while (!closed && now <= limitMs && !(stop && stop())) {
        if (drainPending) {
            drainPending = false;
            Apply(engine.OutputDrained());
        } else if (messagesOpen > 0 && autoCloseMessages) {
            --messagesOpen;
            Apply(engine.MessageClosed());
        } else if (!inbox.empty()) {
            Bytes piece = inbox.front();
            inbox.pop_front();
            Apply(engine.BytesReceived(piece));
        } else if (!timers.empty()) {
            auto next = std::min_element(timers.begin(), timers.end(),
                                         [](auto& a, auto& b) { return a.second < b.second; });
            const int id = next->first;
            now = std::max(now, next->second);
            timers.erase(next);
            Apply(engine.TimerExpired(id));
        } else {
            break;
        }
    }
}

bool Harness::Has(const std::string& line) const { return TimeOf(line) >= 0; }

long Harness::TimeOf(const std::string& line) const {
    for (auto& [t, text] : trace) {
        if (text == line) return t;
    }
    return -1;
}

void ResetState(TALL& state, TransferSession& session) {
    state = TALL{};
    session = TransferSession{};
    SelectModel(state, "LM41", 0, false);
    NewImageAt(state, "2026-01-02 03:04:05");
    session.SessionKeyText = "K3y-0f-S3ss10n!";
    state.Modified = false;
}

RandomSource Sequence(std::vector<int> values) {
    auto state = std::make_shared<std::pair<std::vector<int>, std::size_t>>(std::move(values), 0);
    return [state](int bound) {
        const int v = state->first[state->second++ % state->first.size()];
        return v % bound;
    };
}

}  // namespace lm::link::test
