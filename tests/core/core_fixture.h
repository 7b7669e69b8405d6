#pragma once
// Puts the fixture's state record, the band table and the catalogue into their start-up state for each test.
#include <gtest/gtest.h>

#include "core/models.h"
#include "core/state.h"

namespace lm {

inline constexpr const char* kFixtureStamp = "2024-03-05 07:08:09";

class CoreStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        FillBandTable();
        FillCatalogue(state);
        state.CurrentChannel = 1;
        state.AreaCode.clear();
        state.AreaText.clear();
        SelectModel(state, "LM41", 0, false);
        const auto [lo, hi] = SplitBandText(state.BandName);
        state.BandMinMHz = lo;
        state.BandMaxMHz = hi;
        state.Image.fill(0);
        NewImageAt(state, kFixtureStamp);
        state.Modified = false;
    }
    TALL state;
};

}  // namespace lm
