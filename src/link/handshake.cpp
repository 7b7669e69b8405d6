#include "link/handshake.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <utility>

#include "core/state.h"

namespace lm::link {

std::uint8_t ChooseKeyByte(int portNumber, const RandomSource& random) {
    if (portNumber >= 1 && portNumber <= 9) return static_cast<std::uint8_t>(portNumber + 96);
    int r = random ? random(5) : std::rand() % 5;
    r = std::clamp(r, 0, 4);
    return static_cast<std::uint8_t>(101 + r);
}

std::uint8_t ComputeConfirmFrame(const std::string& sessionKeyText, std::array<std::uint8_t, 16>& frame) {
    std::array<unsigned, 15> d{};
    for (std::size_t i = 0; i < d.size(); ++i) {
        d[i] = i < sessionKeyText.size() ? static_cast<std::uint8_t>(sessionKeyText[i]) : 0u;
        frame[i] = static_cast<std::uint8_t>(d[i]);
    }
    auto swap = [](unsigned x) { return ((x << 4) | (x >> 4)) & 0xFFu; };
    const unsigned check = (255 - d[5]) + d[1] + d[2] + d[8] + d[9] + (255 - d[11]) + d[12] + d[14];
    frame[15] = static_cast<std::uint8_t>(check & 0xFFu);
    const unsigned key = d[1] + (d[2] >> 1) + ((2 * d[3]) & 0xFFu) + d[4] + swap(d[5]) + (255 - d[6]) +
                         (d[7] & 0x0Fu) + d[8] + ((2 * d[9]) & 0xFFu) + (d[10] >> 1) + d[11] + (255 - d[12]) +
                         swap(d[13]) + (d[14] & 0xF0u);
    return static_cast<std::uint8_t>(key & 0xFFu);
}

std::string DecodePassword(const std::uint8_t* six) {
    if (std::all_of(six, six + 6, [](std::uint8_t b) { return b == 0xFF; })) return {};
    std::string text;
    for (int i = 1; i <= 5; ++i) {
        const std::uint8_t b = six[i] ^ six[0];
        for (int half : {b >> 4, b & 0x0F}) {
            if (half > 9) return text;
            text.push_back(static_cast<char>('0' + half));
        }
    }
    return text;
}

bool IsEncodablePassword(const std::string& text) {
    return text.size() <= 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::array<std::uint8_t, 6> EncodePassword(const std::string& text, const RandomSource& random) {
    if (!IsEncodablePassword(text)) throw std::invalid_argument("password must be 0 to 10 digits");
    std::array<std::uint8_t, 6> b{};
    b.fill(0xFF);
    for (std::size_t i = 1; i <= text.size(); ++i) {
        const int digit = text[i - 1] - '0';
        std::uint8_t& byte = b[1 + (i - 1) / 2];
        if (i % 2 == 1) {
            byte = static_cast<std::uint8_t>((byte & 0x0F) | (digit << 4));
        } else {
            byte = static_cast<std::uint8_t>((byte & 0xF0) | digit);
        }
    }
    int r = random ? random(127) : std::rand() % 127;
    r = std::clamp(r, 0, 126);
    if (r < 64) r ^= 0xAA;
    const auto mask = static_cast<std::uint8_t>(((r >> 2) | (r << 6)) & 0xFF);
    b[0] = mask;
    for (int i = 1; i <= 5; ++i) b[i] ^= mask;
    return b;
}

std::string TrimPassword(const std::string& text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    auto first = std::find_if_not(text.begin(), text.end(), blank);
    auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    return first < last ? std::string(first, last) : std::string();
}

// ---------------------------------------------------------------------------------------------------------------

TransferEngine::TransferEngine(const TransferSession& session, EngineOptions options)
    : session_(session), options_(std::move(options)) {}

int TransferEngine::Random(int bound) {
    const int r = options_.random ? options_.random(bound) : std::rand() % bound;
    return std::clamp(r, 0, bound - 1);
}

void TransferEngine::Emit(Action action) { build_->push_back(Op{Op::kEmit, std::move(action), {}}); }
void TransferEngine::Delay(int ms) { build_->push_back(Op{Op::kDelay, StartTimer{kDelay, ms}, {}}); }
void TransferEngine::Then(std::function<void()> step) {
    build_->push_back(Op{Op::kCall, {}, std::move(step)});
}

void TransferEngine::Message(const MessageText& message, std::string detail) {
    build_->push_back(Op{Op::kMessage, ShowMessage{message.key, message.text, std::move(detail)}, {}});
}

void TransferEngine::SendFrame(std::vector<std::uint8_t> bytes, int expected, bool awaitingAck) {
    expected_ = expected;
    awaitingAck_ = awaitingAck;
    rxCount_ = 0;
    Emit(SendBytes{std::move(bytes)});
    build_->push_back(Op{Op::kDrain, WaitDrained{}, {}});
}

void TransferEngine::SendEnd() { SendFrame({kEndByte}, 0, false); }

void TransferEngine::SendAck() {
    SendFrame({kAckByte}, 1, true);
    Start(kTryTime, kTryTimeMs);
}

void TransferEngine::Fail(const MessageText& message, int afterTimer, std::string detail) {
    Message(message, std::move(detail));
    const std::string key = message.key;
    Then([this, key, afterTimer] {
        running_ = false;
        Emit(Finished{Outcome::Failed, key});
        if (afterTimer == kCloseTime) Start(kCloseTime, kCloseTimeMs);
        if (afterTimer == kBackTime) Start(kBackTime, kBackTimeMs);
    });
}

void TransferEngine::BeginHandshake() {
    running_ = true;
    starting_ = true;
    Delay(kBeforePurgeMs);
    Then([this] {
        Emit(PurgeBuffers{});
        Delay(kBeforeWakeMs);
        Then([this] { Wake(); });
    });
}

void TransferEngine::Wake() {
    keyByte_ = ChooseKeyByte(options_.portNumber, options_.random);
    state_ = kWakeSent;
    std::vector<std::uint8_t> frame(kWakeLetters.begin(), kWakeLetters.end());
    frame.push_back(keyByte_);
    SendFrame(std::move(frame), 1, false);
    Then([this] { starting_ = false; });
    Start(kHeadTime, kHeadTimeMs);
}

// --- the reply collection and the handshake -------------------------------------------------------------

void TransferEngine::Dispatch() {
    switch (state_) {
        case kWakeSent:
        case kIdentRequested:
        case kConfirmSent:
            Handshake();
            break;
        case kBlocks:
            if (interrupting_)
                EndInterrupted(rxBuffer_[0] == kAckByte || !awaitingAck_);
            else
                StepBlock();
            break;
        default:
            break;  // Idle: bytes are collected, not processed
    }
}

void TransferEngine::Handshake() {
    if (state_ == kWakeSent) {
        const bool acked =
            (rxCount_ >= 1 && rxBuffer_[0] == kAckByte) || (rxCount_ >= 2 && rxBuffer_[1] == kAckByte);
        if (!acked) return;
        Stop(kHeadTime);
        Delay(kBeforeIdentMs);
        Then([this] {
            state_ = kIdentRequested;
            SendFrame({kIdentRequest}, 16, false);
            Start(kHeadTime, kHeadTimeMs);
        });
    } else if (state_ == kIdentRequested) {
        Stop(kHeadTime);
        const IdentResult result = CheckIdent();
        if (result != kIdentOk) {
            state_ = kIdle;
            IdentFailed(result);
            return;
        }
        if (!ContinueAfterIdent()) return;
        state_ = kConfirmSent;
        std::array<std::uint8_t, 16> frame{};
        confirmKey_ = ComputeConfirmFrame(session_.SessionKeyText, frame);
        SendFrame(std::vector<std::uint8_t>(frame.begin(), frame.end()), 1, false);
        Start(kHeadTime, kHeadTimeMs);
    } else {
        Stop(kHeadTime);
        if (rxBuffer_[0] == confirmKey_) {
            state_ = kBlocks;
            ConfirmAnswered();
            blockIndex_ = -1;
            SendAck();
        } else {
            SendEnd();
            state_ = kIdle;
            Fail(kComError, kCloseTime);
        }
    }
}

void TransferEngine::HeadTimeExpired() {
    state_ = kIdle;
    if (errorShown_) return;
    errorShown_ = true;
    Delay(kTimeoutMessageMs);
    Fail(kComError, kCloseTime);
}

// --- inputs ---------------------------------------------------------------------------------------------

void TransferEngine::HandleEvent(const Event& event) {
    std::vector<Op> built;
    build_ = &built;
    switch (event.kind) {
        case Event::kBytes:
            for (std::uint8_t b : event.bytes) {
                if (rxCount_ <= kRxBufferSize - 1) rxBuffer_[rxCount_++] = b;
            }
            if (expected_ <= rxCount_ && rxCount_ <= kRxBufferSize - 1) {
                try {
                    Dispatch();
                } catch (...) {
                    built.clear();  // the transfer stays where it was
                }
            }
            break;
        case Event::kTimer: {
            auto it = std::find(active_.begin(), active_.end(), event.timer);
            if (it == active_.end()) break;  // stopped meanwhile
            active_.erase(it);
            if (event.timer == kHeadTime) {
                HeadTimeExpired();
            } else if (event.timer == kTryTime && interrupting_ && state_ == kBlocks) {
                EndInterrupted(false);
            } else {
                OnTimer(event.timer);
            }
            break;
        }
        case Event::kLineError:
            OnLineError();
            break;
        case Event::kMessageClosed:
            if (frames_.size() > 1) frames_.pop_back();
            break;
    }
    build_ = nullptr;
    Splice(built);
}

void TransferEngine::Splice(std::vector<Op>& built) {
    auto& top = frames_.back();
    top.insert(top.begin(), std::make_move_iterator(built.begin()), std::make_move_iterator(built.end()));
}

void TransferEngine::RunOp(Op op, Actions& out) {
    switch (op.kind) {
        case Op::kEmit: {
            if (auto* start = std::get_if<StartTimer>(&op.action)) {
                const int id = start->id;
                std::erase(active_, id);
                active_.push_back(id);
                std::erase_if(kept_,
                              [id](const Event& e) { return e.kind == Event::kTimer && e.timer == id; });
            } else if (auto* stop = std::get_if<StopTimer>(&op.action)) {
                const int id = stop->id;
                std::erase(active_, id);
                std::erase_if(kept_,
                              [id](const Event& e) { return e.kind == Event::kTimer && e.timer == id; });
            } else if (std::holds_alternative<PurgeBuffers>(op.action)) {
                std::erase_if(kept_, [](const Event& e) { return e.kind == Event::kBytes; });
            } else if (std::holds_alternative<CloseDialog>(op.action)) {
                closed_ = true;
            }
            out.push_back(std::move(op.action));
            break;
        }
        case Op::kDrain:
            out.push_back(WaitDrained{});
            wait_ = kDrainWait;
            break;
        case Op::kDelay:
            out.push_back(std::move(op.action));
            wait_ = kDelayWait;
            break;
        case Op::kMessage:
            out.push_back(std::move(op.action));
            frames_.emplace_back();  // what follows the message waits for MessageClosed
            break;
        case Op::kCall: {
            std::vector<Op> built;
            build_ = &built;
            op.call();
            build_ = nullptr;
            Splice(built);
            break;
        }
    }
}

Actions TransferEngine::Pump() {
    Actions out;
    while (!closed_ && wait_ == kNone) {
        auto& top = frames_.back();
        if (!top.empty()) {
            Op op = std::move(top.front());
            top.pop_front();
            RunOp(std::move(op), out);
        } else if (!kept_.empty()) {
            Event event = std::move(kept_.front());
            kept_.pop_front();
            HandleEvent(event);
        } else {
            break;
        }
    }
    if (closed_) {
        frames_.assign(1, {});
        kept_.clear();
        active_.clear();
    }
    return out;
}

Actions TransferEngine::Run(const std::function<void()>& handler) {
    if (closed_ || wait_ != kNone) return {};
    std::vector<Op> built;
    build_ = &built;
    handler();
    build_ = nullptr;
    Splice(built);
    return Pump();
}

Actions TransferEngine::BytesReceived(std::span<const std::uint8_t> bytes) {
    if (closed_ || bytes.empty()) return {};
    Event event{Event::kBytes, std::vector<std::uint8_t>(bytes.begin(), bytes.end()), 0};
    if (wait_ != kNone) {
        kept_.push_back(std::move(event));
        return {};
    }
    HandleEvent(event);
    return Pump();
}

Actions TransferEngine::TimerExpired(int id) {
    if (closed_) return {};
    if (id == kDelay) {
        if (wait_ != kDelayWait) return {};
        wait_ = kNone;
        return Pump();
    }
    Event event{Event::kTimer, {}, id};
    if (wait_ != kNone) {
        kept_.push_back(std::move(event));
        return {};
    }
    HandleEvent(event);
    return Pump();
}

Actions TransferEngine::LineError() {
    if (closed_) return {};
    Event event{Event::kLineError, {}, 0};
    if (wait_ != kNone) {
        kept_.push_back(std::move(event));
        return {};
    }
    HandleEvent(event);
    return Pump();
}

Actions TransferEngine::MessageClosed() {
    if (closed_) return {};
    Event event{Event::kMessageClosed, {}, 0};
    if (wait_ != kNone) {
        kept_.push_back(std::move(event));
        return {};
    }
    HandleEvent(event);
    return Pump();
}

Actions TransferEngine::OutputDrained() {
    if (closed_ || wait_ != kDrainWait) return {};
    wait_ = kNone;
    return Pump();
}

Actions TransferEngine::PortOpenFailed() {
    if (closed_) return {};
    wait_ = kNone;
    return Run([this] {
        if (errorShown_) {
            Start(kCloseTime, kCloseTimeMs);
            return;
        }
        errorShown_ = true;
        Fail(kPortError, kCloseTime);
    });
}

void TransferEngine::Abort() {
    frames_.back().clear();
    wait_ = kNone;
}

Actions TransferEngine::PortFailed() {
    if (closed_) return {};
    Abort();
    return Run([this] {
        if (starting_) {
            // Ok could not reach the port: PortError once, the dialog stays open.
            starting_ = false;
            if (std::find(active_.begin(), active_.end(), kHeadTime) != active_.end()) Stop(kHeadTime);
            state_ = kIdle;
            if (errorShown_) return;
            errorShown_ = true;
            Fail(kPortError, 0);
            return;
        }
        if (!running_) return;
        // The port failed in the middle of a transfer (the cable was pulled): end it instead of waiting
        // forever.
        for (int id : {kHeadTime, kTryTime}) {
            if (std::find(active_.begin(), active_.end(), id) != active_.end()) Stop(id);
        }
        state_ = kIdle;
        if (errorShown_) {
            running_ = false;
            Emit(Finished{Outcome::Failed, ""});
            Start(kCloseTime, kCloseTimeMs);
            return;
        }
        errorShown_ = true;
        Fail(kComError, kCloseTime);
    });
}

Actions TransferEngine::Interrupt() {
    if (closed_ || !running_) return {};
    framesAnswered_ = 0;
    if (state_ != kBlocks) return Cancel();
    interrupting_ = true;
    return {};
}

void TransferEngine::EndInterrupted(bool answered) {
    interrupting_ = false;
    framesAnswered_ = std::max(0, blockIndex_ + (answered ? 1 : 0));
    if (std::find(active_.begin(), active_.end(), kTryTime) != active_.end()) Stop(kTryTime);
    state_ = kIdle;
    SendEnd();
    Then([this] {
        running_ = false;
        Emit(Finished{Outcome::Cancelled, ""});
        Emit(CloseDialog{});
    });
}

Actions TransferEngine::Cancel() {
    if (closed_) return {};
    Actions out;
    for (int id : active_) out.push_back(StopTimer{id});
    if (wait_ == kDelayWait) out.push_back(StopTimer{kDelay});
    if (running_) out.push_back(Finished{Outcome::Cancelled, ""});
    out.push_back(CloseDialog{});
    running_ = false;
    starting_ = false;
    state_ = kIdle;
    closed_ = true;
    wait_ = kNone;
    frames_.assign(1, {});
    kept_.clear();
    active_.clear();
    return out;
}

}  // namespace lm::link
