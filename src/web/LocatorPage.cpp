#include "LocatorPage.h"

#include "ClanComboBox.h"
#include "ClanTable.h"
#include "LinkLabel.h"
#include "StandardGlyphs.h"
#include "WebAddresses.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QPushButton *ignoreKindButton(QWidget *page, const char *name, const QString &caption, int top)
{
    auto *button = new QPushButton(standardGlyph(StandardGlyph::Ignore), caption, page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(32, top, 89, 25);
    return button;
}
} // namespace

LocatorPage::LocatorPage(const Services &services, QWidget *parent) : QWidget(parent), m_services(services)
{
    setObjectName(QStringLiteral("TabSheet5"));

    auto *locator = new LinkLabel(QStringLiteral("Локатор клановых сайтов от Brannoc"), this);
    locator->setObjectName(QStringLiteral("Label11"));
    locator->setGeometry(8, 8, 145, 26);
    locator->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    locator->setWordWrap(true);
    QPalette blue = locator->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    locator->setPalette(blue);
    connect(locator, &LinkLabel::clicked, this, &LocatorPage::Label11Click);

    m_clans = new ClanComboBox(this);
    m_clans->setGeometry(8, 48, 145, 22);
    m_clans->installEventFilter(this);
    m_clans->view()->installEventFilter(this);

    QPushButton *go = ignoreKindButton(this, "BitBtn6", QStringLiteral("Перейти"), 80);
    connect(go, &QPushButton::clicked, this, &LocatorPage::BitBtn6Click);

    auto *nicknameCaption = new QLabel(QStringLiteral("Информация по нику:"), this);
    nicknameCaption->setObjectName(QStringLiteral("Label12"));
    nicknameCaption->move(8, 112);
    nicknameCaption->adjustSize();

    m_nickname = new QLineEdit(this);
    m_nickname->setObjectName(QStringLiteral("Edit_info"));
    m_nickname->setGeometry(8, 136, 121, 21);
    m_nickname->installEventFilter(this);
    nicknameCaption->setBuddy(m_nickname);

    QPushButton *search = ignoreKindButton(this, "BitBtn7", QStringLiteral("Искать"), 164);
    connect(search, &QPushButton::clicked, this, &LocatorPage::BitBtn7Click);
}

void LocatorPage::Label11Click()
{
    m_services.openUrl(WebAddresses::communityLocator());
}

void LocatorPage::BitBtn6Click()
{
    const int clan = m_clans->currentIndex();
    if (clan < 0 || clan >= kClanCount)
        return;
    m_services.openUrl(QString::fromUtf8(kClanTable[clan].address));
}

void LocatorPage::BitBtn7Click()
{
    m_services.openUrl(WebAddresses::playerInfo(m_nickname->text()));
}

bool LocatorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        if (watched == m_nickname)
            return Edit_infoKeyPress(key);
        if (watched == m_clans)
            return Clans_ComboBoxKeyPress(key);
        if (watched == m_clans->view() && isEnter(key)) {
            // Enter in the dropped-down list takes the highlighted clan, closes the
            // list and goes there.
            const QModelIndex highlighted = m_clans->view()->currentIndex();
            if (highlighted.isValid())
                m_clans->setCurrentIndex(highlighted.row());
            m_clans->hidePopup();
            return Clans_ComboBoxKeyPress(key);
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool LocatorPage::Clans_ComboBoxKeyPress(const QKeyEvent *event)
{
    if (!isEnter(event))
        return false;
    BitBtn6Click();
    return true;
}

bool LocatorPage::Edit_infoKeyPress(const QKeyEvent *event)
{
    if (!isEnter(event))
        return false;
    BitBtn7Click();
    return true;
}
