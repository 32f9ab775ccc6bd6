#pragma once

// What each test level offers. Below the test run: the history grades an
// answer by the chance that a guess at its level is right.

namespace velmora {

struct TestLevel
{
    int firstAnswer = 2; // description test: first and last option shown
    int lastAnswer = 4;
    int keywordBoxCount = 7; // keyword test: boxes shown
    int keywordsToChoose = 3;
};

// Levels outside 0..2 (an odd stored setting) fall back to the nearest level.
[[nodiscard]] TestLevel testLevel(int level);

} // namespace velmora
