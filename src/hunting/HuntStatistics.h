#pragma once

#include "hunting/HuntingBoard.h"

#include <array>
#include <cstdint>

// What a marked hunt adds up to. Index 0 of the arrays is the hare, 3 the bear.
struct HuntTally {
    std::array<std::uint8_t, 4> found{};
    std::array<std::uint8_t, 4> pelts{};
    int skillGain = 0;
};

// Counts the board's tables: every cell with an animal counts as found and adds its mark
// code to the skill (a cross 1, a tick 3); a ticked animal's pelt was taken. Marks on
// cells without an animal count for nothing.
HuntTally tallyHunt(const CellTable &animals, const CellTable &marks);

struct StatisticsColumnWidths {
    int found;
    int pelts;
};

// Widths of the two number columns that, with the 50-pixel name column and the two
// one-pixel lines between the columns, fill a grid whose inner width is `clientWidth`.
StatisticsColumnWidths statisticsColumnWidths(int clientWidth);
