#pragma once

#include <QWidget>

class QCheckBox;
class Settings;

// The Settings page: a check box for each of the three switches at its top (the counters
// below them are added by their own owner).
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(Settings *settings, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    bool m_fitted = false;
    QCheckBox *m_sound;
    QCheckBox *m_standardPictures;
    QCheckBox *m_searchZones;
};
