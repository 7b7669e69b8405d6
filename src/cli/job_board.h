#pragma once
// Shows how the radio jobs of a link command go (the production run of port/production_run.h, made after the
// board): one progress line per port, redrawn in place on a terminal and plain lines otherwise; the notes of
// each radio; with several radios a closing table of port, area, ID number, result and seconds.
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "event_loop.h"
#include "port/production_run.h"

class QEventLoop;

namespace lm::cli {

class JobBoard : public RunListener {
public:
    // several: more than one radio (lines carry the port); timing: what each transfer cost goes to err.
    JobBoard(std::ostream& out, std::ostream& err, bool several, bool timing);

    // Runs the event loop until the run ends: after starting a round of jobs on every port, or, with watch,
    // each port's radio as it answers (until run.Interrupt()).
    void Run(ProductionRun& run, const std::vector<std::string>& ports, bool watch = false);
    // The closing table of the jobs, on out.
    void PrintTable(const std::vector<const RadioJob*>& jobs) const;

    void Progress(const RadioJob& job, link::JobStep step, int position, int max) override;
    void Note(const RadioJob& job, const std::string& text) override;
    void Transferred(const RadioJob& job, link::JobStep step, const TransferStats& stats) override;
    void Done(const RadioJob& job) override;
    void Waiting(const std::string& port, bool forRemoval) override;
    void PortTrouble(const std::string& port, const std::string& why) override;
    void RunEnded() override;

private:
    struct Line {
        int row = 0;
        std::string stage;
        int position = 0;
        std::string text;
    };
    std::string Label(const std::string& port, const std::string& stage) const;
    void Draw(const Line& line);
    void EndSingleLine();
    void Say(const std::string& port, const std::string& text);

    EventLoopScope loopScope_;  // before every Qt object
    std::ostream& out_;
    std::ostream& err_;
    bool several_;
    bool timing_;
    bool tty_;
    bool watching_ = false;
    std::map<std::string, Line> lines_;
    std::vector<std::string> heldNotes_;  // several radios on a terminal: shown once the lines are done
    bool drawn_ = false;
    QEventLoop* loop_ = nullptr;
    StallProbe probe_;
};

}  // namespace lm::cli
