#pragma once

#include <QString>

namespace SecondsField {

// What a text that is not a whole number counts as.
constexpr int kFallbackSeconds = 60;

// Reads the custom timer's field leniently: leading spaces, an optional sign, then
// decimal digits or hexadecimal digits after "$", "x", "X", "0x" or "0X". Anything
// else (an empty text, a stray character, a trailing space, a value outside the
// signed 32-bit range) reads as kFallbackSeconds.
int read(const QString &text);

} // namespace SecondsField
