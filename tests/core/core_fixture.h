#pragma once
// Puts the fixture's state record into its start-up state for each test.
#include <gtest/gtest.h>

#include "core/models.h"
#include "core/state.h"

namespace lm {

inline constexpr const char* kFixtureStamp = "2024-03-05 07:08:09";

class CoreStateTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartSession(state);
        NewImageAt(state, kFixtureStamp);  // a known time stamp
    }
    TALL state;
};

}  // namespace lm
