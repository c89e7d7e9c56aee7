#pragma once

#include <QWidget>

class QCheckBox;

// The Tablet page: the hunting board with its search-zone markers and the reset button.
class TabletPage : public QWidget {
    Q_OBJECT
public:
    // `standardPictures` and `searchZones` are the Settings page's flags that this page reads.
    TabletPage(QCheckBox *standardPictures, QCheckBox *searchZones, QWidget *parent = nullptr);

private:
    QCheckBox *m_standardPictures;
    QCheckBox *m_searchZones;
};
