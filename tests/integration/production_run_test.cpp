// The job engine against simulated radios on pseudo-terminals: several radios at once with backup, write, ID
// number and verify, their outcomes as data, the log, and a failed radio retried with its number.
#include "port/production_run.h"

#include <gtest/gtest.h>

#include <QEventLoop>
#include <memory>

#include "cli_helpers.h"
#include "core/models.h"
#include "core/settings_access.h"
#include "port/simulated_radio.h"
#include "sim_fixture.h"

namespace lm {
namespace {

struct Recorder : RunListener {
    void Progress(const RadioJob&, link::JobStep, int, int) override {}
    void Note(const RadioJob&, const std::string&) override {}
    void Done(const RadioJob& job) override { done.push_back(&job); }
    void RunEnded() override { ++ended; }
    void Waiting(const std::string& port, bool forRemoval) override {
        waits.push_back(port + (forRemoval ? " off" : " on"));
    }
    std::vector<const RadioJob*> done;
    std::vector<std::string> waits;
    int ended = 0;
};

std::unique_ptr<test::SimThread> Radio(const std::string& link, const sim::Faults& faults,
                                       std::string& port) {
    sim::RunnerOptions options = test::SimThread::Unpaced();
    options.linkPath = link;
    auto sim = std::make_unique<test::SimThread>(test::ValidRadio(11), faults, options);
    port = sim->Start();
    return sim;
}

// A run of a new document on ports, numbering the radios from idFrom; more adds to each port's plan.
RunSetup NewRun(std::vector<std::string> ports, std::uint64_t idFrom,
                std::function<void(JobPlan&, int round)> more = {}) {
    RunSetup setup;
    StartSession(setup.document);
    setup.ports = std::move(ports);
    setup.idFrom = idFrom;
    setup.plan = [more](const std::string& port, int round) {
        JobPlan plan;
        plan.port = port;
        if (more) more(plan, round);
        return plan;
    };
    return setup;
}

TEST(ProductionRun, BackupWriteVerifyAndARetriedRadioKeepingItsNumber) {
    test::TempDir dir;
    sim::Faults forgetful;
    forgetful.forgetFrame = 3;  // radio bytes 24..31 stay as they were
    std::string a, b, c;
    auto simA = Radio(dir.File("a"), {}, a);
    auto simB = Radio(dir.File("b"), forgetful, b);
    auto simC = Radio(dir.File("c"), {}, c);

    ProductionLog log(dir.File("log.csv"), "in.dat", "00");
    ASSERT_EQ(log.Open(), "");
    RunSetup setup = NewRun({a, b, c}, 41, [&dir](JobPlan& plan, int round) {
        plan.verify = true;
        plan.backupPath = [&dir, port = plan.port, round](const std::string& area) {
            return dir.File(port.substr(port.rfind('/') + 1) + "-" + area + "-" + std::to_string(round) +
                            ".dat");
        };
    });
    setup.log = &log;
    TLanguage messages;
    Recorder recorder;
    ProductionRun run(std::move(setup), messages, recorder);

    run.StartRound();
    ASSERT_TRUE(test::SpinUntil([&] { return recorder.ended == 1; }, 20000));
    const auto jobs = run.LastJobs();
    ASSERT_EQ(jobs.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const bool done = i != 1;  // b forgets a frame
        const std::uint64_t id = 41 + i;
        const link::JobOutcome& o = jobs[i]->Outcome();
        EXPECT_EQ(o.Done(), done) << o.message;
        EXPECT_EQ(o.step, link::JobStep::Verify);
        EXPECT_EQ(o.verified, done);
        EXPECT_EQ(o.firstDifference, done ? -1 : 24);
        EXPECT_EQ(jobs[i]->Plan().idNumber, id);
        EXPECT_EQ(ReadSetting(jobs[i]->State(), "id-code"), link::IdCodeText(id));
        EXPECT_TRUE(std::filesystem::exists(dir.File(std::string("abc").substr(i, 1) + "-0755-1.dat")));
    }
    EXPECT_EQ(run.Totals().written, 2);
    EXPECT_EQ(run.Totals().failed, 1);

    // The failing radio is replaced on its port; only it is written again, with the number it gave back.
    simB.reset();
    auto simB2 = Radio(dir.File("b"), {}, b);
    run.RetryFailed();
    ASSERT_TRUE(test::SpinUntil([&] { return recorder.ended == 2; }, 20000));
    ASSERT_EQ(recorder.done.size(), 4u);
    EXPECT_EQ(recorder.done.back()->Plan().port, b);
    EXPECT_TRUE(recorder.done.back()->Outcome().Done()) << recorder.done.back()->Outcome().message;
    EXPECT_EQ(recorder.done.back()->Plan().idNumber, 42u);
    EXPECT_EQ(run.Totals().written, 3);

    std::istringstream rows(test::ReadText(dir.File("log.csv")));
    std::vector<std::string> ids;
    for (std::string line; std::getline(rows, line);) ids.push_back(line.substr(line.rfind(',') + 1));
    EXPECT_EQ(ids, (std::vector<std::string>{"id number", "41", "42", "43", "42"}));
}

// Watching two ports: the radio there from the start is written at once, the one put on its cable later when
// it answers; each port then waits for its radio to be taken off, and an interrupt ends the watch. Between
// the jobs a port sends nothing but wake-up frames.
TEST(ProductionRun, WatchStartsEachRadioWhenItAnswers) {
    for (int n : {2, 3}) ResetSimulatedRadio(test::ValidRadio(11), {}, n);
    SetSimulatedRadioAttached(3, false);
    const std::string early = SimulatedPortName(2), late = SimulatedPortName(3);
    TLanguage messages;
    Recorder recorder;
    ProductionRun run(NewRun({early, late}, 1), messages, recorder);
    run.Watch();
    ASSERT_TRUE(test::SpinUntil([&] { return recorder.done.size() == 1; }, 10000));
    EXPECT_EQ(recorder.done[0]->Plan().port, early);
    test::SpinUntil([] { return false; }, 1500);  // the late radio is still off its cable
    EXPECT_EQ(recorder.done.size(), 1u);
    SetSimulatedRadioAttached(3, true);
    ASSERT_TRUE(test::SpinUntil([&] { return recorder.done.size() == 2; }, 10000));
    EXPECT_EQ(recorder.done[1]->Plan().port, late);
    EXPECT_EQ(recorder.done[1]->Plan().idNumber, 2u);
    SetSimulatedRadioAttached(2, false);
    ASSERT_TRUE(test::SpinUntil(
        [&] { return std::count(recorder.waits.begin(), recorder.waits.end(), early + " on") == 2; }, 10000));
    EXPECT_TRUE(run.Running());
    run.Interrupt();
    ASSERT_TRUE(test::SpinUntil([&] { return recorder.ended == 1; }, 5000));
    EXPECT_EQ(run.Totals().written, 2);
    // One session each, ended, the whole image written; every other frame was a wake-up frame.
    for (int n : {2, 3}) {
        const auto& frames = SimulatedRadio(n).log();
        const auto count = [&](const char* word) {
            return std::count_if(frames.begin(), frames.end(),
                                 [&](const std::string& l) { return l.starts_with(word); });
        };
        EXPECT_EQ(count("ident"), 1) << n;
        EXPECT_EQ(count("end"), 1) << n;
        EXPECT_EQ(count("write 0x"), 58) << n;
        EXPECT_EQ(count("wake") + count("ident") + count("confirm") + count("write 0x") + count("end"),
                  static_cast<long>(frames.size()))
            << n;
    }
}

}  // namespace
}  // namespace lm
