#pragma once
// The read transfer: the handshake, 31 block reads of 16 bytes (radio bytes 0..495) into a staging buffer,
// the end frame. The engine changes no state record: a completed read (reported after the "Reading
// Completed." message has been closed) leaves its outcome as a value, which whoever ran it applies with
// ApplyReadOutcome. A failed or cancelled read therefore has nothing to undo. A first line error restarts the
// transfer 500 ms later, once per engine (one engine per dialog). A refused password leaves the dialog open
// with Ok and the password edit enabled for another try.
#include <array>
#include <cstdint>
#include <string>

#include "link/handshake.h"

namespace lm::link {

// What a completed read brought: radio bytes 0..511 as staged (bytes 496..511 are 0), the accepted model
// code, the band code of the radio, its area code text and its password.
struct ReadOutcome {
    std::array<std::uint8_t, 512> blocks{};
    std::string modelCode;
    int bandCode = 0;
    std::string areaCode;
    std::string password;
};

// Applies a completed read to a state record in one step: Image[1..512] from the blocks, the model and band
// of the radio (SelectModel with band override), the area code and its name in the session's language,
// SanitizeImage, Modified := true; and the session's LastPassword.
void ApplyReadOutcome(TALL& state, TransferSession& session, const ReadOutcome& outcome);

constexpr int kReadBlocks = 31;
constexpr int kReadBlockBytes = 16;
constexpr int kReadReplyBytes = 20;

class ReadTransfer : public TransferEngine {
public:
    ReadTransfer(const TransferSession& session, EngineOptions options);

    // Ok pressed with the text of the password edit. Ignored while Ok is disabled. Actions: disable Ok and
    // the password edit, progress 0/31, 450 ms, purge, 50 ms, wake-up frame, HeadTime.
    Actions Ok(const std::string& password);
    // The password edit changed (used by the automatic restart).
    void SetPassword(const std::string& password) { password_ = password; }

    bool Succeeded() const { return succeeded_; }
    const std::string& AreaText() const { return areaText_; }  // of a password failure
    // Valid once Succeeded().
    const ReadOutcome& Outcome() const { return outcome_; }

private:
    void StartRead();
    void StepBlock() override;
    IdentResult CheckIdent() override;
    void IdentFailed(IdentResult result) override;
    void OnTimer(int id) override;
    void OnLineError() override;
    void Complete();

    std::string password_;
    std::string radioPassword_;
    std::string modelCode_;
    std::string areaText_;
    std::array<std::uint8_t, 512> staging_{};
    ReadOutcome outcome_;
    bool succeeded_ = false;
    bool retryAllowed_ = true;
    int progress_ = 0;
};

}  // namespace lm::link
