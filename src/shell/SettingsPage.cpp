#include "shell/SettingsPage.h"

#include "settings/Settings.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace {
QCheckBox *flag(QWidget *page, const char *name, const QString &caption, int top, bool checked)
{
    auto *box = new QCheckBox(caption, page);
    box->setObjectName(QString::fromLatin1(name));
    // The caption stands left of the box.
    box->setLayoutDirection(Qt::RightToLeft);
    box->setGeometry(8, top, 121, 17);
    box->setChecked(checked);
    return box;
}

// The captions were laid out for a narrower font than ours: narrow the glyphs as much as
// the caption needs to stay whole beside its box.
void narrowToFit(QCheckBox *box)
{
    QFont font = box->font();
    for (int stretch : {QFont::SemiCondensed, QFont::Condensed}) {
        if (box->sizeHint().width() <= box->width())
            break;
        font.setStretch(stretch);
        box->setFont(font);
    }
}
} // namespace

SettingsPage::SettingsPage(Settings *settings, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet6"));
    m_sound = flag(this, "CheckBox1", tr("Звук вкл/выкл"), 8, settings->sound());
    m_standardPictures = flag(this, "CheckBox2", tr("Стандарт. картинки"), 32, settings->standardPictures());
    m_searchZones = flag(this, "CheckBox3", tr("Зоны поиска"), 56, settings->searchZones());
    // Each box shows its switch and sets it.
    connect(m_sound, &QCheckBox::toggled, settings, &Settings::setSound);
    connect(settings, &Settings::soundChanged, m_sound, &QCheckBox::setChecked);
    connect(m_standardPictures, &QCheckBox::toggled, settings, &Settings::setStandardPictures);
    connect(settings, &Settings::standardPicturesChanged, m_standardPictures, &QCheckBox::setChecked);
    connect(m_searchZones, &QCheckBox::toggled, settings, &Settings::setSearchZones);
    connect(settings, &Settings::searchZonesChanged, m_searchZones, &QCheckBox::setChecked);
}

void SettingsPage::setCounters(QWidget *counters)
{
    auto *foot = new QVBoxLayout(this);
    foot->setContentsMargins(0, 0, 0, 0);
    foot->addStretch();
    foot->addWidget(counters, 0, Qt::AlignLeft);
}

void SettingsPage::showEvent(QShowEvent *event)
{
    // Measuring text loads fonts; the page is made at start but seen only later, so the
    // captions are fitted when it is first shown.
    if (!m_fitted) {
        m_fitted = true;
        for (QCheckBox *box : {m_sound, m_standardPictures, m_searchZones})
            narrowToFit(box);
    }
    QWidget::showEvent(event);
}
