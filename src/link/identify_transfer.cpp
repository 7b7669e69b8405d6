#include "link/identify_transfer.h"

#include "core/models.h"
#include "link/area_table.h"

namespace lm::link {

IdentifyTransfer::IdentifyTransfer(const TransferSession& session, EngineOptions options)
    : TransferEngine(session, std::move(options)) {}

Actions IdentifyTransfer::Ok() {
    if (!okEnabled_ || Closed()) return {};
    return Run([this] {
        outcome_ = {};
        okEnabled_ = false;
        BeginHandshake();
    });
}

IdentResult IdentifyTransfer::CheckIdent() {
    outcome_.answer = IdentifyOutcome::Answer::Identified;
    std::copy(rxBuffer_.begin(), rxBuffer_.begin() + 16, outcome_.reply.begin());
    outcome_.modelCode.assign(rxBuffer_.begin() + 1, rxBuffer_.begin() + 5);
    outcome_.modelKnown = ProductCatalogue().Models.ChannelCountOf(outcome_.modelCode) != 0;
    outcome_.keyEchoOk = rxBuffer_[6] == SwapHalves(keyByte_);
    outcome_.areaCode = AreaCodeText(rxBuffer_[8], rxBuffer_[9]);
    outcome_.hasPassword = !DecodePassword(&rxBuffer_[10]).empty();
    return outcome_.keyEchoOk ? kIdentOk : kIdentKey;
}

void IdentifyTransfer::IdentFailed(IdentResult) { End(); }

bool IdentifyTransfer::ContinueAfterIdent() {
    state_ = kIdle;
    End();
    return false;
}

void IdentifyTransfer::HeadTimeExpired() {
    if (state_ == kIdentRequested) outcome_.answer = IdentifyOutcome::Answer::WakeOnly;
    state_ = kIdle;
    End();
}

void IdentifyTransfer::OnTimer(int id) {
    if (id == kCloseTime) Emit(CloseDialog{});
}

void IdentifyTransfer::OnLineError() {
    Stop(kHeadTime);
    if (outcome_.answer != IdentifyOutcome::Answer::Identified)
        outcome_.answer = IdentifyOutcome::Answer::LineTrouble;
    state_ = kIdle;
    End();
}

void IdentifyTransfer::End() {
    if (!running_) return;
    running_ = false;
    starting_ = false;
    // The end frame leaves a radio that answered the wake-up out of its programming mode again.
    SendEnd();
    Then([this] {
        const bool radio = outcome_.answer == IdentifyOutcome::Answer::Identified;
        Emit(Finished{radio ? Outcome::Completed : Outcome::Failed, ""});
        Emit(CloseDialog{});
    });
}

}  // namespace lm::link
