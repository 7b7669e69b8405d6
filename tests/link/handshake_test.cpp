// The handshake shared by both transfers: key byte, confirmation frame, password codec, the reply collection.
#include <gtest/gtest.h>

#include "engine_harness.h"
#include "link/read_transfer.h"
#include "link/sim/radio.h"
#include "link/write_transfer.h"

namespace lm::link {
namespace {

using test::Bytes;
using test::Harness;
using test::LogCount;
using test::TestRadio;

TEST(KeyByte, FromPortNumberOrRandom) {
    EXPECT_EQ(ChooseKeyByte(1, {}), 0x61);
    EXPECT_EQ(ChooseKeyByte(9, {}), 0x69);
    EXPECT_EQ(SwapHalves(0x61), 0x16);
    EXPECT_EQ(SwapHalves(0x69), 0x96);
    for (int r = 0; r < 5; ++r) EXPECT_EQ(ChooseKeyByte(10, [r](int) { return r; }), 0x65 + r);
    EXPECT_EQ(ChooseKeyByte(0, [](int) { return 99; }), 0x69);  // a misbehaving source stays in range
}

TEST(ConfirmFrame, CheckByteAndKey) {
    std::string d = "ABCDEFGHIJKLMNO";
    std::array<std::uint8_t, 16> frame{};
    const std::uint8_t key = ComputeConfirmFrame(d, frame);
    EXPECT_EQ(std::string(frame.begin(), frame.begin() + 15), d);
    // Written out by hand: (255-'F')+'B'+'C'+'I'+'J'+(255-'L')+'M'+'O'.
    EXPECT_EQ(frame[15], (255 - 'F' + 'B' + 'C' + 'I' + 'J' + 255 - 'L' + 'M' + 'O') & 0xFF);
    EXPECT_EQ(key, sim::ConfirmAnswer(frame.data()));
    EXPECT_EQ(frame[15], sim::ConfirmCheckByte(frame.data()));

    auto with = [&](int index, int delta) {
        std::string t = d;
        t[index] = static_cast<char>(t[index] + delta);
        std::array<std::uint8_t, 16> f{};
        const std::uint8_t k = ComputeConfirmFrame(t, f);
        return std::pair<int, int>(k, f[15]);
    };
    EXPECT_EQ(with(0, 1), (std::pair<int, int>(key, frame[15])));  // d0 enters nothing
    EXPECT_EQ(with(6, 1).first, (key + 255) & 0xFF);
    EXPECT_EQ(with(12, 1).first, (key + 255) & 0xFF);
    EXPECT_EQ(with(5, 1).second, (frame[15] + 255) & 0xFF);
    EXPECT_EQ(with(11, 1).second, (frame[15] + 255) & 0xFF);
    EXPECT_EQ(with(3, 0x80).first, key);  // doubled: the top bit drops out
    EXPECT_EQ(with(9, 0x80).first, key);
    // A short session key counts its missing bytes as 0 and reads nothing beyond.
    std::array<std::uint8_t, 16> shortFrame{};
    ComputeConfirmFrame("AB", shortFrame);
    EXPECT_EQ(shortFrame[2], 0);
}

TEST(PasswordCodec, EncodeDecode) {
    const std::array<std::uint8_t, 6> empty{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DecodePassword(empty.data()), "");
    for (int r : {0, 1, 63, 64, 100, 126}) {
        for (const std::string text : {"", "1", "123456789", "0123456789", "0000"}) {
            const auto enc = EncodePassword(text, [r](int bound) {
                EXPECT_EQ(bound, 127);
                return r;
            });
            EXPECT_NE(enc, empty);
            EXPECT_EQ(DecodePassword(enc.data()), text);
            EXPECT_EQ(sim::DecodeRadioPassword(enc.data()), text);
        }
    }
    // r = 0 -> 0xAA -> rotated right by two: 0xAA.  r = 100 (>= 64) -> 0x19.
    EXPECT_EQ(EncodePassword("", [](int) { return 0; })[0], 0xAA);
    EXPECT_EQ(EncodePassword("", [](int) { return 100; })[0], 0x19);
    // Nine digits leave the low half of the last byte at 0xF before masking.
    const auto nine = EncodePassword("123456789", [](int) { return 100; });
    EXPECT_EQ(nine[5] ^ nine[0], 0x9F);
    EXPECT_EQ(nine, sim::EncodeRadioPassword("123456789", 0x19));
    // Decoding stops at the first half of 10 or more.
    std::array<std::uint8_t, 6> stop{0x00, 0x12, 0xA3, 0x45, 0x67, 0x89};
    EXPECT_EQ(DecodePassword(stop.data()), "12");
    std::array<std::uint8_t, 6> none{0x00, 0xB1, 0x23, 0x45, 0x67, 0x89};
    EXPECT_EQ(DecodePassword(none.data()), "");
    // Only 0 to 10 digits can be encoded.
    EXPECT_THROW(EncodePassword("12.3", {}), std::invalid_argument);
    EXPECT_THROW(EncodePassword("12345678901", {}), std::invalid_argument);
    EXPECT_EQ(TrimPassword(" \t12 3\r\n"), "12 3");
}

struct HandshakeFixture : ::testing::Test {
    void SetUp() override { test::ResetState(state, session); }
    TALL state;
    TransferSession session;
    sim::Radio radio = TestRadio();
};

TEST_F(HandshakeFixture, FramesTimingAndWakeAcknowledgement) {
    for (bool stray : {false, true}) {
        radio = TestRadio({}, {.strayByte = stray});
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.radio = &radio;
        h.Apply(read.Ok(""));
        h.Run();
        ASSERT_GE(h.sent.size(), 3u);
        EXPECT_EQ(h.sent[0], (Bytes{'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x61}));
        EXPECT_EQ(h.sent[1], Bytes{0x02});
        EXPECT_EQ(h.sent[2].size(), 16u);
        EXPECT_EQ(h.TimeOf("purge"), 450);
        EXPECT_EQ(h.TimeOf("send 50 52 4f 47 52 41 4d 61"), 500);
        EXPECT_EQ(h.TimeOf("send 02"), 505);
        EXPECT_EQ(h.LastMessage(), "ReadOk") << "stray " << stray;
    }
    // A stray byte alone is not an acknowledgement: HeadTime, then 2.5 s, then ComError, closed 300 ms later.
    radio = TestRadio({}, {.strayOnly = true});
    ReadTransfer read(session, {1, {}});
    Harness h(read);
    h.radio = &radio;
    h.Apply(read.Ok(""));
    h.Run();
    EXPECT_EQ(h.sent.size(), 1u);
    EXPECT_EQ(h.TimeOf("message ComError"), 500 + 500 + 2500);
    EXPECT_EQ(h.TimeOf("close"), 500 + 500 + 2500 + 300);
    EXPECT_EQ(read.State(), kIdle);
    EXPECT_TRUE(read.ErrorShown());
}

TEST_F(HandshakeFixture, IdentResultsAndPrecedence) {
    struct Case {
        std::string model;
        bool wrongKey;
        std::string entry;
        int expectSends;  // frames the program sends: wake, ident, end
        std::string message;
    };
    radio.SetPassword("4321", 0x5B);
    for (const Case& c : {Case{"XX99", false, "", 3, "ModError"}, Case{"XX99", true, "", 3, "ComError"},
                          Case{"LM41", true, "9", 3, "ComError"}, Case{"LM41", false, "9", 3, "PwdError"},
                          Case{"LM41", false, " 4321 ", 4, "ReadOk"}, Case{"LM41", false, "", 4, "ReadOk"}}) {
        sim::Radio r = radio;
        r.SetModelCode(c.model);
        r.faults().wrongKeyEcho = c.wrongKey;
        ReadTransfer read(session, {3, {}});
        Harness h(read);
        h.radio = &r;
        h.Apply(read.Ok(c.entry));
        h.Run();
        ASSERT_FALSE(h.messages.empty());
        EXPECT_EQ(h.messages.front().key, c.message) << c.model << c.wrongKey << c.entry;
        if (c.message != "ReadOk") {
            EXPECT_EQ(static_cast<int>(h.sent.size()), c.expectSends);
            EXPECT_EQ(h.sent.back(), Bytes{'E'});
        }
    }
}

TEST_F(HandshakeFixture, ReplyCollection) {
    // An ident reply of 20 bytes in one notification is processed once, on its first 16 bytes.
    radio.faults().afterIdent = Bytes(4, 0x06);
    {
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.radio = &radio;
        h.Apply(read.Ok(""));
        h.Run();
        EXPECT_EQ(LogCount(radio, "confirm"), 1);
        EXPECT_EQ(h.LastMessage(), "ReadOk");
    }
    // 16 + 32 = 48 bytes still dispatch; 49 bytes are one too many: no dispatch, HeadTime reports.
    for (int extra : {32, 33, 40}) {
        sim::Radio r = TestRadio({}, {.afterIdent = Bytes(extra, 0x00)});
        ReadTransfer read(session, {1, {}});
        Harness h(read);
        h.radio = &r;
        h.Apply(read.Ok(""));
        h.Run(100000, [&] { return r.log().size() >= 2 && !h.drainPending && h.inbox.empty(); });
        EXPECT_EQ(read.RxCount(), extra == 32 ? 0 : kRxBufferSize) << extra;  // 0: the confirmation went out
        h.Run();
        EXPECT_EQ(h.messages.front().key, extra == 32 ? "ReadOk" : "ComError") << extra;
    }
    // Replies split into single bytes are collected until the expected count is there.
    {
        sim::Radio r = TestRadio({}, {.fragmentBytes = 1});
        WriteTransfer write(state, session, {2, {}}, [] { return std::string("2026-05-06 07:08:09"); });
        Harness h(write);
        h.radio = &r;
        h.Apply(write.Ok("", false, ""));
        h.Run();
        EXPECT_EQ(h.LastMessage(), "WriteOk");
    }
}

TEST_F(HandshakeFixture, StaleBytesInRxBuffer) {
    // First attempt: stray byte and acknowledgement, so RxBuffer[1] holds 0x06; then a line error.
    radio.faults().strayByte = true;
    ReadTransfer read(session, {1, {}});
    Harness h(read);
    h.radio = &radio;
    h.Apply(read.Ok(""));
    h.Run(100000, [&] { return h.sent.size() == 2; });
    h.Apply(read.LineError());  // kept until the ident request has drained, then purges its reply
    // Second attempt: a lone stray byte; the stale 0x06 behind it was not received since the wake-up.
    radio.faults().strayByte = false;
    radio.faults().strayOnly = true;
    h.Run();
    EXPECT_EQ(read.RxBuffer()[1], 0x06);
    EXPECT_EQ(read.RxCount(), 1);
    EXPECT_EQ(LogCount(radio, "wake"), 2);
    EXPECT_EQ(LogCount(radio, "ident"), 1);
    EXPECT_EQ(h.LastMessage(), "ComError");
    // The confirmation answer is read from RxBuffer[0]; the bytes behind it are the ident reply's.
    sim::Radio good = TestRadio();
    ReadTransfer second(session, {1, {}});
    Harness g(second);
    g.radio = &good;
    g.Apply(second.Ok(""));
    g.Run(100000, [&] { return g.sent.size() == 4; });  // wake, ident, confirm, ack
    EXPECT_EQ(second.State(), kBlocks);
    EXPECT_EQ(second.RxBuffer()[1], 'L');
    EXPECT_EQ(second.RxBuffer()[6], SwapHalves(second.KeyByte()));
}

}  // namespace
}  // namespace lm::link
