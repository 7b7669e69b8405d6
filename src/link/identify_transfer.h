#pragma once
// Asking a radio who it is, and nothing more: the wake-up frame, the identification request and the end
// frame. No confirmation frame is sent and no memory is read, so the radio is left as it was. The cable check
// runs it on every port it looks at.
#include <array>
#include <cstdint>
#include <string>

#include "link/handshake.h"

namespace lm::link {

struct IdentifyOutcome {
    enum class Answer {
        None,         // nothing acknowledged the wake-up frame
        WakeOnly,     // the wake-up was acknowledged, no identification came
        Identified,   // a complete identification reply came
        LineTrouble,  // the port reported a framing, parity or overrun error or a break
    };
    Answer answer = Answer::None;
    bool keyEchoOk = false;   // the reply echoed the key byte as a radio does
    std::string modelCode;    // bytes 1-4 of the reply, as sent
    bool modelKnown = false;  // the catalogue knows the model code
    std::string areaCode;     // four hexadecimal digits
    bool hasPassword = false;
    std::array<std::uint8_t, 16> reply{};
};

class IdentifyTransfer : public TransferEngine {
public:
    IdentifyTransfer(const TransferSession& session, EngineOptions options);

    // Starts: 450 ms, purge, 50 ms, the wake-up frame, as a read begins.
    Actions Ok();
    // Valid once the engine has reported Finished.
    const IdentifyOutcome& Outcome() const { return outcome_; }

private:
    void StepBlock() override {}
    IdentResult CheckIdent() override;
    void IdentFailed(IdentResult result) override;
    bool ContinueAfterIdent() override;
    void HeadTimeExpired() override;
    void OnTimer(int id) override;
    void OnLineError() override;
    void End();

    IdentifyOutcome outcome_;
};

}  // namespace lm::link
