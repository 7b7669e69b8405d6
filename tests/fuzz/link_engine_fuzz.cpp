// Feeds both transfer engines a random mix of received bytes, correct radio answers, timer expiries, line
// errors, drain and message notices, port failures and cancels. Checks that nothing crashes or reads out of
// bounds (the sanitizers), that a read changes no state (a completed one hands over an outcome that applies
// to a loaded, modified image), and that a write changes only the identification, area, password and
// time-stamp bytes and never Modified.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/memory_map.h"
#include "core/models.h"
#include "core/state.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"

namespace {

using namespace lm;
using namespace lm::link;

struct Input {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;
    bool Empty() const { return pos >= size; }
    std::uint8_t Byte() { return pos < size ? data[pos++] : 0; }
};

// What a well-behaved radio answers to a frame, so that the fuzzer reaches the block phases.
std::vector<std::uint8_t> Answer(const std::vector<std::uint8_t>& f, std::uint8_t& key) {
    if (f.size() == 8) {
        key = f[7];
        return {0x06};
    }
    if (f.size() == 1 && f[0] == 0x02) {
        std::vector<std::uint8_t> r{'P', 'L', 'M', '4', '1', 0xF0, SwapHalves(key), 0, 0x12, 0x34};
        r.insert(r.end(), 6, 0xFF);
        return r;
    }
    if (f.size() == 16) {
        std::array<std::uint8_t, 16> frame{};
        return {ComputeConfirmFrame(std::string(f.begin(), f.begin() + 15), frame)};
    }
    if (f.size() == 1 && f[0] == 0x06) return {0x06};
    if (f.size() == 4 && f[0] == 'R') {
        std::vector<std::uint8_t> r(20, 0x5A);
        return r;
    }
    if (f.size() == 12) return {0x06};
    return {};
}

void Drive(TransferEngine& engine, Input& in, bool isRead, bool& completed) {
    std::vector<std::uint8_t> lastSent;
    std::uint8_t key = 0;
    int steps = 0;
    auto apply = [&](const Actions& actions) {
        for (const Action& a : actions) {
            if (auto* s = std::get_if<SendBytes>(&a)) lastSent = s->bytes;
            if (auto* f = std::get_if<Finished>(&a)) {
                if (f->outcome == Outcome::Completed && isRead) completed = true;
            }
            (void)Describe(a);
        }
    };
    while (!in.Empty() && !engine.Closed() && ++steps < 4000) {
        const std::uint8_t op = in.Byte();
        switch (op % 12) {
            case 0:
                if (isRead) {
                    apply(
                        static_cast<ReadTransfer&>(engine).Ok(std::string(1, static_cast<char>(in.Byte()))));
                } else {
                    const bool update = in.Byte() & 1;
                    std::string pw(in.Byte() % 13, static_cast<char>('0' + in.Byte() % 11));
                    apply(static_cast<WriteTransfer&>(engine).Ok("", update, pw));
                }
                break;
            case 1: {
                std::vector<std::uint8_t> bytes(in.Byte() % 64);
                for (auto& b : bytes) b = in.Byte();
                apply(engine.BytesReceived(bytes));
                break;
            }
            case 2:
            case 3:
            case 4:
                apply(engine.BytesReceived(Answer(lastSent, key)));
                break;
            case 5:
                apply(engine.TimerExpired(in.Byte() % 8));
                break;
            case 6:
                apply(engine.LineError());
                break;
            case 7:
            case 8:
                apply(engine.OutputDrained());
                apply(engine.TimerExpired(kDelay));
                break;
            case 9:
                apply(engine.MessageClosed());
                break;
            case 10:
                if (in.Byte() % 8 == 0) apply(engine.PortFailed());
                break;
            case 11:
                if (in.Byte() % 16 == 0) apply(engine.Cancel());
                if (in.Byte() % 16 == 0) apply(engine.PortOpenFailed());
                break;
        }
    }
}

void Reset(TALL& state, TransferSession& session) {
    state = TALL{};
    session = TransferSession{};
    SelectModel(state, "LM41", 0, false);
    NewImageAt(state, "2026-01-02 03:04:05");
    session.SessionKeyText = "0123456789ABCDE";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    const int port = in.Byte() % 12;
    auto random = [&in](int bound) { return static_cast<int>(in.Byte()) % bound; };

    TALL state;
    TransferSession session;
    Reset(state, session);
    const ImageBytes before = state.Image;
    bool completed = false;
    {
        ReadTransfer read(session, {port, random});
        Drive(read, in, true, completed);
        if (state.Image != before || state.Modified) std::abort();
        if (completed) {
            ApplyReadOutcome(state, session, read.Outcome());
            if (!state.Modified) std::abort();
        }
    }

    Reset(state, session);
    state.Modified = true;
    const ImageBytes image = state.Image;
    {
        WriteTransfer write(state, session, {port, random},
                            [] { return std::string("2026-12-09 10:11:12"); });
        bool unused = false;
        Drive(write, in, false, unused);
        for (int i = 0; i < kImageSize; ++i) {
            const bool allowed = i >= img::kIdentFirst && i < img::kWriteStamp + 7;
            if (!allowed && state.Image[i] != image[i]) std::abort();
        }
        if (!state.Modified) std::abort();
    }
    return 0;
}
