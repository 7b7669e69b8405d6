#pragma once
// Puts gAll, the band table and the catalogue into their start-up state for each test and restores gAll after.
#include <gtest/gtest.h>

#include "core/models.h"
#include "core/state.h"

namespace lm {

inline constexpr const char* kFixtureStamp = "2024-03-05 07:08:09";

class CoreStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = gAll;
        FillBandTable();
        FillCatalogue();
        gAll.CurrentChannel = 1;
        gAll.AreaCode.clear();
        gAll.AreaText.clear();
        SelectModel("LM41", 0, false);
        const auto [lo, hi] = SplitBandText(gAll.BandName);
        gAll.BandMinMHz = lo;
        gAll.BandMaxMHz = hi;
        gAll.Image.fill(0);
        NewImageAt(kFixtureStamp);
        gAll.Modified = false;
    }
    void TearDown() override { gAll = saved_; }

private:
    TALL saved_;
};

}  // namespace lm
