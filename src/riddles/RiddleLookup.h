#pragma once

#include <QString>

namespace RiddleLookup {
// The answer the riddle bar shows after looking up `query`: the answer of the last
// riddle that contains `query` exactly (case-sensitive, no trimming), or `current`
// when none does. An empty query matches nothing.
QString answerFor(const QString &query, const QString &current);
} // namespace RiddleLookup
