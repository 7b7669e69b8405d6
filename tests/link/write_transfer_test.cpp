// The write transfer against the simulated radio: the complete write, the bytes it puts into the image, every
// row of its failure table, and several radios written one after the other.
#include "link/write_transfer.h"

#include <gtest/gtest.h>

#include "core/memory_map.h"
#include "engine_harness.h"

namespace lm::link {
namespace {

using test::Bytes;
using test::Harness;
using test::TestRadio;
using test::WriteAddresses;

struct WriteFixture : ::testing::Test {
    void SetUp() override {
        test::ResetState(state, session);
        for (int i = 1; i <= kImageBytes; ++i) state.Image[i] = static_cast<std::uint8_t>(i * 5 + 1);
        state.Image[img::kBandCode] = 0;  // WriteIdent puts the band code back
        sim::Memory memory;
        memory.fill(0xEE);
        radio = TestRadio(memory);
        radio.SetAreaCode(0x2100);
        radio.SetPassword("97531", 0x44);
    }
    std::string NextStamp() { return "2026-12-09 10:0" + std::to_string(stamps++) + ":00"; }
    TALL state;
    TransferSession session;
    sim::Radio radio = TestRadio();
    int stamps = 1;
};

TEST_F(WriteFixture, CompleteWrite) {
    const auto image = state.Image;
    const TALL before = state;
    ImageBytes radioBefore{};
    std::copy(radio.memory().begin(), radio.memory().end(), radioBefore.begin() + 1);
    WriteTransfer write(state, session, {4, test::Sequence({100})}, [this] { return NextStamp(); });
    Harness h(write);
    h.radio = &radio;
    h.Apply(write.Ok("97531", false, ""));
    h.Run();
    EXPECT_EQ(h.LastMessage(), "WriteOk");
    EXPECT_FALSE(h.closed);  // stays open for the next radio
    EXPECT_TRUE(h.okEnabled);
    EXPECT_EQ(h.TimeOf("ok on") - h.TimeOf("message WriteOk"), 500);

    // 58 frames at 0x000..0x1C8, nothing from radio byte 464 on; one end frame.
    const std::vector<int> addresses = WriteAddresses(radio);
    ASSERT_EQ(addresses.size(), 58u);
    for (int f = 0; f < 58; ++f) EXPECT_EQ(addresses[f], 8 * f);
    EXPECT_EQ(h.sent.back(), Bytes{'E'});
    for (int a = 464; a < 528; ++a) EXPECT_EQ(radio.memory()[a], 0xEE) << a;
    for (int a = 0; a < 464; ++a) EXPECT_EQ(radio.memory()[a], state.Image[1 + a]) << a;
    // What Compare With Radio sets against the radio is what the write left there, area code and password
    // aside (those come from the radio's answer and a fresh mask).
    const ImageBytes asWritten = ImageAsWritten(before, radioBefore, "2026-12-09 10:01:00");
    for (int a = 0; a < 528; ++a) {
        if (a + 1 < img::kAreaCodeFirst || a + 1 >= img::kPasswordFirst + img::kPasswordBytes) {
            EXPECT_EQ(asWritten[1 + a], radio.memory()[a]) << a;
        }
    }
    EXPECT_TRUE(std::equal(asWritten.begin() + img::kAreaCodeFirst, asWritten.begin() + img::kWriteStamp,
                           radioBefore.begin() + img::kAreaCodeFirst));

    // The image: identification of the current model, the radio's own area code, its password re-encoded with
    // a fresh mask, the stamp; everything else as it was; Modified unchanged.
    EXPECT_EQ(state.Image[433], 'P');
    EXPECT_EQ(std::string(state.Image.begin() + 434, state.Image.begin() + 438), "LM41");
    EXPECT_EQ(state.Image[img::kAreaCodeFirst], 0x21);
    EXPECT_EQ(state.Image[img::kAreaCodeFirst + 1], 0x00);
    EXPECT_EQ(state.Image[img::kPasswordFirst], 0x19);  // mask of r = 100
    EXPECT_EQ(DecodePassword(&state.Image[img::kPasswordFirst]), "97531");
    EXPECT_EQ(UnpackTimestamp(state.Image, img::kWriteStamp), "2026-12-09 10:01:00");
    for (int i = 1; i < 433; ++i) EXPECT_EQ(state.Image[i], image[i]) << i;
    for (int i = 456; i <= kImageBytes; ++i) EXPECT_EQ(state.Image[i], image[i]) << i;
    EXPECT_FALSE(state.Modified);
    EXPECT_EQ(session.LastPassword, "97531");

    // Progress: one step per frame up to 56, full before the message, empty after it.
    ASSERT_GE(h.progress.size(), 61u);
    EXPECT_EQ(h.progress[0].position, 0);
    for (int f = 1; f <= 58; ++f) EXPECT_EQ(h.progress[f].position, std::min(f, 56)) << f;
    EXPECT_EQ(h.progress[59].position, 56);
    EXPECT_EQ(h.progress[60].position, 0);
    EXPECT_EQ(h.progress[60].max, 56);
}

TEST_F(WriteFixture, RadiosOneAfterAnotherAndNewPassword) {
    WriteTransfer write(state, session, {12, test::Sequence({3, 70, 3, 20})}, [this] { return NextStamp(); });
    Harness h(write);
    sim::Radio first = radio;
    h.radio = &first;
    h.Apply(write.Ok("", true, "  "));  // checked and empty: the radio's password becomes empty
    h.Run();
    EXPECT_EQ(h.LastMessage(), "WriteOk");
    EXPECT_EQ(DecodePassword(&first.memory()[442]), "");
    const std::string firstStamp = UnpackTimestamp(first.memory().data() + 448);

    sim::Memory secondMemory = radio.memory();
    secondMemory[sim::kAreaAddress] = 0x55;
    std::fill(secondMemory.begin() + sim::kPasswordAddress, secondMemory.begin() + sim::kPasswordAddress + 6,
              0xFF);
    sim::Radio second(secondMemory, {});
    h.radio = &second;
    h.Apply(write.Ok("", true, "0123456789"));
    h.Run();
    EXPECT_EQ(h.messages.size(), 2u);
    EXPECT_EQ(DecodePassword(&second.memory()[442]), "0123456789");
    EXPECT_EQ(second.memory()[440], 0x55);
    const std::string secondStamp = UnpackTimestamp(second.memory().data() + 448);
    EXPECT_EQ(firstStamp, "2026-12-09 10:01:00");
    EXPECT_EQ(secondStamp, "2026-12-09 10:02:00");
    EXPECT_NE(first.memory()[442], second.memory()[442]);  // fresh mask each time
    // Key bytes for port 12 come from the random rule.
    EXPECT_EQ(h.sent[0].back(), 0x65 + 3);
}

TEST_F(WriteFixture, NewPasswordWithOtherCharactersIsRefused) {
    WriteTransfer write(state, session, {1, {}}, [this] { return NextStamp(); });
    Harness h(write);
    h.radio = &radio;
    for (const std::string bad : {"12.34", "12345678901", "12a"}) {
        state.Image[434] = 0;
        h.Apply(write.Ok("", true, bad));
        h.Run();
        EXPECT_EQ(h.LastMessage(), "PwdDigits");
        EXPECT_TRUE(h.sent.empty());
        EXPECT_TRUE(h.okEnabled);
        EXPECT_EQ(state.Image[434], 'L');  // WriteIdent at every Ok
    }
    h.Apply(write.Ok("", true, " 42 "));
    h.Run();
    EXPECT_EQ(h.LastMessage(), "WriteOk");
    EXPECT_EQ(DecodePassword(&radio.memory()[442]), "42");
}

TEST_F(WriteFixture, FailureTable) {
    struct Row {
        const char* name;
        std::function<void(sim::Radio&)> fault;
        std::string entry;
        std::string message;
        bool closes;
        bool endFrame;
    };
    const std::vector<Row> rows{
        {"no wake answer", [](sim::Radio& r) { r.faults().silentAt = sim::Step::Wake; }, "", "ComError", true,
         false},
        {"no ident", [](sim::Radio& r) { r.faults().silentAt = sim::Step::Ident; }, "", "ComError", true,
         false},
        {"other model", [](sim::Radio& r) { r.SetModelCode("LM42"); }, "1", "ModError", true, true},
        {"key echo", [](sim::Radio& r) { r.faults().wrongKeyEcho = true; }, "", "ComError", true, false},
        {"password", [](sim::Radio&) {}, "1", "PwdError", false, true},
        {"confirmation", [](sim::Radio& r) { r.faults().wrongConfirm = true; }, "", "ComError", true, true},
        {"no ack", [](sim::Radio& r) { r.faults().silentAt = sim::Step::Block, r.faults().silentBlock = 9; },
         "", "ComError", true, false},
        {"nak", [](sim::Radio& r) { r.faults().nakBlock = 20; }, "", "ComError", true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        test::ResetState(state, session);
        sim::Radio r = radio;
        row.fault(r);
        WriteTransfer write(state, session, {1, {}}, [this] { return NextStamp(); });
        Harness h(write);
        h.radio = &r;
        state.Image[434] = 0;
        h.Apply(write.Ok(row.entry, false, ""));
        h.Run();
        ASSERT_EQ(h.messages.size(), 1u);
        EXPECT_EQ(h.messages[0].key, row.message);
        EXPECT_EQ(h.closed, row.closes);
        EXPECT_EQ(h.sent.back() == Bytes{'E'}, row.endFrame);
        EXPECT_EQ(write.State(), kIdle);
        EXPECT_EQ(state.Image[434], 'L');
        EXPECT_FALSE(state.Modified);
        ASSERT_EQ(h.finished.size(), 1u);
        EXPECT_EQ(h.finished[0].outcome, Outcome::Failed);
        const std::string name = row.name;
        if (name == "password") {
            EXPECT_TRUE(h.okEnabled);
            EXPECT_EQ(h.TimeOf("ok on") - h.TimeOf("message PwdError"), 500);
            EXPECT_EQ(state.Image[img::kAreaCodeFirst], 0xFF);  // not accepted: area and password untouched
        }
        if (name == "no ack" || name == "nak") {
            EXPECT_TRUE(h.okEnabled);  // TryTime enables Ok before its message
            EXPECT_EQ(h.TimeOf("close") - h.TimeOf("message ComError"), 300);
            EXPECT_NE(UnpackTimestamp(state.Image, img::kWriteStamp),
                      "");  // stamped when the confirmation was answered
        }
    }
}

TEST_F(WriteFixture, LineErrorAndPortFailures) {
    {
        WriteTransfer write(state, session, {1, {}}, [this] { return NextStamp(); });
        Harness h(write);
        sim::Radio r = radio;
        h.radio = &r;
        h.Apply(write.Ok("", false, ""));
        h.Run(100000, [&] { return r.BlocksWritten() == 30; });
        h.Apply(write.LineError());
        h.Apply(write.LineError());
        h.Run();
        EXPECT_EQ(h.messages.size(), 1u);
        EXPECT_EQ(h.LastMessage(), "ComError");
        EXPECT_FALSE(h.closed);     // no automatic restart, the dialog stays open
        EXPECT_FALSE(h.okEnabled);  // with its controls disabled
        EXPECT_LT(r.BlocksWritten(), 58);
    }
    {
        WriteTransfer write(state, session, {1, {}}, [this] { return NextStamp(); });
        Harness h(write);
        h.Apply(write.PortOpenFailed());
        h.Run();
        EXPECT_EQ(h.LastMessage(), "PortError");
        EXPECT_TRUE(h.closed);
    }
    {
        WriteTransfer write(state, session, {1, {}}, [this] { return NextStamp(); });
        Harness h(write);
        h.Apply(write.Ok("", false, ""));
        h.Run(100000, [&] { return !h.sent.empty(); });  // the wake-up frame cannot be written
        h.drainPending = false;
        h.Apply(write.PortFailed());
        h.Run();
        EXPECT_EQ(h.LastMessage(), "PortError");
        EXPECT_FALSE(h.closed);
        EXPECT_TRUE(h.timers.empty());
    }
}

}  // namespace
}  // namespace lm::link
