#include "link/read_transfer.h"

#include <algorithm>

#include "core/memory_map.h"
#include "core/models.h"
#include "core/state.h"
#include "link/area_table.h"

namespace lm::link {

ReadTransfer::ReadTransfer(const TransferSession& session, EngineOptions options)
    : TransferEngine(session, std::move(options)) {}

void ApplyReadOutcome(TALL& state, TransferSession& session, const ReadOutcome& outcome) {
    std::copy(outcome.blocks.begin(), outcome.blocks.end(), state.Image.begin() + 1);
    SelectModel(state, outcome.modelCode, outcome.bandCode, true);
    DecodeAreaCode(state, session.LanguageId);
    SanitizeImage(state);
    state.Modified = true;
    session.LastPassword = outcome.password;
}

Actions ReadTransfer::Ok(const std::string& password) {
    if (!okEnabled_ || Closed()) return {};
    password_ = password;
    return Run([this] { StartRead(); });
}

void ReadTransfer::StartRead() {
    succeeded_ = false;
    state_ = kIdle;
    errorShown_ = false;
    progress_ = 0;
    Emit(SetProgress{0, kReadBlocks});
    okEnabled_ = false;
    Emit(EnableOk{false});
    Emit(EnablePasswords{false});
    BeginHandshake();
}

IdentResult ReadTransfer::CheckIdent() {
    const std::string code(rxBuffer_.begin() + 1, rxBuffer_.begin() + 5);
    IdentResult result = kIdentModel;
    if (ProductCatalogue().Models.ChannelCountOf(code) != 0) {
        modelCode_ = code;
        result = kIdentOk;
    }
    if (rxBuffer_[6] != SwapHalves(keyByte_)) result = kIdentKey;
    if (result != kIdentOk) return result;
    radioPassword_ = DecodePassword(&rxBuffer_[10]);
    const std::string entry = TrimPassword(password_);
    if (entry == radioPassword_ || entry == ProductCatalogue().MasterPassword) return kIdentOk;
    areaText_ = LookupAreaName(AreaCodeText(rxBuffer_[8], rxBuffer_[9]), session().LanguageId > 0);
    return kIdentPassword;
}

void ReadTransfer::IdentFailed(IdentResult result) {
    SendEnd();
    if (result == kIdentModel) {
        Fail(kModError, 0);  // the dialog stays open with Ok disabled
    } else if (result == kIdentKey) {
        Fail(kComError, kCloseTime);
    } else {
        // The dialog stays open for the password: Ok and the password edit come back once the message is
        // closed, so that the user can enter it and try again.
        Fail(kPwdError, 0, "\r" + options().areaLabel + " " + areaText_ + "    ");
        Then([this] {
            okEnabled_ = true;
            Emit(EnableOk{true});
            Emit(EnablePasswords{true});
        });
    }
}

void ReadTransfer::StepBlock() {
    if (!awaitingAck_) {
        Stop(kTryTime);
        if (blockIndex_ >= 0 && blockIndex_ < 32) {
            std::copy(rxBuffer_.begin() + 4, rxBuffer_.begin() + 4 + kReadBlockBytes,
                      staging_.begin() + kReadBlockBytes * blockIndex_);
        }
        progress_ = std::min(progress_ + 1, kReadBlocks);
        Emit(SetProgress{progress_, kReadBlocks});
        SendAck();
        return;
    }
    if (rxBuffer_[0] != kAckByte) return;  // TryTime keeps running
    Stop(kTryTime);
    ++blockIndex_;
    if (blockIndex_ < kReadBlocks) {
        const int address = kReadBlockBytes * blockIndex_;
        SendFrame(
            {0x52, static_cast<std::uint8_t>(address >> 8), static_cast<std::uint8_t>(address & 0xFF), 0x10},
            kReadReplyBytes, false);
        Start(kTryTime, kTryTimeMs);
    } else {
        Complete();
    }
}

void ReadTransfer::Complete() {
    SendEnd();
    state_ = kIdle;
    progress_ = kReadBlocks;
    Emit(SetProgress{kReadBlocks, kReadBlocks});
    Message(kReadOk);
    Then([this] {
        outcome_.blocks = staging_;
        outcome_.modelCode = modelCode_;
        outcome_.bandCode = staging_[static_cast<std::size_t>(InfoField("BandCode").offset - 1)];
        const auto area =
            static_cast<std::size_t>(InfoField("AreaCode").offset - 1);  // staging is by address
        outcome_.areaCode = AreaCodeText(staging_[area], staging_[area + 1]);
        outcome_.password = radioPassword_;
        succeeded_ = true;
        running_ = false;
        Emit(Finished{Outcome::Completed, kReadOk.key});
        Start(kCloseTime, kCloseTimeMs);
    });
}

void ReadTransfer::OnTimer(int id) {
    if (id == kTryTime) {
        state_ = kIdle;
        if (errorShown_) return;
        errorShown_ = true;
        Fail(kComError, kCloseTime);
    } else if (id == kReTime) {
        okEnabled_ = true;
        Emit(EnableOk{true});
        StartRead();
    } else if (id == kCloseTime) {
        Emit(CloseDialog{});
    }
}

void ReadTransfer::OnLineError() {
    Emit(PurgeBuffers{});
    state_ = kIdle;
    if (retryAllowed_) {
        errorShown_ = true;  // timers still running show nothing
        retryAllowed_ = false;
        Start(kReTime, kReTimeMs);
    } else {
        Start(kTryTime, kTryTimeMs);
    }
}

}  // namespace lm::link
