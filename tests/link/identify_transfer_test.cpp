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
    std::function<void(test::ScriptedRadio&)> setUp;
    Answer answer;
    bool keyEchoOk;
    bool modelKnown;
    bool hasPassword;
    std::vector<Bytes> sentAfterWake;  // the frames after the wake-up frame
};

const Bytes kIdent{0x02}, kEnd{0x45};

TEST(IdentifyTransfer, FramesAndOutcomeForEachAnswer) {
    const Case cases[] = {
        {"radio", [](test::ScriptedRadio&) {}, Answer::Identified, true, true, false, {kIdent, kEnd}},
        {"password",
         [](test::ScriptedRadio& r) { r.SetPassword("2468", 0x3C); },
         Answer::Identified,
         true,
         true,
         true,
         {kIdent, kEnd}},
        {"unknown model",
         [](test::ScriptedRadio& r) { r.model = "XY12"; },
         Answer::Identified,
         true,
         false,
         false,
         {kIdent, kEnd}},
        {"wrong key echo",
         [](test::ScriptedRadio& r) { r.wrongKey = true; },
         Answer::Identified,
         false,
         true,
         false,
         {kIdent, kEnd}},
        {"silent at wake-up",
         [](test::ScriptedRadio& r) { r.silentAt = "wake"; },
         Answer::None,
         false,
         false,
         false,
         {kEnd}},
        {"silent at identification",
         [](test::ScriptedRadio& r) { r.silentAt = "ident"; },
         Answer::WakeOnly,
         false,
         false,
         false,
         {kIdent, kEnd}},
        {"stray byte only",
         [](test::ScriptedRadio& r) { r.strayOnly = true; },
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
        test::ScriptedRadio radio;
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
        EXPECT_EQ(o.modelCode, radio.model);
    }
}

}  // namespace
}  // namespace lm::link
