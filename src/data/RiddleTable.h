#pragma once

#include <array>

// The built-in riddle table, searched in this order. Texts are UTF-8.
struct RiddlePair {
    const char *text;
    const char *answer;
};

inline constexpr int kRiddleCount = 107;
extern const std::array<RiddlePair, kRiddleCount> kRiddleTable;
