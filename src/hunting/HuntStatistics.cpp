#include "hunting/HuntStatistics.h"

HuntTally tallyHunt(const CellTable &animals, const CellTable &marks)
{
    HuntTally tally;
    for (int c = 0; c < HuntingBoard::kCells; ++c) {
        for (int r = 0; r < HuntingBoard::kCells; ++r) {
            const std::uint8_t animal = animals[c][r];
            const std::uint8_t mark = marks[c][r];
            if (animal != NoAnimal)
                tally.skillGain += mark;
            if (animal >= Hare && animal <= Bear) {
                ++tally.found[animal - 1];
                if (mark == TickMark)
                    ++tally.pelts[animal - 1];
            }
        }
    }
    return tally;
}

StatisticsColumnWidths statisticsColumnWidths(int clientWidth)
{
    const int found = (clientWidth - 51) / 2;
    return {found, clientWidth - 52 - found};
}
