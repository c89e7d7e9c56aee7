#pragma once

#include <QObject>

class QWidget;

// The two visit counters at the foot of the Settings page and the start-up request.
class CounterViews : public QObject {
    Q_OBJECT
public:
    explicit CounterViews(QWidget *settingsPage);

    // Last step of the main window's creation: load both counters and send the
    // start-up request; returns when the request has ended.
    void start();
    // Gives both views their designed height again (the Settings button does this).
    void setDesignedHeights();
};
