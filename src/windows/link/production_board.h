#pragma once
// What a production run tells, shown in the Production window's table: each port's progress, step, area
// code, ID number, result and seconds; a failed radio's row marked. For "Check radios" a radio read back is
// compared with the data file, and the result names the first difference.
#include <QString>
#include <array>
#include <functional>

#include "core/state.h"
#include "port/production_run.h"
#include "windows/link/production_table.h"

namespace lm {

// The texts the board shows, in the window's language.
struct BoardTexts {
    std::array<QString, 4> steps{"Reading", "Backup", "Writing", "Verifying"};  // by link::JobStep
    QString waiting = "waiting for a radio";
    QString takeOff = "done: take the radio off";
    QString matches = "matches";
    QString differs = "differs: %1";
    QString portTrouble = "cannot open the port: %1";
};

class ProductionBoard : public RunListener {
public:
    ProductionBoard(ProductionTable& table, BoardTexts texts);

    // A check of the radios against master (nullptr: the run writes radios); master must outlive the run.
    void CheckAgainst(const TALL* master) { master_ = master; }
    // Told when a radio has ended and when the run has ended.
    void OnJobEnded(std::function<void()> call) { jobEnded_ = std::move(call); }
    void OnRunEnded(std::function<void()> call) { runEnded_ = std::move(call); }

    void Started(const RadioJob& job) override;
    void Progress(const RadioJob& job, link::JobStep step, int position, int max) override;
    void Note(const RadioJob& /*job*/, const std::string& /*text*/) override {}
    void Done(const RadioJob& job) override;
    void Waiting(const std::string& port, bool forRemoval) override;
    void PortTrouble(const std::string& port, const std::string& why) override;
    void RunEnded() override;

private:
    QString StepText(link::JobStep step) const;
    // The result of a check: matches, or the first difference; false when the radio differs.
    bool CheckResult(const RadioJob& job, QString& text) const;

    ProductionTable& table_;
    BoardTexts texts_;
    const TALL* master_ = nullptr;
    std::function<void()> jobEnded_;
    std::function<void()> runEnded_;
};

}  // namespace lm
