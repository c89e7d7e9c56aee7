#include "SystemSound.h"

#include <QApplication>

void SystemSound::playActivityFinished()
{
    QApplication::beep();
}
