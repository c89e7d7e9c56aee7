#include "settings/Settings.h"

void Settings::setSound(bool on)
{
    if (on != m_sound) {
        m_sound = on;
        emit soundChanged(on);
    }
}

void Settings::setStandardPictures(bool on)
{
    if (on != m_standardPictures) {
        m_standardPictures = on;
        emit standardPicturesChanged(on);
    }
}

void Settings::setSearchZones(bool on)
{
    if (on != m_searchZones) {
        m_searchZones = on;
        emit searchZonesChanged(on);
    }
}
