// The rules of a production job: the ID numbers of a run, the ID code they are written as, what an
// interrupted job says, stopping a write between frames, and waiting for a radio with the wake-up frame
// alone.
#include "link/job_rules.h"

#include <gtest/gtest.h>

#include "core/memory_map.h"
#include "core/settings_access.h"
#include "engine_harness.h"
#include "link/radio_watch.h"
#include "link/write_transfer.h"

namespace lm::link {
namespace {

// Each row: radios taking a number as they start and ending in turn; the numbers they are given. A failed
// radio's number goes to the next radio to start.
TEST(IdNumbers, FailedNumbersGoToTheNextRadio) {
    constexpr std::uint64_t kLast = kLargestIdCode;
    struct Case {
        const char* name;
        std::uint64_t first, step;
        // t: a radio starts; w, f: of the radios running, the one started first is written, fails
        const char* steps;
        std::vector<std::uint64_t> numbers;  // 0: none is handed out
    };
    const Case cases[] = {
        {"all written", 1, 1, "twtwtw", {1, 2, 3}},
        {"a failure in the middle", 10, 5, "twtftwtw", {10, 15, 15, 20}},
        {"the same radio retried twice", 7, 1, "tftftw", {7, 7, 7}},
        {"several at once", 1, 1, "tttwfwtt", {1, 2, 3, 2, 4}},
        {"past the field's ten digits", kLast - 1, 1, "twtt", {kLast - 1, kLast, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        IdNumbers numbers(c.first, c.step);
        std::vector<std::uint64_t> given, running;
        for (const char* o = c.steps; *o != '\0'; ++o) {
            if (*o == 't') {
                given.push_back(numbers.Take().value_or(0));
                if (given.back() != 0) running.push_back(given.back());
                continue;
            }
            const std::uint64_t n = running.front();
            running.erase(running.begin());
            *o == 'w' ? numbers.Written(n) : numbers.GiveBack(n);
        }
        EXPECT_EQ(given, c.numbers);
    }
}

// The number goes in through the DTMF window's own encoding: digits, "*" after them, at least three digits.
TEST(IdNumbers, WrittenAsTheIdCode) {
    struct Case {
        std::uint64_t number;
        const char* text;
        std::array<std::uint8_t, 5> bytes;  // radio bytes 0x143..0x147
    };
    const Case cases[] = {
        {7, "007", {0x00, 0x7F, 0xFF, 0xFF, 0xFF}},
        {70, "070", {0x07, 0x0F, 0xFF, 0xFF, 0xFF}},
        {700, "700", {0x70, 0x0F, 0xFF, 0xFF, 0xFF}},
        {1234, "1234", {0x12, 0x34, 0xFF, 0xFF, 0xFF}},
        {kLargestIdCode, "9999999999", {0x99, 0x99, 0x99, 0x99, 0x99}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(IdCodeText(c.number), c.text);
        TALL state;
        StartSession(state);
        ASSERT_TRUE(WriteSetting(state, "id-code", IdCodeText(c.number)).Ok());
        for (int i = 0; i < 5; ++i) EXPECT_EQ(state.Image[img::kDtmfIdFirst + i], c.bytes[i]) << i;
    }
}

TEST(JobRules, WhatAnInterruptedJobSays) {
    struct Case {
        JobStep step;
        int frames;
        const char* text;
    };
    const Case cases[] = {
        {JobStep::Backup, 12, "interrupted before the write: nothing was written"},
        {JobStep::Write, 0, "interrupted before the write: nothing was written"},
        {JobStep::Write, 23, "interrupted at frame 23: write it again"},
        {JobStep::Verify, 5, "interrupted during the verify: write it again"},
    };
    for (const Case& c : cases) EXPECT_EQ(InterruptedText(c.step, c.frames), c.text);
    EXPECT_EQ(NextStep(JobStep::Backup, true), JobStep::Write);
    EXPECT_EQ(NextStep(JobStep::Write, true), JobStep::Verify);
    EXPECT_EQ(NextStep(JobStep::Write, false), std::nullopt);
}

// An interrupt lets the frame on the wire finish and sends the end frame instead of the next one; before the
// block phase nothing more is sent at all.
TEST(JobRules, InterruptStopsAWriteBetweenFrames) {
    struct Case {
        const char* name;
        int afterFrames;  // interrupt once this many frames have been sent (0: during the handshake)
        int answered;
    };
    const Case cases[] = {{"in the block phase", 23, 23}, {"in the handshake", 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TALL state;
        TransferSession session;
        test::ResetState(state, session);
        sim::Radio radio = test::TestRadio();
        WriteTransfer write(state, session, {4, test::Sequence({100})}, [] { return "2026-12-10 09:00:00"; });
        test::Harness h(write);
        h.radio = &radio;
        h.Apply(write.Ok("", false, ""));
        const auto frames = [&] { return static_cast<int>(test::WriteAddresses(radio).size()); };
        if (c.afterFrames > 0)
            h.Run(120000, [&] { return frames() >= c.afterFrames; });
        else
            h.Run(120000, [&] { return test::LogCount(radio, "wake") > 0; });
        const std::size_t sentBefore = h.sent.size();
        h.Apply(write.Interrupt());
        h.Run();
        ASSERT_EQ(h.finished.size(), 1u);
        EXPECT_EQ(h.finished[0].outcome, Outcome::Cancelled);
        EXPECT_TRUE(h.closed);
        EXPECT_EQ(frames(), c.answered);
        EXPECT_EQ(write.FramesAnswered(), c.answered);
        if (c.afterFrames > 0) {
            ASSERT_EQ(h.sent.size(), sentBefore + 1);
            EXPECT_EQ(h.sent.back(), test::Bytes{kEndByte});
        } else {
            EXPECT_EQ(h.sent.size(), sentBefore);
        }
    }
}

// Polling sends only the wake-up frame, once a second; a radio that answers late starts its job at the poll
// it answers; a radio done counts as taken off after two polls without an answer.
TEST(RadioWatch, WaitsForARadioAndForItsRemoval) {
    struct Case {
        const char* name;
        RadioWatch::Waiting waiting;
        const char* answers;  // per poll: a the radio acknowledges, - silence
        int polls;            // wake-up frames sent until something is seen
        RadioWatch::Seen seen;
    };
    using W = RadioWatch::Waiting;
    using S = RadioWatch::Seen;
    const Case cases[] = {
        {"a radio present", W::ForRadio, "a", 1, S::Arrived},
        {"a radio that answers late", W::ForRadio, "---a", 4, S::Arrived},
        {"taken off at once", W::ForRemoval, "--", 2, S::Removed},
        {"left on a while, answering once in between", W::ForRemoval, "aa-a--", 6, S::Removed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RadioWatch watch(0, [](int) { return 1; });
        int polls = 0;
        S seen = S::Nothing;
        auto carry = [&](const Actions& actions) {
            for (const Action& a : actions) {
                if (const auto* send = std::get_if<SendBytes>(&a)) {
                    ++polls;
                    ASSERT_EQ(send->bytes.size(), 8u);
                    EXPECT_TRUE(std::equal(kWakeLetters.begin(), kWakeLetters.end(), send->bytes.begin()));
                }
                if (const auto* start = std::get_if<StartTimer>(&a)) {
                    EXPECT_EQ(start->ms, RadioWatch::kPollMs);
                }
            }
            if (seen == S::Nothing) seen = watch.TakeSeen();
        };
        carry(watch.Start(c.waiting));
        for (const char* p = c.answers; *p != '\0' && seen == S::Nothing; ++p) {
            if (*p == 'a') carry(watch.BytesReceived(std::vector<std::uint8_t>{kAckByte}));
            if (seen == S::Nothing) carry(watch.TimerExpired(RadioWatch::kPollTimer));
        }
        EXPECT_EQ(seen, c.seen);
        EXPECT_EQ(polls, c.polls);
        EXPECT_FALSE(watch.Polling());
    }
}

}  // namespace
}  // namespace lm::link
