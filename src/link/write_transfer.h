#pragma once
// The write transfer: WriteIdent, the handshake, the radio's own area code and its (or a new) password into
// the image, the time stamp when the confirmation is answered, 58 block writes of 8 bytes (radio bytes
// 0..463), the end frame, all into the image of the state record it is given (each radio of a session its own
// copy). The engine stays usable for the next radio after a completed write or a refused password: the
// controls come back 500 ms after the message (EnableOk/EnablePasswords). Modified is never changed.
#include <string>

#include "link/handshake.h"

namespace lm::link {

constexpr int kWriteFrames = 58;
constexpr int kWriteFrameBytes = 8;
constexpr int kWriteProgressMax = 56;
// The last Image index a write sends (radio byte 463): the serial number and the bytes after it stay in the
// radio.
constexpr int kWriteLastIndex = kWriteFrames * kWriteFrameBytes;

// The image a write of memory leaves in a radio whose image is radio: memory's bytes up to kWriteLastIndex
// with the identification of memory's model and the write time stamp, except the radio's own area code and
// password, which the write gives back to it (a new password aside); the radio's bytes after kWriteLastIndex.
// What Compare With Radio sets against the radio.
ImageBytes ImageAsWritten(const TALL& memory, const ImageBytes& radio, const std::string& stamp);

class WriteTransfer : public TransferEngine {
public:
    // clock gives the time stamp text; LocalTimestampText when empty.
    // state: the record whose image is written, session: the session whose LastPassword the write sets; both
    // must outlive the engine.
    WriteTransfer(TALL& state, TransferSession& session, EngineOptions options, ClockSource clock);

    // Ok pressed: the radio's current password entry, whether the new-password box is checked, and the new
    // password. Ignored while Ok is disabled. A new password that is not 0..10 digits is refused with the
    // message PwdDigits before anything is sent (controls stay enabled). Otherwise: WriteIdent, 450 ms,
    // purge, disable the controls, progress 0/56, 50 ms, wake-up frame, HeadTime.
    Actions Ok(const std::string& password, bool updatePassword, const std::string& newPassword);

    const std::string& PasswordWritten() const { return passwordForRadio_; }

private:
    void StepBlock() override;
    IdentResult CheckIdent() override;
    void IdentFailed(IdentResult result) override;
    void ConfirmAnswered() override;
    void OnTimer(int id) override;
    void OnLineError() override;

    TALL& target_;
    TransferSession& writeSession_;
    ClockSource clock_;
    std::string password_;
    bool update_ = false;
    std::string newPassword_;
    std::string passwordForRadio_;
    int progress_ = 0;
};

}  // namespace lm::link
