#pragma once

#include <QObject>

// The player's three switches of the Settings page, all on at start and never saved.
// Pages read them here and follow their change signals.
class Settings : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool sound READ sound WRITE setSound NOTIFY soundChanged)
    Q_PROPERTY(
        bool standardPictures READ standardPictures WRITE setStandardPictures NOTIFY standardPicturesChanged)
    Q_PROPERTY(bool searchZones READ searchZones WRITE setSearchZones NOTIFY searchZonesChanged)
public:
    using QObject::QObject;

    // A countdown that ends plays the system sound.
    bool sound() const { return m_sound; }
    void setSound(bool on);
    // The hunting board draws animals from the standard picture set, else the coloured one.
    bool standardPictures() const { return m_standardPictures; }
    void setStandardPictures(bool on);
    // The search-zone markers lie over the board.
    bool searchZones() const { return m_searchZones; }
    void setSearchZones(bool on);

signals:
    void soundChanged(bool on);
    void standardPicturesChanged(bool on);
    void searchZonesChanged(bool on);

private:
    bool m_sound = true;
    bool m_standardPictures = true;
    bool m_searchZones = true;
};
