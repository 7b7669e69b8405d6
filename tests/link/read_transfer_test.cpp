// The read transfer against the simulated radio: the complete read, every row of its failure table.
#include "link/read_transfer.h"

#include <gtest/gtest.h>

#include "core/memory_map.h"
#include "engine_harness.h"
#include "link/area_table.h"

namespace lm::link {
namespace {

using test::Bytes;
using test::Harness;
using test::TestRadio;

struct ReadFixture : ::testing::Test {
    void SetUp() override {
        test::ResetState(state, session);
        sim::Memory memory;
        for (int i = 0; i < 528; ++i) memory[i] = static_cast<std::uint8_t>(i * 7 + 3);
        radio = TestRadio(memory);
        radio.SetBandCode(240);  // 150 - 174MHz: the VHF variant
        state.Image[img::kBlock32First] = 0x5A;
        state.Image[500] = 0x77;
        before = state;
    }
    void ExpectUnchanged() {
        EXPECT_EQ(state.Image, before.Image);
        EXPECT_EQ(state.ModelTitle, before.ModelTitle);
        EXPECT_EQ(state.BandName, before.BandName);
        EXPECT_EQ(state.Modified, before.Modified);
    }
    TALL state;
    TransferSession session;
    sim::Radio radio = TestRadio();
    TALL before;
};

TEST_F(ReadFixture, CompleteRead) {
    radio.SetPassword("2468", 0x3C);
    ReadTransfer read(session, {1, {}});
    Harness h(read);
    h.radio = &radio;
    h.Apply(read.Ok("2468"));
    h.Run(100000, [&] { return h.messagesOpen > 0; });
    // The message is open: nothing has reached the image yet.
    EXPECT_EQ(h.LastMessage(), "ReadOk");
    EXPECT_EQ(state.Image, before.Image);
    h.Run();
    EXPECT_TRUE(read.Succeeded());
    EXPECT_TRUE(h.closed);
    // The completed read hands over its outcome and changes no state by itself; the host applies it.
    ExpectUnchanged();
    ApplyReadOutcome(state, session, read.Outcome());

    // 31 requests at 0x000..0x1E0, each followed by an acknowledgement; one end frame.
    std::vector<Bytes> requests;
    for (auto& f : h.sent) {
        if (f.size() == 4) requests.push_back(f);
    }
    ASSERT_EQ(requests.size(), 31u);
    for (int b = 0; b < 31; ++b) {
        EXPECT_EQ(requests[b], (Bytes{0x52, static_cast<std::uint8_t>(16 * b >> 8),
                                      static_cast<std::uint8_t>(16 * b & 0xFF), 0x10}));
    }
    EXPECT_EQ(std::count(h.sent.begin(), h.sent.end(), Bytes{0x06}), 32);
    EXPECT_EQ(h.sent.back(), Bytes{'E'});

    // Radio bytes 0..495 land at Image[1..496]; 497..512 become 0; block 32 and Image[0] untouched.
    // Settings bytes may be repaired by SanitizeImage; the channel slots and the stamps are copied as they
    // are.
    for (int a = 0; a < 256 + 16; ++a) EXPECT_EQ(state.Image[1 + a], radio.memory()[a]) << a;
    for (int a = 448; a < 496; ++a) EXPECT_EQ(state.Image[1 + a], radio.memory()[a]) << a;
    for (int i = 497; i <= 512; ++i) EXPECT_EQ(state.Image[i], 0) << i;
    EXPECT_EQ(state.Image[0], 0);
    EXPECT_EQ(state.Image[img::kBlock32First], 0x5A);

    // The model follows the radio; area, Modified and LastPassword are set.
    EXPECT_NE(state.ModelTitle.find("VHF"), std::string::npos);
    EXPECT_EQ(state.BandName, "150 - 174MHz");
    EXPECT_TRUE(state.Modified);
    EXPECT_EQ(session.LastPassword, "2468");
    EXPECT_EQ(state.AreaCode,
              AreaCodeText(radio.memory()[sim::kAreaAddress], radio.memory()[sim::kAreaAddress + 1]));
    ASSERT_EQ(h.finished.size(), 1u);
    EXPECT_EQ(h.finished[0].outcome, Outcome::Completed);

    // Progress: 0, one step per block, full before the message.
    ASSERT_EQ(h.progress.size(), 33u);
    for (int i = 0; i < 32; ++i) EXPECT_EQ(h.progress[i].position, i);
    EXPECT_EQ(h.progress.back().position, 31);
    EXPECT_EQ(h.progress.back().max, 31);
}

TEST_F(ReadFixture, HandshakeFailures) {
    struct Row {
        const char* name;
        std::function<void(sim::Radio&)> fault;
        std::string entry;
        std::string message;
        bool closes;
    };
    radio.SetPassword("1111", 0x21);
    const std::vector<Row> rows{
        {"no wake answer", [](sim::Radio& r) { r.faults().silentAt = sim::Step::Wake; }, "", "ComError",
         true},
        {"no ident", [](sim::Radio& r) { r.faults().silentAt = sim::Step::Ident; }, "", "ComError", true},
        {"no confirm answer", [](sim::Radio& r) { r.faults().silentAt = sim::Step::Confirm; }, "", "ComError",
         true},
        {"unknown model", [](sim::Radio& r) { r.SetModelCode("AB12"); }, "", "ModError", false},
        {"key echo", [](sim::Radio& r) { r.faults().wrongKeyEcho = true; }, "", "ComError", true},
        {"password", [](sim::Radio&) {}, "2222", "PwdError", false},
        {"confirmation", [](sim::Radio& r) { r.faults().wrongConfirm = true; }, "", "ComError", true},
        {"block silent",
         [](sim::Radio& r) { r.faults().silentAt = sim::Step::Block, r.faults().silentBlock = 7; }, "",
         "ComError", true},
        {"short block", [](sim::Radio& r) { r.faults().shortBlock = 3; }, "", "ComError", true},
        {"nak", [](sim::Radio& r) { r.faults().nakBlock = 5; }, "", "ComError", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        sim::Radio r = radio;
        row.fault(r);
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.radio = &r;
        h.Apply(read.Ok(row.entry));
        h.Run();
        ASSERT_EQ(h.messages.size(), 1u);
        EXPECT_EQ(h.messages[0].key, row.message);
        EXPECT_EQ(h.closed, row.closes);
        const std::string name = row.name;
        EXPECT_EQ(h.okEnabled, name == "password");  // another try with the password
        EXPECT_FALSE(read.Succeeded());
        EXPECT_EQ(read.State(), kIdle);
        ASSERT_EQ(h.finished.size(), 1u);
        EXPECT_EQ(h.finished[0].outcome, Outcome::Failed);
        ExpectUnchanged();
        if (name == "password") {
            EXPECT_EQ(h.messages[0].detail, "\rArea " + read.AreaText() + "    ");
            EXPECT_FALSE(read.AreaText().empty());
            h.Apply(read.Ok("1111"));
            h.Run();
            EXPECT_TRUE(read.Succeeded());
        }
        if (name == "no wake answer") {
            EXPECT_EQ(h.TimeOf("message ComError"), 3500);
        }
        if (name == "block silent" || name == "short block" || name == "nak") {
            // TryTime: 450 ms after the last step, closed 300 ms after the message.
            const long shown = h.TimeOf("message ComError");
            EXPECT_EQ(h.TimeOf("close") - shown, 300);
            EXPECT_EQ(h.sent.back() == Bytes{'E'}, false);  // no end frame after a block-phase time-out
        }
    }
}

TEST_F(ReadFixture, LineErrorsAndPortFailures) {
    // A first line error restarts 500 ms later; the second is reported by TryTime 450 ms later.
    {
        sim::Radio copy = this->radio;
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.radio = &copy;
        h.Apply(read.Ok(""));
        h.Run(100000, [&] { return copy.BlocksRead() == 4; });
        h.Apply(read.LineError());
        const long first = h.now;
        h.Run(100000, [&] { return copy.BlocksRead() == 4 + 2; });
        EXPECT_EQ(h.TimeOf("ok on"), first + 500);
        EXPECT_TRUE(h.messages.empty());
        h.Apply(read.LineError());
        const long second = h.now;
        h.Run();
        EXPECT_EQ(h.TimeOf("message ComError"), second + 450);
        EXPECT_TRUE(h.closed);
        ExpectUnchanged();
    }
    // A line error before Ok also uses up the restart: a transfer starts by itself 500 ms later.
    {
        sim::Radio copy = this->radio;
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.radio = &copy;
        h.Apply(read.LineError());
        EXPECT_FALSE(read.Running());
        h.Run();
        EXPECT_EQ(h.TimeOf("send 50 52 4f 47 52 41 4d 61"), 500 + 500);
        EXPECT_TRUE(read.Succeeded());
        ExpectUnchanged();
    }
    // Port not opened when shown: PortError, closed 300 ms later.
    {
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.Apply(read.PortOpenFailed());
        h.Run();
        EXPECT_EQ(h.LastMessage(), "PortError");
        EXPECT_EQ(h.TimeOf("close"), 300);
    }
    // A port operation fails after Ok: PortError once, the dialog stays open with Ok disabled.
    {
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.Apply(read.Ok(""));
        h.Run(100000, [&] { return h.Has("purge"); });
        h.drainPending = false;
        h.timers.erase(kDelay);
        h.Apply(read.PortFailed());
        h.Run();
        EXPECT_EQ(h.messages.size(), 1u);
        EXPECT_EQ(h.LastMessage(), "PortError");
        EXPECT_FALSE(h.closed);
        EXPECT_FALSE(h.okEnabled);
        EXPECT_TRUE(h.sent.empty());
    }
    // The port vanishes in the block phase: ComError and the dialog closes, instead of waiting forever.
    {
        sim::Radio copy = this->radio;
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.radio = &copy;
        h.Apply(read.Ok(""));
        h.Run(100000, [&] { return copy.BlocksRead() == 10; });
        h.drainPending = false;
        h.inbox.clear();
        h.Apply(read.PortFailed());
        h.Run();
        EXPECT_EQ(h.LastMessage(), "ComError");
        EXPECT_TRUE(h.closed);
        ExpectUnchanged();
    }
}

TEST_F(ReadFixture, CancelLeavesEverything) {
    ReadTransfer read(session, {1, {}});
    Harness h(read);
    h.radio = &radio;
    h.Apply(read.Ok(""));
    h.Run(100000, [&] { return radio.BlocksRead() == 20; });
    h.Apply(read.Cancel());
    EXPECT_TRUE(h.closed);
    ASSERT_EQ(h.finished.size(), 1u);
    EXPECT_EQ(h.finished[0].outcome, Outcome::Cancelled);
    EXPECT_FALSE(read.Succeeded());
    EXPECT_TRUE(read.Ok("").empty());
    EXPECT_TRUE(read.BytesReceived(Bytes{0x06}).empty());
    ExpectUnchanged();
}

}  // namespace
}  // namespace lm::link
