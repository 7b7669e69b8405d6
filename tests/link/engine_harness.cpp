#include "engine_harness.h"

#include <algorithm>
#include <memory>

namespace lm::link::test {

void ScriptedRadio::SetPassword(const std::string& digits, std::uint8_t mask) {
    password.fill(0xFF);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        std::uint8_t& b = password[1 + i / 2];
        const int d = digits[i] - '0';
        b = i % 2 == 0 ? static_cast<std::uint8_t>((b & 0x0F) | (d << 4))
                       : static_cast<std::uint8_t>((b & 0xF0) | d);
    }
    password[0] = mask;
    for (int i = 1; i < 6; ++i) password[i] ^= mask;
}

std::vector<Bytes> ScriptedRadio::Receive(const Bytes& f) {
    Bytes reply;
    if (f.size() == 8 && f[0] == 'P') {
        // A new session: the identification block of the memory holds what the fields say.
        memory[432] = 'P';
        std::copy(model.begin(), model.begin() + 4, memory.begin() + 433);
        memory[437] = band;
        memory[440] = area0;
        memory[441] = area1;
        std::copy(password.begin(), password.end(), memory.begin() + 442);
        key = f[7];
        log.push_back("wake");
        if (silentAt == "wake") return {};
        if (strayOnly) return {{0x33}};
        reply = strayBeforeAck ? Bytes{0x33, 0x06} : Bytes{0x06};
    } else if (f.size() == 1 && f[0] == 0x02) {
        log.push_back("ident");
        if (silentAt == "ident") return {};
        reply = {'P',
                 static_cast<std::uint8_t>(model[0]),
                 static_cast<std::uint8_t>(model[1]),
                 static_cast<std::uint8_t>(model[2]),
                 static_cast<std::uint8_t>(model[3]),
                 band,
                 static_cast<std::uint8_t>(wrongKey ? SwapHalves(key) ^ 0x01 : SwapHalves(key)),
                 0,
                 area0,
                 area1};
        reply.insert(reply.end(), password.begin(), password.end());
        reply.insert(reply.end(), extraAfterIdent.begin(), extraAfterIdent.end());
    } else if (f.size() == 16) {
        log.push_back("confirm");
        if (silentAt == "confirm") return {};
        // The radio's own arithmetic, written out independently of the engine.
        const auto* d = f.data();
        auto sw = [](int x) { return ((x << 4) | (x >> 4)) & 0xFF; };
        int sum = d[1] + (d[2] >> 1) + ((2 * d[3]) & 0xFF) + d[4] + sw(d[5]) + (255 - d[6]) + (d[7] & 0x0F) +
                  d[8] + ((2 * d[9]) & 0xFF) + (d[10] >> 1) + d[11] + (255 - d[12]) + sw(d[13]) +
                  (d[14] & 0xF0);
        reply = {static_cast<std::uint8_t>((sum + (wrongConfirm ? 1 : 0)) & 0xFF)};
    } else if (f.size() == 1 && f[0] == 0x06) {
        log.push_back("ack");
        if (silentAt == "ack") return {};
        reply = {static_cast<std::uint8_t>(nakAfter >= 0 && nakAfter == blocksRead - 1 ? 0x15 : 0x06)};
    } else if (f.size() == 4 && f[0] == 'R') {
        const int address = f[1] * 256 + f[2];
        const int block = address / 16;
        ++blocksRead;
        log.push_back("read " + std::to_string(address));
        if (silentAt == "block" && silentBlock == block) return {};
        reply = {'W', f[1], f[2], 0x10};
        reply.insert(reply.end(), memory.begin() + address, memory.begin() + address + 16);
        if (block == shortBlock) reply.pop_back();
    } else if (f.size() == 12 && f[0] == 'W') {
        const int address = f[1] * 256 + f[2];
        const int frame = address / 8;
        log.push_back("write " + std::to_string(address));
        writeAddresses.push_back(address);
        if (silentAt == "block" && silentBlock == frame) return {};
        std::copy(f.begin() + 4, f.end(), memory.begin() + address);
        ++framesWritten;
        reply = {static_cast<std::uint8_t>(frame == nakAfter ? 0x15 : 0x06)};
    } else if (f.size() == 1 && f[0] == 'E') {
        log.push_back("end");
        return {};
    } else {
        log.push_back("unknown");
        return {};
    }
    if (fragment == 0) return {reply};
    std::vector<Bytes> pieces;
    for (std::size_t i = 0; i < reply.size(); i += fragment) {
        pieces.emplace_back(reply.begin() + i, reply.begin() + std::min(reply.size(), i + fragment));
    }
    return pieces;
}

void Harness::Apply(const Actions& actions) {
    for (const Action& action : actions) {
        trace.emplace_back(now, Describe(action));
        if (auto* send = std::get_if<SendBytes>(&action)) {
            sent.push_back(send->bytes);
            if (radio) {
                for (auto& piece : radio->Receive(send->bytes)) inbox.push_back(piece);
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
