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
