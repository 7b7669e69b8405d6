// The simulated radio's side of the protocol, driven frame by frame as the program would.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/sim/radio.h"

namespace lm::sim {
namespace {

const std::uint8_t kSessionKey[15] = {'8', '3', '1', '9', 'Z', 'Q', '7', 'K',
                                      '2', 'M', 'X', 'D', '4', 'H', 'P'};

Memory Pattern() {
    Memory m{};
    for (int a = 0; a < kMemoryBytes; ++a) m[a] = static_cast<std::uint8_t>(a * 7 + 3);
    return m;
}

Bytes Join(const std::vector<Bytes>& pieces) {
    Bytes all;
    for (const auto& p : pieces) all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes Send(Radio& radio, const Bytes& frame) { return Join(radio.Receive(frame)); }

Bytes WakeFrame(std::uint8_t key) { return {'P', 'R', 'O', 'G', 'R', 'A', 'M', key}; }

Bytes ConfirmFrame() {
    Bytes f(kSessionKey, kSessionKey + 15);
    f.push_back(ConfirmCheckByte(f.data()));
    return f;
}

// Wake-up, identification and confirmation; returns the identification reply.
Bytes Handshake(Radio& radio, std::uint8_t key = 0x61) {
    EXPECT_EQ(Send(radio, WakeFrame(key)), Bytes{kAck});
    Bytes ident = Send(radio, {0x02});
    EXPECT_EQ(ident.size(), 16u);
    EXPECT_EQ(Send(radio, ConfirmFrame()), Bytes{ConfirmAnswer(kSessionKey)});
    return ident;
}

TEST(SimRadio, ConfirmationAndPasswordArithmetic) {
    std::uint8_t d[15] = {};
    const std::uint8_t key0 = ConfirmAnswer(d), check0 = ConfirmCheckByte(d);
    d[0] = 0x77;  // d0 takes no part
    EXPECT_EQ(ConfirmAnswer(d), key0);
    EXPECT_EQ(ConfirmCheckByte(d), check0);
    d[6] = 1;
    d[12] = 1;
    EXPECT_EQ(ConfirmAnswer(d), static_cast<std::uint8_t>(key0 - 2));
    for (const int i : {5, 11}) {
        std::uint8_t c[15] = {};
        c[i] = 1;
        EXPECT_EQ(ConfirmCheckByte(c), static_cast<std::uint8_t>(check0 - 1)) << i;
    }
    std::uint8_t top[15] = {};
    top[3] = 0x80;
    top[9] = 0x80;
    EXPECT_EQ(ConfirmAnswer(top), key0);

    const auto enc = EncodeRadioPassword("123456789", 0x3C);
    EXPECT_EQ(enc[0], 0x3C);
    EXPECT_EQ(enc[5] ^ 0x3C, 0x9F);  // ninth digit in the high half, low half left at 0xF
    EXPECT_EQ(DecodeRadioPassword(enc.data()), "123456789");
    const auto empty = EncodeRadioPassword("", 0x3C);
    EXPECT_EQ(DecodeRadioPassword(empty.data()), "");
    const std::uint8_t erased[6] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(DecodeRadioPassword(erased), "");
}

TEST(SimRadio, IdentificationCarriesTheRadiosOwnBytes) {
    Radio radio(Pattern(), {});
    radio.SetModelCode("LM41");
    radio.SetBandCode(240);
    radio.SetAreaCode(0x0755);
    radio.SetPassword("2468", 0x21);
    const Bytes ident = Handshake(radio, 0x69);
    EXPECT_EQ(ident[0], 'P');
    EXPECT_EQ(std::string(ident.begin() + 1, ident.begin() + 5), "LM41");
    EXPECT_EQ(ident[5], 240);
    EXPECT_EQ(ident[6], 0x96);  // key byte with its halves exchanged
    EXPECT_EQ(ident[8], 0x07);
    EXPECT_EQ(ident[9], 0x55);
    EXPECT_EQ(DecodeRadioPassword(ident.data() + 10), "2468");
}

TEST(SimRadio, FullReadAndWriteExchanges) {
    const Memory original = Pattern();
    Radio radio(original, {});
    radio.SetModelCode("LM41");
    const Memory before = radio.memory();
    Handshake(radio);
    EXPECT_EQ(Send(radio, {kAck}), Bytes{kAck});
    for (int b = 0; b < 31; ++b) {
        const int a = 16 * b;
        const Bytes reply =
            Send(radio, {'R', static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a), 0x10});
        ASSERT_EQ(reply.size(), 20u) << b;
        EXPECT_EQ(Bytes(reply.begin() + 4, reply.end()), Bytes(before.begin() + a, before.begin() + a + 16));
        EXPECT_EQ(Send(radio, {kAck}), Bytes{kAck});
    }
    Send(radio, {'E'});
    EXPECT_EQ(radio.BlocksRead(), 31);
    EXPECT_FALSE(radio.TakeWriteSession());

    // Write session, with the frames arriving in odd pieces.
    Handshake(radio);
    EXPECT_EQ(Send(radio, {kAck}), Bytes{kAck});
    for (int f = 0; f < 58; ++f) {
        const int a = 8 * f;
        Bytes frame{'W', static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a), 0x08};
        for (int i = 0; i < 8; ++i) frame.push_back(static_cast<std::uint8_t>(0xA0 + i));
        EXPECT_EQ(Join(radio.Receive(Bytes(frame.begin(), frame.begin() + 5))), Bytes{});
        EXPECT_EQ(Join(radio.Receive(Bytes(frame.begin() + 5, frame.end()))), Bytes{kAck}) << f;
    }
    Send(radio, {'E'});
    EXPECT_TRUE(radio.TakeWriteSession());
    EXPECT_FALSE(radio.TakeWriteSession());
    for (int a = 0; a < kMemoryBytes; ++a) {
        EXPECT_EQ(radio.written()[a], a < 464) << a;
        EXPECT_EQ(radio.memory()[a], a < 464 ? 0xA0 + a % 8 : before[a]) << a;
    }
}

TEST(SimRadio, FaultsAtEveryStep) {
    auto radioWith = [](Faults f) {
        Radio r(Pattern(), f);
        r.SetModelCode("LM41");
        return r;
    };
    {
        Radio r = radioWith({.silentAt = Step::Wake});
        EXPECT_TRUE(Send(r, WakeFrame(0x61)).empty());
    }
    {
        Radio r = radioWith({.strayByte = true});
        const Bytes ack = Send(r, WakeFrame(0x61));
        ASSERT_EQ(ack.size(), 2u);
        EXPECT_NE(ack[0], kAck);
        EXPECT_EQ(ack[1], kAck);
    }
    {
        Radio r = radioWith({.silentAt = Step::Ident});
        Send(r, WakeFrame(0x61));
        EXPECT_TRUE(Send(r, {0x02}).empty());
    }
    {
        Radio r = radioWith({.wrongKeyEcho = true});
        Send(r, WakeFrame(0x61));
        EXPECT_NE(Send(r, {0x02})[6], 0x16);
    }
    {
        Radio r = radioWith({.wrongConfirm = true});
        Send(r, WakeFrame(0x61));
        Send(r, {0x02});
        const Bytes answer = Send(r, ConfirmFrame());
        ASSERT_EQ(answer.size(), 1u);
        EXPECT_NE(answer[0], ConfirmAnswer(kSessionKey));
    }
    {
        // A confirmation frame with a wrong check byte is not answered.
        Radio r = radioWith({});
        Send(r, WakeFrame(0x61));
        Send(r, {0x02});
        Bytes bad = ConfirmFrame();
        bad[15] ^= 1;
        EXPECT_TRUE(Send(r, bad).empty());
    }
    {
        Radio r = radioWith({.silentAt = Step::Ack});
        Handshake(r);
        EXPECT_TRUE(Send(r, {kAck}).empty());
    }
    {
        Radio r = radioWith({.shortBlock = 2, .nakBlock = 1, .fragmentBytes = 3});
        Handshake(r);
        Send(r, {kAck});
        const auto pieces = r.Receive(Bytes{'R', 0, 0x10, 0x10});
        EXPECT_EQ(pieces.size(), 7u);  // 20 bytes in pieces of 3
        EXPECT_EQ(Join(pieces).size(), 20u);
        EXPECT_EQ(Send(r, {kAck}), Bytes{kNak});
        EXPECT_EQ(Send(r, {'R', 0, 0x20, 0x10}).size(), 19u);
    }
    {
        Radio r = radioWith({.silentAt = Step::Block, .silentBlock = 1, .vanishAfter = 3});
        Handshake(r);
        Send(r, {kAck});
        EXPECT_EQ(Send(r, {'R', 0, 0x00, 0x10}).size(), 20u);
        Send(r, {kAck});
        EXPECT_TRUE(Send(r, {'R', 0, 0x10, 0x10}).empty());
        // After a new wake-up the radio goes on; block 3 is where it vanishes.
        Handshake(r);
        Send(r, {kAck});
        Send(r, {'R', 0, 0x20, 0x10});
        Send(r, {kAck});
        EXPECT_FALSE(r.Vanished());
        EXPECT_TRUE(Send(r, {'R', 0, 0x30, 0x10}).empty());
        EXPECT_TRUE(r.Vanished());
        EXPECT_TRUE(Send(r, WakeFrame(0x61)).empty());
    }
    {
        Radio r = radioWith({.nakBlock = 4});
        Handshake(r);
        Send(r, {kAck});
        Bytes frame{'W', 0, 0x20, 0x08, 1, 2, 3, 4, 5, 6, 7, 8};
        EXPECT_EQ(Send(r, frame), Bytes{kNak});
        EXPECT_FALSE(r.written()[0x20]);
    }
}

TEST(SimRadio, StrayBytesAndRestartsDoNotConfuseFraming) {
    Radio radio(Pattern(), {});
    radio.SetModelCode("LM41");
    // Noise before the wake-up, and a wake-up split after its 'P'.
    EXPECT_TRUE(Send(radio, {0x00, 'X', 'P'}).empty());
    EXPECT_EQ(Send(radio, {'R', 'O', 'G', 'R', 'A', 'M', 0x62}), Bytes{kAck});
    // A new wake-up in the middle of a session starts over.
    Send(radio, {0x02});
    EXPECT_EQ(Send(radio, WakeFrame(0x63)), Bytes{kAck});
    EXPECT_EQ(Send(radio, {0x02})[6], 0x36);
    // An incomplete frame left for more than a second is thrown away.
    radio.Receive(Bytes(kSessionKey, kSessionKey + 5), 100);
    EXPECT_TRUE(Join(radio.Receive(ConfirmFrame(), 1200)).size() == 1u);
}

TEST(SimRadio, WakeUpRightAfterARefusedIdentificationIsAnswered) {
    Radio radio(Pattern(), {});
    radio.SetModelCode("LM41");
    EXPECT_EQ(Send(radio, WakeFrame(0x61)), Bytes{kAck});
    EXPECT_EQ(Send(radio, {0x02}).size(), 16u);
    // The program refuses what it heard and ends; its next attempt follows well within a second.
    EXPECT_TRUE(Join(radio.Receive(Bytes{'E'}, 100)).empty());
    EXPECT_EQ(Join(radio.Receive(WakeFrame(0x62), 400)), Bytes{kAck});
    EXPECT_EQ(Join(radio.Receive(Bytes{0x02}, 410)).size(), 16u);
    // The same in one piece.
    EXPECT_EQ(Join(radio.Receive(Bytes{'E', 'P', 'R', 'O', 'G', 'R', 'A', 'M', 0x63}, 500)), Bytes{kAck});
}

}  // namespace
}  // namespace lm::sim
