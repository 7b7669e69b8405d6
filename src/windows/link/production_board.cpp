#include "windows/link/production_board.h"

#include "link/job_rules.h"
#include "widgets/translate.h"
#include "widgets/window_language.h"

namespace lm {
namespace {

// A result on one line.
std::string OneLine(std::string text) {
    for (std::size_t i = 0; (i = text.find('\n', i)) != std::string::npos;) text.replace(i, 1, "; ");
    return text;
}

// The outcome's message in the window's language when it is one of the message table's.
std::string OutcomeText(const link::JobOutcome& outcome) {
    if (outcome.messageKey.empty()) return OneLine(outcome.message);
    return OneLine(WindowMessageText(outcome.messageKey, outcome.message));
}

}  // namespace

ProductionBoard::ProductionBoard(ProductionTable& table, BoardTexts texts)
    : table_(table), texts_(std::move(texts)) {}

QString ProductionBoard::StepText(link::JobStep step) const {
    return texts_.steps[static_cast<std::size_t>(step)];
}

void ProductionBoard::Started(const RadioJob& job) {
    const auto& plan = job.Plan();
    table_.Change(plan.port, [&](PortRow& row) {
        row.state = PortRow::State::Busy;
        row.position = 0;
        row.max = 0;
        row.step.clear();
        row.area.clear();
        row.id = plan.idNumber ? link::IdCodeText(*plan.idNumber) : "";
        row.result.clear();
        row.ms = -1;
    });
}

void ProductionBoard::Progress(const RadioJob& job, link::JobStep step, int position, int max) {
    table_.Change(job.Plan().port, [&](PortRow& row) {
        row.step = StepText(step).toStdString();
        // The bar emptied after a step's end is not shown.
        if (max > 0 && position > 0) {
            row.position = position;
            row.max = max;
        }
        row.area = job.Area();
    });
}

bool ProductionBoard::CheckResult(const RadioJob& job, QString& text) const {
    const std::vector<Difference> differences =
        link::DifferencesFromMaster(*master_, job.ReadBack().blocks, CurrentLanguageLookup());
    if (differences.empty()) {
        text = texts_.matches;
        return true;
    }
    text = texts_.differs.arg(QString::fromStdString(differences.front().Text()));
    return false;
}

void ProductionBoard::Done(const RadioJob& job) {
    const link::JobOutcome& outcome = job.Outcome();
    QString result = QString::fromStdString(OutcomeText(outcome));
    bool good = outcome.Done();
    if (good && master_ != nullptr) good = CheckResult(job, result);
    table_.Change(job.Plan().port, [&](PortRow& row) {
        row.state = good ? PortRow::State::Done : PortRow::State::Failed;
        row.step = StepText(outcome.step).toStdString();
        row.area = job.Area();
        row.result = result.toStdString();
        row.ms = job.ElapsedMs();
    });
    if (jobEnded_) jobEnded_();
}

void ProductionBoard::Waiting(const std::string& port, bool forRemoval) {
    table_.Change(port, [&](PortRow& row) {
        row.step = (forRemoval ? texts_.takeOff : texts_.waiting).toStdString();
        if (!forRemoval) row.position = row.max = 0;
    });
}

void ProductionBoard::PortTrouble(const std::string& port, const std::string& why) {
    table_.Change(port, [&](PortRow& row) {
        row.step = texts_.portTrouble.arg(QString::fromStdString(OneLine(why))).toStdString();
    });
}

void ProductionBoard::RunEnded() {
    if (runEnded_) runEnded_();
}

}  // namespace lm
