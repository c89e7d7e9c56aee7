#include "SettingsPage.h"

#include <QCheckBox>

namespace {
QCheckBox *flag(QWidget *page, const char *name, const QString &caption, int top)
{
    auto *box = new QCheckBox(caption, page);
    box->setObjectName(QString::fromLatin1(name));
    // The caption stands left of the box.
    box->setLayoutDirection(Qt::RightToLeft);
    box->setGeometry(8, top, 121, 17);
    // The captions were laid out for a narrower font than ours: narrow the glyphs as much
    // as the longest caption needs to stay whole beside its box.
    QFont font = box->font();
    for (int stretch : {QFont::SemiCondensed, QFont::Condensed}) {
        if (box->sizeHint().width() <= box->width())
            break;
        font.setStretch(stretch);
        box->setFont(font);
    }
    box->setChecked(true);
    return box;
}
} // namespace

SettingsPage::SettingsPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet6"));
    m_sound = flag(this, "CheckBox1", QStringLiteral("Звук вкл/выкл"), 8);
    m_standardPictures = flag(this, "CheckBox2", QStringLiteral("Стандарт. картинки"), 32);
    m_searchZones = flag(this, "CheckBox3", QStringLiteral("Зоны поиска"), 56);
}
