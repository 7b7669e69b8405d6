#pragma once
// Runs the radio jobs (made after the board, so that they go first) of a link command side by side on the
// event loop and shows how they go: one progress line per radio, redrawn in place on a terminal and plain
// lines otherwise; the notes of each radio; with several radios a closing table of port, area, result and
// seconds.
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "event_loop.h"
#include "radio_job.h"

class QEventLoop;

namespace lm::cli {

class JobBoard : public JobListener {
public:
    // several: more than one radio (lines carry the port); timing: what each transfer cost goes to err.
    JobBoard(std::ostream& out, std::ostream& err, bool several, bool timing);

    // Starts every job and runs the event loop until all have ended.
    void Run(const std::vector<std::unique_ptr<RadioJob>>& jobs);
    // The closing table of the jobs, on out.
    void PrintTable(const std::vector<std::unique_ptr<RadioJob>>& jobs) const;

    void Progress(const RadioJob& job, const std::string& stage, int position, int max) override;
    void Note(const RadioJob& job, const std::string& text) override;
    void Transferred(const RadioJob& job, const std::string& stage, const TransferStats& stats) override;
    void Done(const RadioJob& job) override;

private:
    struct Line {
        int row = 0;
        std::string stage;
        int position = 0;
        std::string text;
    };
    std::string Label(const RadioJob& job, const std::string& stage) const;
    void Draw(const Line& line);
    void EndSingleLine();

    EventLoopScope loopScope_;  // before every Qt object
    std::ostream& out_;
    std::ostream& err_;
    bool several_;
    bool timing_;
    bool tty_;
    std::map<const RadioJob*, Line> lines_;
    std::vector<std::string> heldNotes_;  // several radios on a terminal: shown once the lines are done
    bool drawn_ = false;
    int running_ = 0;
    QEventLoop* loop_ = nullptr;
    StallProbe probe_;
};

}  // namespace lm::cli
