#pragma once

#include <array>

// The four potions of the game and what each takes of nine ingredients.
inline constexpr int kIngredientCount = 9;
inline constexpr int kPotionCount = 4;

// Row order of the alchemy table; the ingredient pictures follow it.
extern const std::array<const char *, kIngredientCount> kIngredientNames;

// Column captions, three lines each: small life, small mana, large life, large mana.
extern const std::array<const char *, kPotionCount> kPotionHeaders;

// Pieces of each ingredient (row) that each potion (column) takes; 0: not used.
inline constexpr std::array<std::array<int, kPotionCount>, kIngredientCount> kPotionIngredients = {{
    {1, 1, 0, 0}, // small empty bottle
    {0, 0, 1, 1}, // large empty bottle
    {3, 0, 4, 0}, // St John's wort
    {0, 2, 0, 5}, // thistle
    {0, 3, 0, 4}, // black root
    {0, 1, 0, 2}, // basil
    {2, 0, 2, 0}, // fern
    {0, 0, 1, 0}, // yarrow
    {0, 0, 0, 1}, // mandrake root
}};

constexpr int usedIngredientCells()
{
    int used = 0;
    for (const auto &row : kPotionIngredients)
        for (int count : row)
            used += count > 0;
    return used;
}
static_assert(usedIngredientCells() == 16);
