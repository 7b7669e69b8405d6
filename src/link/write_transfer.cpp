#include "link/write_transfer.h"

#include <algorithm>

#include "core/memory_map.h"
#include "core/models.h"
#include "core/state.h"

namespace lm::link {

WriteTransfer::WriteTransfer(TALL& state, TransferSession& session, EngineOptions options, ClockSource clock)
    : TransferEngine(session, std::move(options)),
      target_(state),
      writeSession_(session),
      clock_(std::move(clock)) {}

Actions WriteTransfer::Ok(const std::string& password, bool updatePassword, const std::string& newPassword) {
    if (!okEnabled_ || Closed()) return {};
    return Run([this, password, updatePassword, newPassword] {
        WriteIdent(target_);
        if (updatePassword && !IsEncodablePassword(TrimPassword(newPassword))) {
            // Only digits can be stored in the radio: refuse before anything is sent.
            Message(kPwdDigits);
            Then([this] { Emit(Finished{Outcome::Failed, kPwdDigits.key}); });
            return;
        }
        password_ = password;
        update_ = updatePassword;
        newPassword_ = newPassword;
        running_ = true;
        starting_ = true;
        Delay(kBeforePurgeMs);
        Then([this] {
            state_ = kIdle;
            errorShown_ = false;
            progress_ = 0;
            Emit(SetProgress{0, kWriteProgressMax});
            Emit(PurgeBuffers{});
            okEnabled_ = false;
            Emit(EnableOk{false});
            Emit(EnablePasswords{false});
            Delay(kBeforeWakeMs);
            Then([this] { Wake(); });
        });
    });
}

IdentResult WriteTransfer::CheckIdent() {
    const std::string code(rxBuffer_.begin() + 1, rxBuffer_.begin() + 5);
    IdentResult result = code == target_.ModelCode ? kIdentOk : kIdentModel;
    if (rxBuffer_[6] != SwapHalves(keyByte_)) result = kIdentKey;
    if (result != kIdentOk) return result;
    const std::string radioPassword = DecodePassword(&rxBuffer_[10]);
    const std::string entry = TrimPassword(password_);
    if (entry != radioPassword && entry != ProductCatalogue().MasterPassword) return kIdentPassword;

    const std::string forRadio = update_ ? TrimPassword(newPassword_) : radioPassword;
    const auto encoded = EncodePassword(forRadio, [this](int bound) { return Random(bound); });
    WriteBytes(target_.Image.data(), InfoField("AreaCode"), &rxBuffer_[8]);
    WriteBytes(target_.Image.data(), InfoField("Password"), encoded.data());
    writeSession_.LastPassword = forRadio;
    passwordForRadio_ = forRadio;
    return kIdentOk;
}

void WriteTransfer::IdentFailed(IdentResult result) {
    if (result == kIdentModel) {
        SendEnd();
        Fail(kModError, kCloseTime);
    } else if (result == kIdentKey) {
        Fail(kComError, kCloseTime);  // no end frame
    } else {
        SendEnd();
        Fail(kPwdError, kBackTime);  // the controls come back for another try
    }
}

ImageBytes ImageAsWritten(const TALL& memory, const ImageBytes& radio, const std::string& stamp) {
    TALL sent = memory;
    WriteIdent(sent);
    ImageBytes written = radio;
    std::copy(sent.Image.begin() + 1, sent.Image.begin() + kWriteLastIndex + 1, written.begin() + 1);
    for (const char* kept : {"AreaCode", "Password"}) {  // the radio's own
        const MemoryField& f = InfoField(kept);
        WriteBytes(written.data(), f, &radio[static_cast<std::size_t>(f.offset)]);
    }
    PackTimestamp(written, stamp, InfoField("WriteStamp").offset);
    return written;
}

void WriteTransfer::ConfirmAnswered() {
    PackTimestamp(target_.Image, clock_ ? clock_() : LocalTimestampText(), InfoField("WriteStamp").offset);
}

void WriteTransfer::StepBlock() {
    if (rxBuffer_[0] != kAckByte) return;  // TryTime keeps running
    Stop(kTryTime);
    ++blockIndex_;
    if (blockIndex_ < kWriteFrames) {
        const int address = kWriteFrameBytes * blockIndex_;
        std::vector<std::uint8_t> frame{0x57, static_cast<std::uint8_t>(address >> 8),
                                        static_cast<std::uint8_t>(address & 0xFF), 0x08};
        frame.insert(frame.end(), target_.Image.begin() + 1 + address,
                     target_.Image.begin() + 1 + address + kWriteFrameBytes);
        SendFrame(std::move(frame), 1, false);
        Start(kTryTime, kTryTimeMs);
        progress_ = std::min(progress_ + 1, kWriteProgressMax);
        Emit(SetProgress{progress_, kWriteProgressMax});
        return;
    }
    state_ = kIdle;
    SendEnd();
    Emit(SetProgress{kWriteProgressMax, kWriteProgressMax});
    Message(kWriteOk);
    Then([this] {
        progress_ = 0;
        Emit(SetProgress{0, kWriteProgressMax});
        running_ = false;
        Emit(Finished{Outcome::Completed, kWriteOk.key});
        Start(kBackTime, kBackTimeMs);
    });
}

void WriteTransfer::OnTimer(int id) {
    if (id == kTryTime) {
        state_ = kIdle;
        if (errorShown_) return;
        okEnabled_ = true;
        Emit(EnableOk{true});
        errorShown_ = true;
        Fail(kComError, kCloseTime);
    } else if (id == kBackTime) {
        Emit(EnablePasswords{true});
        okEnabled_ = true;
        Emit(EnableOk{true});
    } else if (id == kCloseTime) {
        Emit(CloseDialog{});
    }
}

void WriteTransfer::OnLineError() {
    state_ = kIdle;
    if (errorShown_) return;
    errorShown_ = true;
    Fail(kComError, 0);  // the dialog stays open with its controls as they were
}

}  // namespace lm::link
