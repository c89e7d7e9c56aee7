#pragma once

#include <QComboBox>
#include <QPixmap>
#include <QVector>

// The clan list of the Locator page: a drop-down list without text entry whose items
// show the clan's emblem at the left and its name beside it, in the open list and in
// the closed box alike. Item i is clan i of the clan table and wears emblem i.
class ClanComboBox : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kItemHeight = 16;
    // Leaves room for the widest emblem of the program's picture menus.
    static constexpr int kTextLeft = 37;
    static constexpr int kVisibleItems = 15;

    explicit ClanComboBox(QWidget *parent = nullptr);

    // Draws item `index` into `rect`: the background (highlighted when `selected`), the
    // emblem with its top-left corner at the rectangle's, and the name kTextLeft pixels
    // from its left edge. The emblem is taller than the item and reaches below it.
    void drawItem(QPainter &painter, int index, const QRect &rect, bool selected) const;

    // The emblems by clan position.
    const QVector<QPixmap> &emblems() const { return m_emblems; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QVector<QPixmap> m_emblems;
};
