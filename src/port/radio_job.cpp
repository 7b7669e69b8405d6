#include "port/radio_job.h"

#include <filesystem>

#include "core/datafile.h"
#include "core/port_name.h"
#include "core/settings_access.h"
#include "link/area_table.h"
#include "link/write_transfer.h"

namespace lm {
namespace {

using link::JobOutcome;
using link::JobStep;

bool IsCompletion(const std::string& key) { return key == link::kReadOk.key || key == link::kWriteOk.key; }

}  // namespace

RadioJob::RadioJob(JobPlan plan, const TALL& state, const TransferSession& session, const TLanguage& messages,
                   RadioLink& line, JobListener& listener)
    : plan_(std::move(plan)),
      state_(state),
      session_(session),
      messages_(messages),
      line_(line),
      listener_(listener) {}

RadioJob::~RadioJob() {
    host_.reset();  // before the engine it refers to
}

void RadioJob::Start() {
    started_ = true;
    clock_.start();
    if (plan_.kind == JobPlan::Kind::Read) {
        Begin(JobStep::Read);
        return;
    }
    if (plan_.idNumber) {
        // Through the DTMF window's own encoding: the digits, "*" after them.
        const SettingWrite written = WriteSetting(state_, "id-code", link::IdCodeText(*plan_.idNumber));
        if (!written.Ok()) {
            step_ = JobStep::Write;
            Finish(JobOutcome::Kind::Failed, "the ID number " + std::to_string(*plan_.idNumber) +
                                                 " does not fit the DTMF ID code (10 digits)");
            return;
        }
    }
    Begin(*link::FirstStep(plan_.Backup()));
}

void RadioJob::Interrupt() {
    if (!started_ || outcome_.Ended() || interrupted_) return;
    interrupted_ = true;
    if (engine_ && engine_->Running() && !stepEnded_) {
        host_->Input([this] { return engine_->Interrupt(); });  // Finished(Cancelled) follows
        return;
    }
    if (!stepEnded_) {
        // The port is being opened: nothing has been sent yet.
        stepEnded_ = true;
        host_.reset();
        Finish(JobOutcome::Kind::Interrupted, link::InterruptedText(step_, 0));
    }
    // Otherwise the step has just ended and Next() sees the interruption.
}

link::EngineOptions RadioJob::Options() {
    link::EngineOptions options;
    options.portNumber = ComPortNumber(plan_.port);
    options.random = [this](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); };
    return options;
}

void RadioJob::Begin(JobStep step) {
    host_.reset();
    step_ = step;
    stepEnded_ = false;
    completion_.clear();
    failure_.clear();
    failureKey_.clear();
    const bool write = step == JobStep::Write;
    if (write) {
        auto engine = std::make_unique<link::WriteTransfer>(state_, session_, Options(), link::ClockSource{});
        ok_ = [this, e = engine.get()] {
            return e->Ok(plan_.password, plan_.newPassword.has_value(), plan_.newPassword.value_or(""));
        };
        engine_ = std::move(engine);
    } else {
        auto engine = std::make_unique<link::ReadTransfer>(session_, Options());
        ok_ = [e = engine.get(), password = step == JobStep::Verify ? writtenPassword_ : plan_.password] {
            return e->Ok(password);
        };
        engine_ = std::move(engine);
    }
    host_ = std::make_unique<TransferHost>(
        *engine_, line_, static_cast<TransferObserver&>(*this),
        write ? TransferHost::kWriteDrainGiveUpMs : TransferHost::kReadDrainGiveUpMs);
    host_->OpenPort(plan_.port, !write);
}

void RadioJob::PortOpened() { host_->Input(ok_); }

void RadioJob::Progress(int position, int max) { listener_.Progress(*this, step_, position, max); }

void RadioJob::Message(const link::ShowMessage& message, std::function<void()> closed) {
    // The built-in English texts: the front end translates what it shows.
    std::string text = host_->MessageText(message, "");
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    if (IsCompletion(message.key)) {
        completion_ = text;
        listener_.Note(*this, text);
    } else if (failure_.empty()) {
        failure_ = text;
        failureKey_ = message.key;
    }
    closed();
}

void RadioJob::Finished(const link::Finished& finished) {
    if (stepEnded_) return;
    stepEnded_ = true;
    listener_.Transferred(*this, step_, host_->Stats());
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
    if (interrupted_) {
        const bool written = step_ == JobStep::Write && outcome == link::Outcome::Completed;
        Finish(JobOutcome::Kind::Interrupted,
               written ? link::InterruptedText(JobStep::Verify, 0)
                       : link::InterruptedText(step_, engine_ ? engine_->FramesAnswered() : 0));
        return;
    }
    if (outcome != link::Outcome::Completed) {
        Finish(JobOutcome::Kind::Failed,
               failure_.empty() ? std::string(link::StepName(step_)) + ": the transfer was abandoned"
                                : failure_);
        return;
    }
    if (step_ == JobStep::Write) {
        writtenPassword_ = static_cast<const link::WriteTransfer&>(*engine_).PasswordWritten();
        if (const auto next = link::NextStep(step_, plan_.verify))
            Begin(*next);
        else
            Finish(JobOutcome::Kind::Done, completion_);
        return;
    }
    AfterRead(static_cast<const link::ReadTransfer&>(*engine_).Outcome());
}

void RadioJob::SaveBackup(const link::ReadOutcome& outcome) {
    TALL backup = state_;
    link::ApplyReadOutcome(backup, session_, outcome);
    const std::string path = plan_.backupPath(outcome.areaCode);
    std::error_code ec;
    if (!plan_.replaceBackup && std::filesystem::exists(path, ec)) {
        Finish(JobOutcome::Kind::Failed, path + ": the backup exists and is kept; nothing was written");
        return;
    }
    if (const DataFileResult saved = SaveDataFile(backup, path); !saved.ok) {
        Finish(JobOutcome::Kind::Failed,
               saved.messageKey.empty() ? saved.text
                                        : path + ": " + MessageText(messages_, saved.messageKey, saved.text));
        return;
    }
    listener_.Note(*this, "Backup saved as " + path);
    Begin(JobStep::Write);
}

void RadioJob::AfterRead(const link::ReadOutcome& outcome) {
    readBack_ = outcome;
    if (step_ == JobStep::Read) {
        link::ApplyReadOutcome(state_, session_, outcome);
        Finish(JobOutcome::Kind::Done, completion_);
    } else if (step_ == JobStep::Backup) {
        SaveBackup(outcome);
    } else {
        const int a = link::FirstDifference(state_.Image, outcome.blocks);
        if (a >= 0) {
            Finish(JobOutcome::Kind::Failed, link::DifferenceText(state_.Image, outcome.blocks, a), a);
            return;
        }
        outcome_.verified = true;
        listener_.Note(*this, "Verified: radio bytes 0 to " + std::to_string(link::kWriteLastIndex - 1) +
                                  " read back as written.");
        Finish(JobOutcome::Kind::Done, link::kWriteOk.text);
    }
}

void RadioJob::Finish(JobOutcome::Kind kind, std::string message, int firstDifference) {
    host_.reset();
    line_.Close();
    outcome_.kind = kind;
    outcome_.step = step_;
    outcome_.messageKey = kind == JobOutcome::Kind::Failed && message == failure_ ? failureKey_ : "";
    outcome_.message = std::move(message);
    outcome_.firstDifference = firstDifference;
    elapsedMs_ = clock_.isValid() ? clock_.elapsed() : 0;
    listener_.Done(*this);
}

std::string RadioJob::Area() const {
    // Erased bytes: no radio has answered yet.
    const std::string code = AreaCodeOf(state_.Image);
    return code == "FFFF" ? "" : code;
}

}  // namespace lm
