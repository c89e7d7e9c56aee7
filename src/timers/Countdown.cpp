#include "timers/Countdown.h"

#include <QCoreApplication>

namespace Countdown {

Step tick(int &elapsed, int duration)
{
    if (elapsed >= duration)
        return {true, 0};
    ++elapsed;
    return {false, duration - elapsed};
}

QString timeLeftText(int secondsLeft)
{
    return QCoreApplication::translate("Countdown", "Осталось %1:%2:%3")
        .arg(secondsLeft / 3600)
        .arg(secondsLeft % 3600 / 60)
        .arg(secondsLeft % 60);
}

} // namespace Countdown
