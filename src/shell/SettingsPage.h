#pragma once

#include <QWidget>

class QCheckBox;

// The Settings page: the three flags at its top and the visit counters at its foot.
class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(QWidget *parent = nullptr);

    QCheckBox *soundFlag() const { return m_sound; }
    QCheckBox *standardPicturesFlag() const { return m_standardPictures; }
    QCheckBox *searchZonesFlag() const { return m_searchZones; }
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
