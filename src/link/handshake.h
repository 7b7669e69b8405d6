#pragma once
// The handshake that opens every transfer with the radio, and what the read and write transfers share: the
// transfer record, the reply collection, the frames, the identification check, the confirmation frame and the
// radio password codec. TransferEngine is the common base of ReadTransfer and WriteTransfer.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/state.h"
#include "link/actions.h"

namespace lm::link {

// A pseudo-random integer r with 0 <= r < bound.
using RandomSource = std::function<int(int bound)>;
// The local date and time as "yyyy-MM-dd HH:mm:ss".
using ClockSource = std::function<std::string()>;

enum TransferState : int { kIdle = 0, kWakeSent = 1, kIdentRequested = 2, kConfirmSent = 3, kBlocks = 4 };

constexpr int kRxBufferSize = 49;
constexpr std::uint8_t kAckByte = 0x06;
constexpr std::uint8_t kIdentRequest = 0x02;
constexpr std::uint8_t kEndByte = 0x45;                                          // 'E'
constexpr std::array<std::uint8_t, 7> kWakeLetters{80, 82, 79, 71, 82, 65, 77};  // "PROGRAM"

// Key byte: n + 96 for port 1..9, else 101 + random(5).
std::uint8_t ChooseKeyByte(int portNumber, const RandomSource& random);
inline std::uint8_t SwapHalves(std::uint8_t x) { return static_cast<std::uint8_t>((x << 4) | (x >> 4)); }

// The confirmation frame from the first 15 bytes of the session key text (missing bytes count as 0);
// returns ConfirmKey, the answer the radio must give.
std::uint8_t ComputeConfirmFrame(const std::string& sessionKeyText, std::array<std::uint8_t, 16>& frame);

// Six encoded bytes to the password: "" when all are 0xFF; else digits up to the first half of 10 or more.
std::string DecodePassword(const std::uint8_t* six);
// True when text is 0 to 10 digits '0'..'9'; only such texts can be encoded.
bool IsEncodablePassword(const std::string& text);
// Text to six bytes with a fresh mask from random(127). Throws std::invalid_argument unless
// IsEncodablePassword.
std::array<std::uint8_t, 6> EncodePassword(const std::string& text, const RandomSource& random);
// Leading and trailing blanks and control characters removed.
std::string TrimPassword(const std::string& text);

// CheckIdent results.
enum IdentResult : int { kIdentOk = 0, kIdentModel = 1, kIdentKey = 2, kIdentPassword = 3 };

struct EngineOptions {
    int portNumber = 0;   // ComPortNumber(PortName)
    RandomSource random;  // key byte for ports other than 1..9 and the password mask; std::rand when empty
    std::string areaLabel = "Area";  // caption of the read's hidden label lArea (translated by the host)
};

// The shared machinery. All inputs return the actions to carry out; see actions.h for the suspensions.
class TransferEngine {
public:
    virtual ~TransferEngine() = default;

    Actions BytesReceived(std::span<const std::uint8_t> bytes);  // one data-available notification
    Actions TimerExpired(int id);
    Actions LineError();  // framing, parity or overrun error or a break
    Actions OutputDrained();
    Actions MessageClosed();
    Actions PortOpenFailed();  // opening the port when the dialog is shown failed
    Actions PortFailed();      // a send or purge failed, or the port disappeared
    Actions Cancel();          // Cancel or the close box: the dialog closes, a running transfer is abandoned
    // Stops a running transfer between frames. In the block phase the frame on the wire is let finish: when
    // the radio has answered it (or TryTime has expired) the end frame goes out instead of the next frame,
    // then Finished(Cancelled) and the dialog closes. Before the block phase it is Cancel(); with no transfer
    // running, nothing.
    Actions Interrupt();
    // After an interrupt: the frames (or blocks) of the block phase the radio had answered.
    int FramesAnswered() const { return framesAnswered_; }

    // The transfer record, for the host's display and for tests.
    int State() const { return state_; }
    std::uint8_t KeyByte() const { return keyByte_; }
    int RxCount() const { return rxCount_; }
    const std::array<std::uint8_t, kRxBufferSize>& RxBuffer() const { return rxBuffer_; }
    bool ErrorShown() const { return errorShown_; }
    bool Closed() const { return closed_; }
    bool Running() const { return running_; }  // from Ok to its Finished

protected:
    // session: the session the transfer belongs to (its key and language); it must outlive the engine.
    TransferEngine(const TransferSession& session, EngineOptions options);

    // --- building the answer of a handler (ops run in order; see actions.h) ---
    void Emit(Action action);
    void Delay(int ms);
    void Message(const MessageText& message, std::string detail = {});
    void Then(std::function<void()> step);  // runs after the ops before it (after a delay, drain or message)
    void SendFrame(std::vector<std::uint8_t> bytes, int expected, bool awaitingAck);
    void SendEnd();
    void SendAck();  // then TryTime
    void Start(int id, int ms) { Emit(StartTimer{id, ms}); }
    void Stop(int id) { Emit(StopTimer{id}); }
    // Shows the message; after it has been closed: Finished(Failed) and, unless 0, starts timer afterTimer.
    void Fail(const MessageText& message, int afterTimer, std::string detail = {});
    int Random(int bound);
    // Runs a handler of the subclass (Ok) with the ops it builds; ignored while closed or suspended.
    Actions Run(const std::function<void()>& handler);
    // Chooses KeyByte, State := WakeSent, sends the wake-up frame and starts HeadTime.
    void Wake();
    // The start of a transfer that purges first: running; 450 ms, purge, 50 ms, then Wake().
    void BeginHandshake();

    // --- what the subclasses add ---
    virtual void StepBlock() = 0;
    virtual IdentResult CheckIdent() = 0;              // on the first 16 bytes of RxBuffer
    virtual void IdentFailed(IdentResult result) = 0;  // results 1..3
    virtual void ConfirmAnswered() {}                  // before BlockIndex := -1 and SendAck
    // After an accepted identification: false ends the handshake there, without the confirmation frame.
    virtual bool ContinueAfterIdent() { return true; }
    // HeadTime expired: the transfer ends with ComError after 2.5 s.
    virtual void HeadTimeExpired();
    virtual void OnTimer(int id) = 0;  // TryTime, ReTime, CloseTime, BackTime
    virtual void OnLineError() = 0;

    const EngineOptions& options() const { return options_; }
    const TransferSession& session() const { return session_; }

    int state_ = kIdle;
    std::uint8_t keyByte_ = 0;
    std::uint8_t confirmKey_ = 0;
    int expected_ = 0;
    bool awaitingAck_ = false;
    int rxCount_ = 0;
    std::array<std::uint8_t, kRxBufferSize> rxBuffer_{};
    bool errorShown_ = false;
    int blockIndex_ = 0;
    bool okEnabled_ = true;
    bool running_ = false;
    bool starting_ = false;  // between Ok and the drained wake-up frame: port failures show PortError

private:
    struct Op {
        enum Kind { kEmit, kDrain, kDelay, kMessage, kCall } kind;
        Action action;
        std::function<void()> call;
    };
    struct Event {
        enum Kind { kBytes, kTimer, kLineError, kMessageClosed } kind;
        std::vector<std::uint8_t> bytes;
        int timer = 0;
    };
    enum Wait { kNone, kDrainWait, kDelayWait };

    void Dispatch();
    void Handshake();
    void HandleEvent(const Event& event);
    Actions Pump();
    void RunOp(Op op, Actions& out);
    void Splice(std::vector<Op>& built);
    void Abort();
    void EndInterrupted(bool answered);

    const TransferSession& session_;
    EngineOptions options_;
    std::vector<std::deque<Op>> frames_{1};  // ops; a message suspends the frame below the top
    std::vector<Op>* build_ = nullptr;       // where Emit & co. append while a handler runs
    Wait wait_ = kNone;
    std::deque<Event> kept_;
    std::vector<int> active_;  // timers started and not yet stopped or expired
    bool closed_ = false;
    bool interrupting_ = false;
    int framesAnswered_ = 0;
};

}  // namespace lm::link
