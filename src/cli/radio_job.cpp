#include "radio_job.h"

#include <cstdio>

#include "command.h"
#include "core/port_name.h"
#include "link/area_table.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "session.h"

namespace lm::cli {
namespace {

constexpr int kWrittenBytes = link::kWriteFrames * link::kWriteFrameBytes;  // radio bytes 0..463

// The first radio address whose byte read back differs from the byte written, or -1.
int FirstDifference(const ImageBytes& written, const std::array<std::uint8_t, 512>& readBack) {
    for (int a = 0; a < kWrittenBytes; ++a)
        if (written[1 + a] != readBack[a]) return a;
    return -1;
}

std::string Hex(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%0*X", digits, static_cast<unsigned>(value));
    return text;
}

bool IsCompletion(const std::string& key) { return key == link::kReadOk.key || key == link::kWriteOk.key; }

}  // namespace

RadioJob::RadioJob(JobPlan plan, const Program& program, JobListener& listener)
    : plan_(std::move(plan)),
      state_(program.document),
      session_(program.session),
      messages_(program.messages),
      listener_(listener) {}

RadioJob::~RadioJob() {
    host_.reset();  // before the engine and the line it refers to
}

void RadioJob::Start() {
    clock_.start();
    line_ = CreateRadioLink(plan_.port);
    if (plan_.kind == JobPlan::Kind::Read)
        Begin(Step::Read);
    else
        Begin(plan_.backupPath.empty() ? Step::Write : Step::Backup);
}

link::EngineOptions RadioJob::Options() {
    link::EngineOptions options;
    options.portNumber = ComPortNumber(plan_.port);
    options.random = [this](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); };
    return options;
}

std::string RadioJob::Stage() const {
    switch (step_) {
        case Step::Backup:
            return "Backup";
        case Step::Write:
            return "Writing";
        case Step::Verify:
            return "Verifying";
        case Step::Read:
            break;
    }
    return "Reading";
}

void RadioJob::Begin(Step step) {
    host_.reset();
    step_ = step;
    stepEnded_ = false;
    completion_.clear();
    failure_.clear();
    const bool write = step == Step::Write;
    if (write) {
        auto engine = std::make_unique<link::WriteTransfer>(state_, session_, Options(), link::ClockSource{});
        ok_ = [this, e = engine.get()] {
            return e->Ok(plan_.password, plan_.newPassword.has_value(), plan_.newPassword.value_or(""));
        };
        engine_ = std::move(engine);
    } else {
        auto engine = std::make_unique<link::ReadTransfer>(session_, Options());
        ok_ = [e = engine.get(), password = step == Step::Verify ? writtenPassword_ : plan_.password] {
            return e->Ok(password);
        };
        engine_ = std::move(engine);
    }
    host_ = std::make_unique<TransferHost>(
        *engine_, *line_, static_cast<TransferObserver&>(*this),
        write ? TransferHost::kWriteDrainGiveUpMs : TransferHost::kReadDrainGiveUpMs);
    host_->OpenPort(plan_.port, !write);
}

void RadioJob::PortOpened() { host_->Input(ok_); }

void RadioJob::Progress(int position, int max) { listener_.Progress(*this, Stage(), position, max); }

void RadioJob::Message(const link::ShowMessage& message, std::function<void()> closed) {
    // The command line speaks English: the built-in texts.
    std::string text = host_->MessageText(message, "");
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    if (IsCompletion(message.key)) {
        completion_ = text;
        listener_.Note(*this, text);
    } else if (failure_.empty()) {
        failure_ = text;
    }
    closed();
}

void RadioJob::Finished(const link::Finished& finished) {
    if (stepEnded_) return;
    stepEnded_ = true;
    listener_.Transferred(*this, Stage(), host_->Stats());
    // The host is still carrying out this answer: the job goes on from the event loop.
    QMetaObject::invokeMethod(
        &context_, [this, outcome = finished.outcome] { Next(outcome); }, Qt::QueuedConnection);
}

void RadioJob::Closed() {
    if (stepEnded_) return;
    stepEnded_ = true;
    QMetaObject::invokeMethod(
        &context_, [this] { Next(link::Outcome::Failed); }, Qt::QueuedConnection);
}

void RadioJob::Next(link::Outcome outcome) {
    if (outcome != link::Outcome::Completed) {
        Finish(false, failure_.empty() ? Stage() + ": the transfer was abandoned" : failure_);
        return;
    }
    if (step_ == Step::Write) {
        writtenPassword_ = static_cast<const link::WriteTransfer&>(*engine_).PasswordWritten();
        if (plan_.verify)
            Begin(Step::Verify);
        else
            Finish(true, completion_);
        return;
    }
    AfterRead(static_cast<const link::ReadTransfer&>(*engine_).Outcome());
}

void RadioJob::AfterRead(const link::ReadOutcome& outcome) {
    if (step_ == Step::Read) {
        link::ApplyReadOutcome(state_, session_, outcome);
        Finish(true, completion_);
    } else if (step_ == Step::Backup) {
        TALL backup = state_;
        link::ApplyReadOutcome(backup, session_, outcome);
        try {
            SaveOrFail(messages_, backup, plan_.backupPath);
        } catch (const Failure& e) {
            Finish(false, e.what());
            return;
        }
        listener_.Note(*this, "Backup saved as " + plan_.backupPath);
        Begin(Step::Write);
    } else {
        const auto& blocks = outcome.blocks;
        const int a = FirstDifference(state_.Image, blocks);
        if (a >= 0) {
            Finish(false, "Verify failed: radio byte " + Hex(a, 3) + " reads " + Hex(blocks[a], 2) + ", " +
                              Hex(state_.Image[1 + a], 2) + " was written.");
            return;
        }
        verified_ = true;
        listener_.Note(*this, "Verified: radio bytes 0 to " + std::to_string(kWrittenBytes - 1) +
                                  " read back as written.");
        Finish(true, link::kWriteOk.text);
    }
}

void RadioJob::Finish(bool ok, const std::string& result) {
    host_.reset();
    if (line_) line_->Close();
    done_ = true;
    succeeded_ = ok;
    result_ = result;
    elapsedMs_ = clock_.elapsed();
    listener_.Done(*this);
}

std::string RadioJob::Area() const {
    // Erased bytes: no radio has answered yet.
    const std::string code = AreaCodeOf(state_.Image);
    return code == "FFFF" ? "" : code;
}

}  // namespace lm::cli
