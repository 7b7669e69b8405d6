#pragma once
// The read transfer: the handshake, 31 block reads of 16 bytes (radio bytes 0..495) into a staging buffer,
// the end frame. Only a completed read changes gAll: Image[1..512] from the staging buffer (so Image[497..512]
// become 0), the model and band of the radio (SelectModel with band override), the area code, SanitizeImage,
// Modified := true and LastPassword; it does so after the "Reading Completed." message has been closed.
// A first line error restarts the transfer 500 ms later, once per engine (one engine per dialog).
#include <array>
#include <cstdint>
#include <string>

#include "link/handshake.h"

namespace lm::link {

constexpr int kReadBlocks = 31;
constexpr int kReadBlockBytes = 16;
constexpr int kReadReplyBytes = 20;

class ReadTransfer : public TransferEngine {
public:
    explicit ReadTransfer(EngineOptions options);

    // Ok pressed with the text of the password edit. Ignored while Ok is disabled. Actions: disable Ok and
    // the password edit, progress 0/31, 450 ms, purge, 50 ms, wake-up frame, HeadTime.
    Actions Ok(const std::string& password);
    // The password edit changed (used by the automatic restart).
    void SetPassword(const std::string& password) { password_ = password; }

    bool Succeeded() const { return succeeded_; }
    const std::string& ModelCode() const { return modelCode_; }  // accepted by CheckIdent
    const std::string& AreaText() const { return areaText_; }    // of a password failure
    const std::array<std::uint8_t, 512>& Staging() const { return staging_; }
    bool RetryAllowed() const { return retryAllowed_; }

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
    bool succeeded_ = false;
    bool retryAllowed_ = true;
    int progress_ = 0;
};

}  // namespace lm::link
