#pragma once
// The radio side of the programming protocol, without any I/O: bytes from the program go in, the radio's
// answers come out. Holds the 528 bytes of radio memory and can misbehave on request.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lm::sim {

constexpr int kMemoryBytes = 528;
using Memory = std::array<std::uint8_t, kMemoryBytes>;
using Bytes = std::vector<std::uint8_t>;

// Radio addresses of the identification block.
constexpr int kIdentAddress = 432;  // 432..447: 'P', model code, band code, 0, 0, area code, password
constexpr int kBandAddress = 437;
constexpr int kAreaAddress = 440;
constexpr int kPasswordAddress = 442;

constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;

// A step of the exchange at which the radio can stay silent.
enum class Step { None, Wake, Ident, Confirm, Ack, Block };

struct Faults {
    Step silentAt = Step::None;
    int silentBlock = 0;        // with Step::Block: the block request (read) or block frame (write) index
    bool wrongKeyEcho = false;  // identification carries a wrong echo of the key byte
    bool wrongConfirm = false;  // answers the confirmation frame with a wrong byte
    bool strayByte = false;     // one stray byte before the wake-up acknowledgement
    bool strayOnly = false;     // one stray byte instead of the wake-up acknowledgement
    int shortBlock = -1;        // answers this block request with 19 bytes instead of 20
    int nakBlock = -1;      // read: answers the acknowledgement after this block with 0x15; write: this frame
    int vanishAfter = -1;   // the device disappears when block index N is requested (after N blocks)
    int fragmentBytes = 0;  // every reply is split into pieces of at most this many bytes
    int forgetFrame = -1;   // write: acknowledges this frame but keeps its old bytes (a failing memory)
    Bytes afterIdent = {};  // bytes sent behind the identification, in the same piece
};

// Password in the radio's encoded form: mask byte, then five bytes of digit halves XOR mask.
std::array<std::uint8_t, 6> EncodeRadioPassword(std::string_view digits, std::uint8_t mask);
std::string DecodeRadioPassword(const std::uint8_t* six);
// The check byte that closes a confirmation frame, and the answer the radio gives to a valid frame.
std::uint8_t ConfirmCheckByte(const std::uint8_t* d15);
std::uint8_t ConfirmAnswer(const std::uint8_t* d15);
inline std::uint8_t SwapHalves(std::uint8_t k) { return static_cast<std::uint8_t>((k << 4) | (k >> 4)); }

class Radio {
public:
    Radio(const Memory& memory, const Faults& faults);

    void SetModelCode(std::string_view code);  // four characters
    void SetBandCode(std::uint8_t code);
    void SetAreaCode(std::uint16_t code);  // 0x1234 gives the bytes 0x12 0x34
    void SetPassword(std::string_view digits, std::uint8_t mask = 0x5B);

    // Bytes from the program, in order; returns the answer as the pieces in which it is to be sent.
    // nowMs is a monotonic clock: a frame left incomplete for a second is discarded.
    std::vector<Bytes> Receive(std::span<const std::uint8_t> bytes, std::uint64_t nowMs = 0);
    // The program has stopped sending (for a second, or for good): an incomplete frame is discarded, but a
    // lone 'E' after the identification is the end frame that follows a refused identification.
    void LineQuiet();

    // The faults, to be changed between sessions.
    Faults& faults() { return faults_; }
    bool Vanished() const { return vanished_; }
    const Memory& memory() const { return memory_; }
    // Which radio bytes a block write has changed since the radio was created.
    const std::array<bool, kMemoryBytes>& written() const { return written_; }
    // True once after a session ('E' received) in which blocks were written.
    bool TakeWriteSession();
    // Human-readable trace of every frame handled ("wake 0x61", "read 0x010", "write 0x1c8", "end" ...).
    const std::vector<std::string>& log() const { return log_; }
    int BlocksRead() const { return blocksRead_; }
    int BlocksWritten() const { return blocksWritten_; }

private:
    enum class State { Idle, Woken, Identified, Open };
    // Handles the frame at the start of pending_; returns false when more bytes are needed.
    bool HandleOne(std::vector<Bytes>& out);
    void Answer(std::vector<Bytes>& out, Bytes reply) const;
    void Wake(std::vector<Bytes>& out);
    void Ident(std::vector<Bytes>& out);
    void Confirm(std::vector<Bytes>& out);
    void AckFrame(std::vector<Bytes>& out);
    void ReadBlock(std::vector<Bytes>& out);
    void WriteBlock(std::vector<Bytes>& out);
    void Note(std::string text) { log_.push_back(std::move(text)); }

    Memory memory_{};
    Faults faults_;
    State state_ = State::Idle;
    Bytes pending_;
    std::uint64_t lastByteMs_ = 0;
    std::uint8_t key_ = 0;
    bool firstAck_ = false;   // the next acknowledgement is the one after the confirmation
    int lastBlockRead_ = -1;  // block whose reply the next acknowledgement answers
    bool vanished_ = false;
    bool sessionWrote_ = false;
    bool writeSessionDone_ = false;
    int blocksRead_ = 0;
    int blocksWritten_ = 0;
    std::array<bool, kMemoryBytes> written_{};
    std::vector<std::string> log_;
};

}  // namespace lm::sim
