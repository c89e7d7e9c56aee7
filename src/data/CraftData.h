#pragma once

#include <array>

// The crafting reference: the 34 craftable items in their fixed order, the five level
// groups they fall into, the recipe of every item and its description. The item number
// (0 to 33) indexes all of these tables. Texts are UTF-8.

inline constexpr int kCraftItemCount = 34;
inline constexpr int kLevelGroupCount = 5;
inline constexpr int kResourcePictureCount = 26;
inline constexpr int kMaxRecipeRows = 11;

// Names as the item list shows them.
extern const std::array<const char *, kCraftItemCount> kCraftItemNames;

// A level group is a contiguous stretch of the items.
struct LevelGroupRange {
    int first;
    int count;
};
inline constexpr std::array<LevelGroupRange, kLevelGroupCount> kLevelGroups = {{
    {0, 7},  // "4-5 уровень"
    {7, 6},  // "6-7 уровень"
    {13, 8}, // "8-9 уровень"
    {21, 7}, // "10-11 уровень"
    {28, 6}, // "Сет 8-11 уровень"
}};
static_assert(kLevelGroups[4].first + kLevelGroups[4].count == kCraftItemCount);

// One row of a recipe: a picture of the resource picture list (0 to 25), the resource's
// name and how many the item takes. The last row is always the item's recipe part.
struct RecipeRow {
    int picture;
    const char *resource;
    int count;
};

struct CraftRecipe {
    int rowCount;
    std::array<RecipeRow, kMaxRecipeRows> rows;
};

extern const std::array<CraftRecipe, kCraftItemCount> kCraftRecipes;

// Durability, requirements and effects of each item, lines joined by "\r\n".
extern const std::array<const char *, kCraftItemCount> ItemDescriptions;
