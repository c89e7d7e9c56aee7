#pragma once

#include <array>

// One clan of the built-in clan-site directory. Texts are UTF-8 and kept exactly as
// the clans gave them, trailing spaces included: they are shown and opened as they are.
struct ClanEntry {
    const char *name;
    const char *address;
};

// Display order: the clans with Latin-script names first, alphabetically ignoring case,
// then those with Cyrillic names. Clan i wears emblem i (see the web area's artwork).
inline constexpr int kClanCount = 99;
inline constexpr int kLatinClanCount = 48;
extern const std::array<ClanEntry, kClanCount> kClanTable;
