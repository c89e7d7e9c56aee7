#pragma once

#include <QWidget>

class QCheckBox;
class Settings;

// The Settings page: a check box for each of the three switches at its top and the visit
// counters at its foot.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(Settings *settings, QWidget *parent = nullptr);
    // Places the counters at the page's bottom-left corner, where they stay.
    void setCounters(QWidget *counters);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_fitted = false;
    QCheckBox *m_sound;
    QCheckBox *m_standardPictures;
    QCheckBox *m_searchZones;
};
