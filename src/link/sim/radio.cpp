#include "link/sim/radio.h"

#include <algorithm>
#include <cstdio>

namespace lm::sim {
namespace {

constexpr std::uint8_t kWakeText[] = {'P', 'R', 'O', 'G', 'R', 'A', 'M'};
constexpr std::size_t kWakeBytes = 8;
constexpr std::size_t kConfirmBytes = 16;
constexpr std::size_t kReadRequestBytes = 4;
constexpr std::size_t kWriteFrameBytes = 12;
constexpr std::uint64_t kFrameGapMs = 1000;

std::string Hex(const char* what, int value) {
    char text[32];
    std::snprintf(text, sizeof text, "%s 0x%03x", what, value);
    return text;
}

// How many leading bytes of pending match the wake-up text; 7 or more means a full match of the text.
std::size_t WakePrefix(const Bytes& pending) {
    std::size_t n = 0;
    while (n < pending.size() && n < sizeof kWakeText && pending[n] == kWakeText[n]) ++n;
    return n;
}

}  // namespace

std::array<std::uint8_t, 6> EncodeRadioPassword(std::string_view digits, std::uint8_t mask) {
    std::array<std::uint8_t, 6> b{};
    b.fill(0xFF);
    for (std::size_t i = 0; i < digits.size() && i < 10; ++i) {
        const auto d = static_cast<std::uint8_t>((digits[i] - '0') & 0x0F);
        std::uint8_t& byte = b[1 + i / 2];
        byte = (i % 2 == 0) ? static_cast<std::uint8_t>((byte & 0x0F) | (d << 4))
                            : static_cast<std::uint8_t>((byte & 0xF0) | d);
    }
    b[0] = mask;
    for (int i = 1; i < 6; ++i) b[i] ^= mask;
    return b;
}

std::string DecodeRadioPassword(const std::uint8_t* six) {
    if (std::all_of(six, six + 6, [](std::uint8_t v) { return v == 0xFF; })) return {};
    std::string text;
    for (int i = 1; i < 6; ++i) {
        const std::uint8_t v = six[i] ^ six[0];
        for (const int half : {v >> 4, v & 0x0F}) {
            if (half > 9) return text;
            text.push_back(static_cast<char>('0' + half));
        }
    }
    return text;
}

std::uint8_t ConfirmCheckByte(const std::uint8_t* d) {
    const int sum = (255 - d[5]) + d[1] + d[2] + d[8] + d[9] + (255 - d[11]) + d[12] + d[14];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

std::uint8_t ConfirmAnswer(const std::uint8_t* d) {
    const int sum = d[1] + (d[2] >> 1) + ((2 * d[3]) & 0xFF) + d[4] + SwapHalves(d[5]) + (255 - d[6]) +
                    (d[7] & 0x0F) + d[8] + ((2 * d[9]) & 0xFF) + (d[10] >> 1) + d[11] + (255 - d[12]) +
                    SwapHalves(d[13]) + (d[14] & 0xF0);
    return static_cast<std::uint8_t>(sum & 0xFF);
}

Radio::Radio(const Memory& memory, const Faults& faults) : memory_(memory), faults_(faults) {
    memory_[kIdentAddress] = 'P';
}

void Radio::SetModelCode(std::string_view code) {
    for (int i = 0; i < 4; ++i)
        memory_[kIdentAddress + 1 + i] =
            i < static_cast<int>(code.size()) ? static_cast<std::uint8_t>(code[i]) : ' ';
}

void Radio::SetBandCode(std::uint8_t code) { memory_[kBandAddress] = code; }

void Radio::SetAreaCode(std::uint16_t code) {
    memory_[kAreaAddress] = static_cast<std::uint8_t>(code >> 8);
    memory_[kAreaAddress + 1] = static_cast<std::uint8_t>(code & 0xFF);
}

void Radio::SetPassword(std::string_view digits, std::uint8_t mask) {
    const auto enc = EncodeRadioPassword(digits, mask);
    std::copy(enc.begin(), enc.end(), memory_.begin() + kPasswordAddress);
}

bool Radio::TakeWriteSession() {
    const bool done = writeSessionDone_;
    writeSessionDone_ = false;
    return done;
}

std::vector<Bytes> Radio::Receive(std::span<const std::uint8_t> bytes, std::uint64_t nowMs) {
    std::vector<Bytes> out;
    if (vanished_) return out;
    if (!pending_.empty() && nowMs >= lastByteMs_ + kFrameGapMs) LineQuiet();
    lastByteMs_ = nowMs;
    pending_.insert(pending_.end(), bytes.begin(), bytes.end());
    while (!pending_.empty() && !vanished_ && HandleOne(out)) {
    }
    return out;
}

void Radio::LineQuiet() {
    if (pending_.empty()) return;
    if (state_ == State::Identified && pending_.size() == 1 && pending_[0] == 'E') {
        Note("end");
        state_ = State::Idle;
    } else {
        Note("incomplete frame discarded");
    }
    pending_.clear();
}

void Radio::Answer(std::vector<Bytes>& out, Bytes reply) const {
    const std::size_t piece =
        faults_.fragmentBytes > 0 ? static_cast<std::size_t>(faults_.fragmentBytes) : reply.size();
    for (std::size_t at = 0; at < reply.size(); at += piece)
        out.emplace_back(reply.begin() + at, reply.begin() + std::min(reply.size(), at + piece));
}

bool Radio::HandleOne(std::vector<Bytes>& out) {
    auto consume = [this](std::size_t n) { pending_.erase(pending_.begin(), pending_.begin() + n); };
    // A wake-up frame starts a new session in every state; inside the confirmation frame only when the whole
    // wake-up text is there.
    const std::size_t prefix = WakePrefix(pending_);
    const bool full = prefix == sizeof kWakeText;
    const bool partial = !full && prefix > 0 && prefix == pending_.size();
    if (full || (partial && state_ != State::Identified)) {
        if (pending_.size() < kWakeBytes) return false;
        key_ = pending_[7];
        consume(kWakeBytes);
        Wake(out);
        return true;
    }
    switch (state_) {
        case State::Idle:
            consume(1);
            return true;
        case State::Woken:
            if (pending_[0] == 0x02) {
                consume(1);
                Ident(out);
            } else {
                consume(1);
            }
            return true;
        case State::Identified:
            // The program refused the identification: its end byte is followed by the next wake-up at once,
            // so an 'E' directly before the start of the wake-up text ends the session instead of opening a
            // confirmation frame.
            if (pending_[0] == 'E' && pending_.size() > 1 && pending_[1] == kWakeText[0]) {
                consume(1);
                Note("end");
                state_ = State::Idle;
                return true;
            }
            if (pending_.size() < kConfirmBytes) return false;
            Confirm(out);
            consume(kConfirmBytes);
            return true;
        case State::Open:
            switch (pending_[0]) {
                case kAck:
                    consume(1);
                    AckFrame(out);
                    return true;
                case 'R':
                    if (pending_.size() < kReadRequestBytes) return false;
                    ReadBlock(out);
                    consume(kReadRequestBytes);
                    return true;
                case 'W':
                    if (pending_.size() < kWriteFrameBytes) return false;
                    WriteBlock(out);
                    consume(kWriteFrameBytes);
                    return true;
                case 'E':
                    consume(1);
                    Note("end");
                    if (sessionWrote_) writeSessionDone_ = true;
                    sessionWrote_ = false;
                    state_ = State::Idle;
                    return true;
                default:
                    Note(Hex("stray byte", pending_[0]));
                    consume(1);
                    return true;
            }
    }
    return true;
}

void Radio::Wake(std::vector<Bytes>& out) {
    Note(Hex("wake", key_));
    state_ = State::Woken;
    if (faults_.silentAt == Step::Wake) return;
    if (faults_.strayOnly)
        Answer(out, {0x3F});
    else if (faults_.strayByte)
        Answer(out, {0x3F, kAck});
    else
        Answer(out, {kAck});
}

void Radio::Ident(std::vector<Bytes>& out) {
    Note("ident");
    state_ = State::Identified;
    if (faults_.silentAt == Step::Ident) return;
    Bytes reply(memory_.begin() + kIdentAddress, memory_.begin() + kIdentAddress + 16);
    reply[6] = faults_.wrongKeyEcho ? static_cast<std::uint8_t>(SwapHalves(key_) ^ 0x11) : SwapHalves(key_);
    reply.insert(reply.end(), faults_.afterIdent.begin(), faults_.afterIdent.end());
    Answer(out, std::move(reply));
}

void Radio::Confirm(std::vector<Bytes>& out) {
    const std::uint8_t* frame = pending_.data();
    if (frame[15] != ConfirmCheckByte(frame)) {
        Note("confirmation check byte wrong");
        state_ = State::Idle;
        return;
    }
    Note("confirm");
    state_ = State::Open;
    firstAck_ = true;
    lastBlockRead_ = -1;
    sessionWrote_ = false;
    if (faults_.silentAt == Step::Confirm) return;
    const std::uint8_t answer = ConfirmAnswer(frame);
    Answer(out, {faults_.wrongConfirm ? static_cast<std::uint8_t>(answer + 1) : answer});
}

void Radio::AckFrame(std::vector<Bytes>& out) {
    const bool first = firstAck_;
    firstAck_ = false;
    const int block = lastBlockRead_;
    lastBlockRead_ = -1;
    if (first && faults_.silentAt == Step::Ack) return;
    Answer(out, {block >= 0 && block == faults_.nakBlock ? kNak : kAck});
}

void Radio::ReadBlock(std::vector<Bytes>& out) {
    const int address = pending_[1] << 8 | pending_[2];
    const int block = address / 16;
    Note(Hex("read", address));
    if (pending_[3] != 0x10 || address + 16 > kMemoryBytes) return;
    if (block == faults_.vanishAfter) {
        vanished_ = true;
        Note("vanished");
        return;
    }
    if (faults_.silentAt == Step::Block && block == faults_.silentBlock) return;
    Bytes reply{'W', pending_[1], pending_[2], 0x10};
    reply.insert(reply.end(), memory_.begin() + address, memory_.begin() + address + 16);
    if (block == faults_.shortBlock) reply.pop_back();
    lastBlockRead_ = block;
    ++blocksRead_;
    Answer(out, std::move(reply));
}

void Radio::WriteBlock(std::vector<Bytes>& out) {
    const int address = pending_[1] << 8 | pending_[2];
    const int frame = address / 8;
    Note(Hex("write", address));
    if (pending_[3] != 0x08 || address + 8 > kMemoryBytes) {
        Answer(out, {kNak});
        return;
    }
    if (frame == faults_.vanishAfter) {
        vanished_ = true;
        Note("vanished");
        return;
    }
    if (faults_.silentAt == Step::Block && frame == faults_.silentBlock) return;
    if (frame == faults_.nakBlock) {
        Answer(out, {kNak});
        return;
    }
    if (frame != faults_.forgetFrame)
        std::copy(pending_.begin() + 4, pending_.begin() + 12, memory_.begin() + address);
    std::fill(written_.begin() + address, written_.begin() + address + 8, true);
    sessionWrote_ = true;
    ++blocksWritten_;
    Answer(out, {kAck});
}

}  // namespace lm::sim
