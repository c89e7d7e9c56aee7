#include "web/LocatorPage.h"

#include "data/ClanTable.h"
#include "web/ClanComboBox.h"
#include "web/LinkLabel.h"
#include "web/WebAddresses.h"
#include "widgets/StandardGlyphs.h"

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

    auto *locator = new LinkLabel(tr("Локатор клановых сайтов от Brannoc"), this);
    locator->setObjectName(QStringLiteral("Label11"));
    locator->setGeometry(8, 8, 145, 26);
    locator->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    locator->setWordWrap(true);
    QPalette blue = locator->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    locator->setPalette(blue);
    connect(locator, &LinkLabel::clicked, this,
            [this] { m_services.openUrl(WebAddresses::communityLocator()); });

    m_clans = new ClanComboBox(this);
    m_clans->setGeometry(8, 48, 145, 22);
    m_clans->installEventFilter(this);
    m_clans->view()->installEventFilter(this);

    QPushButton *go = ignoreKindButton(this, "BitBtn6", tr("Перейти"), 80);
    connect(go, &QPushButton::clicked, this, &LocatorPage::goToChosenClan);

    auto *nicknameCaption = new QLabel(tr("Информация по нику:"), this);
    nicknameCaption->setObjectName(QStringLiteral("Label12"));
    nicknameCaption->move(8, 112);
    nicknameCaption->adjustSize();

    m_nickname = new QLineEdit(this);
    m_nickname->setObjectName(QStringLiteral("Edit_info"));
    m_nickname->setGeometry(8, 136, 121, 21);
    m_nickname->installEventFilter(this);
    nicknameCaption->setBuddy(m_nickname);

    QPushButton *search = ignoreKindButton(this, "BitBtn7", tr("Искать"), 164);
    connect(search, &QPushButton::clicked, this, &LocatorPage::lookUpPlayer);
}

void LocatorPage::goToChosenClan()
{
    const int clan = m_clans->currentIndex();
    if (clan < 0 || clan >= kClanCount)
        return;
    m_services.openUrl(QString::fromUtf8(kClanTable[clan].address));
}

void LocatorPage::lookUpPlayer()
{
    m_services.openUrl(WebAddresses::playerInfo(m_nickname->text()));
}

bool LocatorPage::eventFilter(QObject *watched, QEvent *event)
{
    // Enter acts as Search in the nickname field and as Go in the clan list, and goes no
    // further; every other key passes.
    if (event->type() != QEvent::KeyPress || !isEnter(static_cast<const QKeyEvent *>(event)))
        return QWidget::eventFilter(watched, event);
    if (watched == m_nickname) {
        lookUpPlayer();
        return true;
    }
    if (watched == m_clans->view()) {
        // In the dropped-down list Enter takes the highlighted clan, closes the list and
        // goes there.
        const QModelIndex highlighted = m_clans->view()->currentIndex();
        if (highlighted.isValid())
            m_clans->setCurrentIndex(highlighted.row());
        m_clans->hidePopup();
    }
    if (watched == m_clans || watched == m_clans->view()) {
        goToChosenClan();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
