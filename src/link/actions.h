#pragma once
// What a transfer engine asks its host to do. The engines (read_transfer.h, write_transfer.h) never touch a
// port, a timer or a window: every input returns a list of these actions, to be carried out in order.
//
// Suspensions: three actions pause the engine until the host reports back.
//   - WaitDrained: the host calls OutputDrained() once the bytes sent so far are on the wire (or after its
//   own
//     give-up time: about 1 s for the read, 5 s for the write).
//   - StartTimer with id kDelay: a pause of the given milliseconds (450 ms, 50 ms, 5 ms, 2.5 s); the host
//   calls
//     TimerExpired(kDelay) when it is over. The host must not block its event loop for it.
//   - ShowMessage: the host shows the message (modal or not) and calls MessageClosed() when the user has
//   closed
//     it. Other inputs may arrive while a message is open; they are handled at once, as in a modal loop.
// While the engine waits for a drain or a delay, received bytes, line errors, timer expiries and
// MessageClosed() are kept and handled afterwards, in order. A purge discards kept received bytes; stopping
// or restarting a timer discards its kept expiry. When a Send or Purge fails, the host calls PortFailed()
// instead of carrying out the rest of the list, and carries out what PortFailed() returns.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace lm::link {

// Timer ids. Every timer is one-shot: the engine starts it again when it needs it again.
enum TimerId : int {
    kHeadTime = 1,   // 500 ms, watches each handshake step
    kTryTime = 2,    // 450 ms, watches each block-phase step
    kCloseTime = 3,  // 300 ms, closes the dialog
    kReTime = 4,     // 500 ms, read only: automatic restart after a first line error
    kBackTime = 5,   // 500 ms, write only (cxBack): controls enabled again for the next radio
    kDelay = 6,      // a pause inside a step; see above
};

constexpr int kHeadTimeMs = 500;
constexpr int kTryTimeMs = 450;
constexpr int kCloseTimeMs = 300;
constexpr int kReTimeMs = 500;
constexpr int kBackTimeMs = 500;
constexpr int kBeforePurgeMs = 450;      // after Ok, before the buffers are purged
constexpr int kBeforeWakeMs = 50;        // after the purge, before the wake-up frame
constexpr int kBeforeIdentMs = 5;        // after the wake-up acknowledgement, before the ident request
constexpr int kTimeoutMessageMs = 2500;  // after a handshake time-out, before its message

// Write these bytes to the port as one block.
struct SendBytes {
    std::vector<std::uint8_t> bytes;
};
// Start (or restart) timer `id` to expire once after `ms` milliseconds.
struct StartTimer {
    int id = 0;
    int ms = 0;
};
// Disable timer `id`; an expiry not yet delivered is void.
struct StopTimer {
    int id = 0;
};
// Report OutputDrained() when the port's output queue is empty.
struct WaitDrained {};
// Discard every received byte not yet delivered and every byte not yet sent.
struct PurgeBuffers {};
// The progress bar: position out of max.
struct SetProgress {
    int position = 0;
    int max = 0;
};
// Show a message captioned with the message `Confirmation`. `key` names the message of the message table,
// `text` is its built-in English text; show the translation of `key` (or `text`) followed by `detail`
// (the area part of the read's password failure, "" otherwise). Report MessageClosed() when it is closed.
struct ShowMessage {
    std::string key;
    std::string text;
    std::string detail;
};
// Enable or disable the Ok button.
struct EnableOk {
    bool enabled = false;
};
// Enable or disable the password edits (and the new-password check box of the write).
struct EnablePasswords {
    bool enabled = false;
};
// Close the dialog (and the port). The engine ignores every input afterwards.
struct CloseDialog {};

enum class Outcome { Completed, Failed, Cancelled };
// A transfer attempt has ended. Comes after the message of its end has been closed (a completed read has then
// changed the image). `messageKey` is the message shown ("ReadOk", "ComError", ...), "" when none was shown.
struct Finished {
    Outcome outcome = Outcome::Failed;
    std::string messageKey;
};

using Action = std::variant<SendBytes, StartTimer, StopTimer, WaitDrained, PurgeBuffers, SetProgress,
                            ShowMessage, EnableOk, EnablePasswords, CloseDialog, Finished>;
using Actions = std::vector<Action>;

// The text a message is shown with: text (the translation of its key, or its own text) followed by its
// detail, the message box's line break (13) in the detail becoming a new line.
std::string WithDetail(std::string text, const ShowMessage& message);

// One line of text for an action, for traces and tests ("send 50 52 4f", "start 1 500", "message ComError"
// ...).
std::string Describe(const Action& action);

// The messages the transfers show: key and built-in text.
struct MessageText {
    const char* key;
    const char* text;
};
constexpr MessageText kComError{"ComError", "Please check all connections and communication port settings."};
constexpr MessageText kModError{"ModError", "Model Type Wrong."};
constexpr MessageText kPwdError{"PwdError", "Pass Word Wrong."};
constexpr MessageText kPortError{"PortError", "Cannot Open Communication Port."};
constexpr MessageText kReadOk{"ReadOk", "Reading Completed."};
constexpr MessageText kWriteOk{"WriteOk", "Writing Completed."};
// A new password may only hold digits; refused before anything is sent.
constexpr MessageText kPwdDigits{"PwdDigits",
                                 "The new password may contain only the digits 0 to 9 (at most 10)."};

}  // namespace lm::link
