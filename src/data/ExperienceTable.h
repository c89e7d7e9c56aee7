#pragma once

#include <array>

// The game's level table, one entry per row of the experience window: level 1 and its
// steps first, then for each level from 2 to 15 its transition row and its steps.
inline constexpr int kExperienceRowCount = 119;
inline constexpr int kFirstTransitionLevel = 2;
inline constexpr int kLastLevel = 15;

// Experience at which each row is reached, rising from 0 to 150000000.
extern const std::array<int, kExperienceRowCount> kExperienceByRow;

// Base experience of the levels 2 to 15; level 1's is 30.
inline constexpr int kFirstLevelBaseExperience = 30;
inline constexpr std::array<int, kLastLevel - kFirstTransitionLevel + 1> kBaseExperience = {
    60, 130, 220, 350, 700, 1000, 1400, 2000, 2700, 3500, 5000, 7000, 10000, 14000};

constexpr int baseExperience(int level)
{
    return level == 1 ? kFirstLevelBaseExperience : kBaseExperience[level - kFirstTransitionLevel];
}

// The row where `level` (1 to 15) begins: 0 for level 1, then 3 for level 2 and one
// row further for each step: levels up to 8 have level + 2 rows, later ones eleven.
constexpr int levelFirstRow(int level)
{
    if (level <= 1)
        return 0;
    int row = 3;
    for (int n = kFirstTransitionLevel; n < level; ++n)
        row += n + 2 < 11 ? n + 2 : 11;
    return row;
}

static_assert(levelFirstRow(2) == 3 && levelFirstRow(9) == 52 && levelFirstRow(14) == 107);
static_assert(levelFirstRow(kLastLevel) == kExperienceRowCount - 1,
              "level 15 has only its transition row, the last of the table");
