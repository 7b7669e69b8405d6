#include "job_board.h"

#include <unistd.h>

#include <QEventLoop>
#include <algorithm>
#include <iomanip>
#include <iostream>

#include "core/printable.h"
#include "port/serial_port.h"

namespace lm::cli {
namespace {

constexpr int kBarWidth = 40;

std::string Bar(int position, int max) {
    const int filled = max > 0 ? position * kBarWidth / max : 0;
    return "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] " +
           std::to_string(position) + "/" + std::to_string(max);
}

// A result on one line, as it may be shown.
std::string OneLine(std::string text) {
    for (std::size_t i = 0; (i = text.find('\n', i)) != std::string::npos;) text.replace(i, 1, "; ");
    return Printable(text);
}

// The port as the command line named it, as it may be shown.
std::string PortOf(const RadioJob& job) { return Printable(job.Plan().port); }

std::string IdOf(const RadioJob& job) {
    return job.Plan().idNumber ? link::IdCodeText(*job.Plan().idNumber) : "";
}

}  // namespace

JobBoard::JobBoard(std::ostream& out, std::ostream& err, bool several, bool timing)
    : out_(out),
      err_(err),
      several_(several),
      timing_(timing),
      tty_(&err == &std::cerr && isatty(STDERR_FILENO) == 1) {}

std::string JobBoard::Label(const std::string& port, const std::string& stage) const {
    return several_ ? Printable(port) + " " + stage : stage;
}

void JobBoard::Run(ProductionRun& run, const std::vector<std::string>& ports, bool watch) {
    lines_.clear();
    heldNotes_.clear();
    watching_ = watch;
    // While watching, radios come and go: plain lines, never redrawn.
    if (watch) tty_ = false;
    int row = 0;
    for (const std::string& port : ports) lines_[port] = Line{row++, "", 0, Printable(port) + " waiting"};
    if (several_ && tty_)
        for (const std::string& port : ports) err_ << lines_[port].text << '\n';
    err_ << std::flush;
    QEventLoop loop;
    loop_ = &loop;
    probe_.Start();
    if (watch)
        run.Watch();
    else
        run.StartRound();
    if (run.Running()) loop.exec();
    loop_ = nullptr;
    EndSingleLine();
    for (const std::string& note : heldNotes_) out_ << note << '\n';
    out_ << std::flush;
}

void JobBoard::Draw(const Line& line) {
    if (!several_) {
        err_ << '\r' << line.text << std::flush;
        drawn_ = true;
        return;
    }
    // Up to the radio's row, redraw it, back down below the last row.
    const int up = static_cast<int>(lines_.size()) - line.row;
    err_ << "\x1b[" << up << "A\r\x1b[K" << line.text << "\x1b[" << up << "B\r" << std::flush;
}

void JobBoard::EndSingleLine() {
    if (drawn_) err_ << '\n' << std::flush;
    drawn_ = false;
}

void JobBoard::Progress(const RadioJob& job, link::JobStep step, int position, int max) {
    Line& line = lines_[job.Plan().port];
    const std::string stage = link::StepName(step);
    if (stage != line.stage) {
        EndSingleLine();
        line.stage = stage;
        line.position = 0;
    }
    if (position <= line.position || max <= 0) return;  // the bar emptied after the end is not shown
    line.position = position;
    if (!tty_) {
        err_ << Label(job.Plan().port, stage) << ' ' << position << '/' << max << '\n';
        return;
    }
    line.text = Label(job.Plan().port, stage) + " " + Bar(position, max);
    Draw(line);
}

void JobBoard::Say(const std::string& port, const std::string& text) {
    if (!several_) {
        EndSingleLine();
        out_ << PrintableMessage(text) << '\n' << std::flush;
    } else if (tty_) {
        heldNotes_.push_back(Printable(port) + ": " + PrintableMessage(text));
    } else {
        out_ << Printable(port) << ": " << PrintableMessage(text) << '\n' << std::flush;
    }
}

void JobBoard::Note(const RadioJob& job, const std::string& text) { Say(job.Plan().port, text); }

void JobBoard::Transferred(const RadioJob& job, link::JobStep step, const TransferStats& s) {
    if (!timing_) return;
    EndSingleLine();
    const std::size_t bytes = s.bytesSent + s.bytesReceived;
    const std::string text = "timing: " + Label(job.Plan().port, link::StepName(step)) + ' ' +
                             Ms(s.elapsedUs) + "; " + std::to_string(s.bytesSent) + " bytes out, " +
                             std::to_string(s.bytesReceived) + " bytes in, " + std::to_string(s.framesSent) +
                             " frames; line time " + Ms(SerialPort::LineTimeUs(bytes)) +
                             "; longest event-loop stall " + Ms(probe_.LongestUs());
    if (several_ && tty_)
        heldNotes_.push_back(text);
    else
        err_ << text << '\n' << std::flush;
}

void JobBoard::Done(const RadioJob& job) {
    Line& line = lines_[job.Plan().port];
    if (several_ && tty_) {
        line.text = PortOf(job) + " " + OneLine(job.Outcome().message);
        Draw(line);
    }
    // While watching, each radio's end has a line of its own (a completion without a number was a note).
    const std::string id = IdOf(job);
    if (watching_ && (!id.empty() || !job.Outcome().Done()))
        Say(job.Plan().port, (id.empty() ? "" : "ID " + id + ": ") + OneLine(job.Outcome().message));
}

void JobBoard::Waiting(const std::string& port, bool forRemoval) {
    Say(port, forRemoval ? "done; take the radio off" : "waiting for a radio");
}

void JobBoard::PortTrouble(const std::string& port, const std::string& why) {
    Say(port, "cannot open the port (" + why + "); trying again");
}

void JobBoard::RunEnded() {
    if (loop_ != nullptr) loop_->quit();
}

void JobBoard::PrintTable(const std::vector<const RadioJob*>& jobs) const {
    std::size_t portWidth = 4;
    std::size_t resultWidth = 6;
    bool ids = false;
    for (const RadioJob* job : jobs) {
        portWidth = std::max(portWidth, PortOf(*job).size());
        resultWidth = std::max(resultWidth, OneLine(job->Outcome().message).size());
        ids = ids || job->Plan().idNumber.has_value();
    }
    const auto port = static_cast<int>(portWidth);
    const auto result = static_cast<int>(resultWidth);
    out_ << std::left << std::setw(port) << "port"
         << "  area  " << (ids ? "id          " : "") << std::setw(result) << "result"
         << "  seconds\n";
    for (const RadioJob* job : jobs) {
        const std::int64_t ms = job->ElapsedMs();
        out_ << std::left << std::setw(port) << PortOf(*job) << "  " << std::setw(4) << job->Area() << "  ";
        if (ids) out_ << std::setw(10) << IdOf(*job) << "  ";
        out_ << std::setw(result) << OneLine(job->Outcome().message) << "  " << ms / 1000 << "."
             << ms % 1000 / 100 << '\n';
    }
    out_ << std::flush;
}

}  // namespace lm::cli
