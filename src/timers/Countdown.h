#pragma once

#include <QString>

// The rules of the activity countdowns, apart from any widget: a countdown counts the
// ticks since its start and ends on the tick after the last second.
namespace Countdown {

// What one tick did.
struct Step {
    bool ended;      // the tick found the whole duration already counted
    int secondsLeft; // when not ended: the duration minus the ticks counted so far
};

// One tick of a countdown of `duration` seconds whose counter is `elapsed`: counts the
// tick, or reports the end without counting.
Step tick(int &elapsed, int duration);

// "Осталось H:M:S", each number without leading zeros.
QString timeLeftText(int secondsLeft);

} // namespace Countdown
