#include "CounterViews.h"

#include <QWidget>

CounterViews::CounterViews(QWidget *settingsPage) : QObject(settingsPage) {}

void CounterViews::start() {}

void CounterViews::setDesignedHeights() {}
