// Asking a radio who it is: the frames sent (wake-up, identification request, end; never the confirmation or
// a block request) and what is reported for each kind of answer.
#include "link/identify_transfer.h"

#include <gtest/gtest.h>

#include "engine_harness.h"

namespace lm::link {
namespace {

using Answer = IdentifyOutcome::Answer;
using test::Bytes;

struct Case {
    const char* name;
    std::function<void(sim::Radio&)> setUp;
    Answer answer;
    bool keyEchoOk;
    bool modelKnown;
    bool hasPassword;
    std::vector<Bytes> sentAfterWake;  // the frames after the wake-up frame
};

const Bytes kIdent{0x02}, kEnd{0x45};

TEST(IdentifyTransfer, FramesAndOutcomeForEachAnswer) {
    const Case cases[] = {
        {"radio", [](sim::Radio&) {}, Answer::Identified, true, true, false, {kIdent, kEnd}},
        {"password",
         [](sim::Radio& r) { r.SetPassword("2468", 0x3C); },
         Answer::Identified,
         true,
         true,
         true,
         {kIdent, kEnd}},
        {"unknown model",
         [](sim::Radio& r) { r.SetModelCode("XY12"); },
         Answer::Identified,
         true,
         false,
         false,
         {kIdent, kEnd}},
        {"wrong key echo",
         [](sim::Radio& r) { r.faults().wrongKeyEcho = true; },
         Answer::Identified,
         false,
         true,
         false,
         {kIdent, kEnd}},
        {"silent at wake-up",
         [](sim::Radio& r) { r.faults().silentAt = sim::Step::Wake; },
         Answer::None,
         false,
         false,
         false,
         {kEnd}},
        {"silent at identification",
         [](sim::Radio& r) { r.faults().silentAt = sim::Step::Ident; },
         Answer::WakeOnly,
         false,
         false,
         false,
         {kIdent, kEnd}},
        {"stray byte only",
         [](sim::Radio& r) { r.faults().strayOnly = true; },
         Answer::None,
         false,
         false,
         false,
         {kEnd}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TALL state;
        TransferSession session;
        test::ResetState(state, session);
        sim::Radio radio = test::TestRadio();
        c.setUp(radio);
        IdentifyTransfer identify(session, {1, {}});
        test::Harness h(identify);
        h.radio = &radio;
        h.Apply(identify.Ok());
        h.Run();
        EXPECT_TRUE(h.closed);
        EXPECT_TRUE(h.messages.empty());
        ASSERT_EQ(h.finished.size(), 1u);
        EXPECT_EQ(h.finished[0].outcome,
                  c.answer == Answer::Identified ? Outcome::Completed : Outcome::Failed);
        ASSERT_FALSE(h.sent.empty());
        EXPECT_EQ(h.sent.front().size(), 8u);  // the wake-up frame
        EXPECT_EQ(std::vector<Bytes>(h.sent.begin() + 1, h.sent.end()), c.sentAfterWake);
        const IdentifyOutcome& o = identify.Outcome();
        EXPECT_EQ(o.answer, c.answer);
        if (c.answer != Answer::Identified) continue;
        EXPECT_EQ(o.keyEchoOk, c.keyEchoOk);
        EXPECT_EQ(o.modelKnown, c.modelKnown);
        EXPECT_EQ(o.hasPassword, c.hasPassword);
        EXPECT_EQ(o.areaCode, "1234");
        EXPECT_EQ(o.modelCode, std::string(radio.memory().begin() + sim::kIdentAddress + 1,
                                           radio.memory().begin() + sim::kIdentAddress + 5));
    }
}

}  // namespace
}  // namespace lm::link
