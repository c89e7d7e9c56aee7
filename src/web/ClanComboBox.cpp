#include "web/ClanComboBox.h"

#include "data/ClanTable.h"
#include "pictures/BuiltInPicture.h"

#include <QAbstractItemDelegate>
#include <QPainter>
#include <QProxyStyle>
#include <QStylePainter>

namespace {
// Some styles open a non-editable combo box as a menu over the box holding every item;
// the clan list drops down below the box and scrolls, showing kVisibleItems at a time.
class DropDownListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

class ClanItemDelegate : public QAbstractItemDelegate {
public:
    explicit ClanItemDelegate(ClanComboBox *combo) : QAbstractItemDelegate(combo), m_combo(combo) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        painter->save();
        m_combo->drawItem(*painter, index.row(), option.rect, option.state.testFlag(QStyle::State_Selected));
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {ClanComboBox::kTextLeft + option.fontMetrics.horizontalAdvance(index.data().toString()),
                ClanComboBox::kItemHeight};
    }

private:
    ClanComboBox *m_combo;
};
} // namespace

ClanComboBox::ClanComboBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("Clans_ComboBox"));
    auto *listStyle = new DropDownListStyle;
    listStyle->setParent(this);
    setStyle(listStyle);

    m_emblems.reserve(kClanCount);
    for (int i = 0; i < kClanCount; ++i) {
        addItem(QString::fromUtf8(kClanTable[i].name));
        m_emblems.append(
            BuiltInPicture::pixmap(QStringLiteral(":/web/clan-%1.png").arg(i + 1, 2, 10, QLatin1Char('0'))));
    }
    setItemDelegate(new ClanItemDelegate(this));
    setMaxVisibleItems(kVisibleItems);
    setCurrentIndex(0);
}

void ClanComboBox::drawItem(QPainter &painter, int index, const QRect &rect, bool selected) const
{
    const QPalette &colours = palette();
    painter.fillRect(rect, colours.brush(selected ? QPalette::Highlight : QPalette::Base));
    if (index < 0 || index >= count())
        return;
    if (index < m_emblems.size())
        painter.drawPixmap(rect.topLeft(), m_emblems.at(index));
    painter.setFont(font());
    painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect textRect(rect.left() + kTextLeft, rect.top(), qMax(0, rect.width() - kTextLeft),
                         rect.height());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, itemText(index));
}

void ClanComboBox::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    // A field beside the arrow, as a drop-down list looks, rather than a push button.
    option.editable = true;
    painter.drawComplexControl(QStyle::CC_ComboBox, option);

    // The field shows the chosen clan the way the open list does, highlighted while the
    // box has the keyboard focus.
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    const QRect item(field.left(), field.top() + (field.height() - kItemHeight) / 2, field.width(),
                     kItemHeight);
    painter.setClipRect(field);
    drawItem(painter, currentIndex(), item, hasFocus());
}
