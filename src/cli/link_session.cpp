#include "link_session.h"

#include <QCoreApplication>

#include <clocale>
#include <filesystem>
#include <iostream>
#include <optional>
#include <random>

#include <unistd.h>

#include "command.h"
#include "core/port_name.h"
#include "link/handshake.h"
#include "port/serial_port.h"
#include "port/transfer_runner.h"
#include "link/read_transfer.h"
#include "link/write_transfer.h"
#include "settings/language.h"
#include "globals/globals.h"

namespace lm::cli {
namespace {

// The one application object of the process, made on first use; Qt's change of the C locale is undone.
class EventLoopScope {
public:
    EventLoopScope() {
        if (QCoreApplication::instance() != nullptr) return;
        const std::string locale = std::setlocale(LC_ALL, nullptr);
        app_.emplace(argc_, argv_);
        std::setlocale(LC_ALL, locale.c_str());
    }

private:
    static inline int argc_ = 1;
    static inline char name_[] = "lm418t-cli";
    static inline char* argv_[] = {name_, nullptr};
    std::optional<QCoreApplication> app_;
};

// A progress bar redrawn in place on a terminal; one line per step otherwise.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, std::string label)
        : err_(err), label_(std::move(label)), tty_(&err == &std::cerr && isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() { End(); }

    void Set(int position, int max) {
        if (position <= last_ || max <= 0) return;  // the bar emptied after the end is not shown
        last_ = position;
        if (!tty_) {
            err_ << label_ << ' ' << position << '/' << max << '\n';
            return;
        }
        constexpr int kWidth = 40;
        const int filled = position * kWidth / max;
        err_ << '\r' << label_ << " [" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] "
             << position << '/' << max << std::flush;
        drawn_ = true;
    }
    void End() {
        if (drawn_) err_ << '\n' << std::flush;
        drawn_ = false;
    }

private:
    std::ostream& err_;
    std::string label_;
    bool tty_;
    int last_ = 0;
    bool drawn_ = false;
};

// The text of a message as the message box shows it: the translation of its key (or its built-in text), then
// its detail with the line break of the message box as a new line and the trailing blanks dropped.
std::string ShownText(const link::ShowMessage& message) {
    std::string text = link::WithDetail(MessageText(gLanguage, message.key, message.text), message);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

bool IsCompletion(const std::string& key) { return key == link::kReadOk.key || key == link::kWriteOk.key; }

// Milliseconds with one decimal from microseconds, without floating point.
std::string Ms(std::int64_t us) {
    return std::to_string(us / 1000) + "." + std::to_string(us % 1000 / 100) + " ms";
}

}  // namespace

struct LinkSession::Impl {
    Impl(LinkOptions o, std::ostream& output, std::ostream& errors) : options(std::move(o)), out(output), err(errors) {}

    EventLoopScope loop;  // before every Qt object
    LinkOptions options;
    std::ostream& out;
    std::ostream& err;
    SerialPort port;
    std::mt19937 random{std::random_device{}()};

    link::EngineOptions EngineOptions() {
        link::EngineOptions e;
        e.portNumber = ComPortNumber(options.port);
        e.random = [this](int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random); };
        return e;
    }

    // Runs one attempt and throws Failure unless it completed.
    void Run(link::TransferEngine& engine, const std::function<link::Actions()>& ok, const std::string& label,
             bool read) {
        ProgressLine progress(err, label);
        std::string failure;
        TransferRunner* running = nullptr;
        TransferRunner::Observer observer;
        observer.progress = [&](int position, int max) { progress.Set(position, max); };
        observer.message = [&](const link::ShowMessage& message) {
            progress.End();
            std::string text = ShownText(message);
            if (IsCompletion(message.key)) {
                out << text << '\n' << std::flush;
                return;
            }
            if (message.key == link::kPortError.key && !running->OpenFailure().empty())
                text += '\n' + running->OpenFailure();
            failure = text;
        };
        TransferRunner::Options runnerOptions;
        runnerOptions.portName = options.port;
        runnerOptions.reopen = read;
        runnerOptions.drainGiveUpMs =
            read ? TransferRunner::kReadDrainGiveUpMs : TransferRunner::kWriteDrainGiveUpMs;
        runnerOptions.measureStalls = options.timing;
        TransferRunner runner(port, runnerOptions, observer);
        running = &runner;
        const TransferResult result = runner.Run(engine, ok);
        progress.End();
        if (options.timing) Report(label, result.stats);
        if (result.outcome == link::Outcome::Completed) return;
        throw Failure(failure.empty() ? label + ": the transfer was abandoned" : failure);
    }

    void Report(const std::string& label, const TransferStats& s) {
        const std::size_t bytes = s.bytesSent + s.bytesReceived;
        err << "timing: " << label << ' ' << Ms(s.elapsedUs) << "; " << s.bytesSent << " bytes out, "
            << s.bytesReceived << " bytes in, " << s.framesSent << " frames; line time "
            << Ms(SerialPort::LineTimeUs(bytes)) << "; longest event-loop stall " << Ms(s.longestStallUs) << '\n';
    }
};

LinkSession::LinkSession(LinkOptions options, std::ostream& out, std::ostream& err)
    : impl_(std::make_unique<Impl>(std::move(options), out, err)) {}

LinkSession::~LinkSession() = default;

void LinkSession::Read(TALL& state, const std::string& password, const std::string& label,
                       std::array<std::uint8_t, 512>* staging) {
    link::ReadTransfer engine(state, impl_->EngineOptions());
    impl_->Run(engine, [&] { return engine.Ok(password); }, label, true);
    if (engine.Succeeded()) link::ApplyReadOutcome(state, engine.Outcome());
    if (staging != nullptr) *staging = engine.Staging();
}

std::string LinkSession::Write(TALL& state, const std::string& password, bool updatePassword,
                               const std::string& newPassword, const std::string& label) {
    link::WriteTransfer engine(state, impl_->EngineOptions(), {});
    impl_->Run(engine, [&] { return engine.Ok(password, updatePassword, newPassword); }, label, false);
    return engine.PasswordWritten();
}

void LinkSession::ClosePort() { impl_->port.Close(); }

void RequireFolderOf(const std::string& path) {
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (folder.empty()) folder = ".";
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec))
        throw Failure(path + ": the folder " + folder.string() + " does not exist");
}

}  // namespace lm::cli
