#include "BuildConfig.h"
#include "StandInHandler.h"
#include "common/TestSupport.h"
#include "data/ClanTable.h"
#include "web/ClanComboBox.h"
#include "web/LinkLabel.h"
#include "web/LocatorPage.h"
#include "web/NewsLinks.h"
#include "web/WebAddresses.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {
const QString kGame = QString::fromUtf8(BuildConfig::kGameHost);
const QString kCommunity = QString::fromUtf8(BuildConfig::kCommunityHost);
const QString kPlayerPage =
    QStringLiteral("http://") + kGame + QStringLiteral("/index.php?file=infouser&login=");

// Counts the key presses that reach a widget, to see whether a child passed one on.
struct KeyPressCounter : QObject {
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++count;
        return false;
    }
};

template <typename T> T *child(QWidget *parent, const char *name)
{
    T *found = parent->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qWarning("no %s", name);
    return found;
}

// A double click as the window system delivers it: press, release, press with the
// double click, release.
void doubleClick(QWidget *widget)
{
    QTest::mouseDClick(widget->window()->windowHandle(), Qt::LeftButton, {},
                       widget->mapTo(widget->window(), widget->rect().center()));
}

// Types `text` key by key, any script (QTest::keyClicks takes Latin-1 only).
void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool isScript(const QString &text, QChar::Script script)
{
    bool anyLetter = false;
    for (const QChar c : text) {
        if (!c.isLetter())
            continue;
        anyLetter = true;
        if (c.script() != script)
            return false;
    }
    return anyLetter;
}

QString emblemPath(int clan)
{
    return QStringLiteral(":/web/clan-%1.png").arg(clan + 1, 2, 10, QLatin1Char('0'));
}

// Where the opaque pixels of `emblem` appear unchanged in `image`, or (-1, -1).
QPoint findEmblem(const QImage &image, const QImage &emblem)
{
    const QImage in = image.convertToFormat(QImage::Format_ARGB32);
    const QImage pattern = emblem.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y + 12 <= in.height(); ++y) {
        for (int x = 0; x + pattern.width() <= in.width(); ++x) {
            bool same = true;
            for (int py = 0; py < 12 && same; ++py) {
                for (int px = 0; px < pattern.width() && same; ++px) {
                    const QRgb p = pattern.pixel(px, py);
                    if (qAlpha(p) == 255 && in.pixel(x + px, y + py) != p)
                        same = false;
                }
            }
            if (same)
                return {x, y};
        }
    }
    return {-1, -1};
}

// Whether any pixel of the row band [top, top + height) between x0 and x1 differs from `background`.
bool anyInk(const QImage &image, int x0, int x1, int top, int height, QRgb background)
{
    for (int y = top; y < top + height; ++y)
        for (int x = x0; x < x1; ++x)
            if (image.pixel(x, y) != background)
                return true;
    return false;
}
} // namespace

class TestWebLinks : public QObject {
    Q_OBJECT
private slots:
    void addressesAreSchemeHostAndPath();

    void newsLinksOpenOnClickAndAgainOnDoubleClick();
    void locatorLinkOpensOncePerClickOrDoubleClick();

    void clanTableShape();
    void clanListPairsNamesEmblemsAndAddresses();
    void goOpensTheSelectedClanExactlyAsStored();
    void enterInTheClanListGoesAndIsSwallowed();
    void enterInTheDroppedDownListGoesToTheHighlightedClan();
    void droppedDownListShowsFifteenItems();
    void searchOpensThePlayerPage_data();
    void searchOpensThePlayerPage();
    void enterInTheNicknameFieldSearchesAndIsSwallowed();

    void itemShowsEmblemAtLeftAndNameAt37();
    void closedBoxShowsTheChosenClanTheSameWay();

    void typedNicknameReachesTheHandlerAsOneArgument();
};

void TestWebLinks::addressesAreSchemeHostAndPath()
{
    QCOMPARE(WebAddresses::address(QStringLiteral("host.test"), QStringLiteral("/a b ")),
             QStringLiteral("http://host.test/a b "));
    QCOMPARE(WebAddresses::gameNews(), QStringLiteral("http://") + kGame + QStringLiteral("/guide/news.php"));
    QCOMPARE(WebAddresses::communityStart(), QStringLiteral("http://") + kCommunity + QStringLiteral("/"));
    QCOMPARE(WebAddresses::communityLocator(),
             QStringLiteral("http://") + kCommunity + QStringLiteral("/index/0-24"));
    QCOMPARE(WebAddresses::playerInfo(QStringLiteral("host.test"), QStringLiteral("Nick")),
             QStringLiteral("http://host.test/index.php?file=infouser&login=Nick"));
}

void TestWebLinks::newsLinksOpenOnClickAndAgainOnDoubleClick()
{
    RecordingServices opened;
    QWidget page;
    page.resize(169, 240);
    NewsLinks::gameNews(opened.services(), &page);
    NewsLinks::communityNews(opened.services(), &page)->move(8, 24);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    auto *news = child<QLabel>(&page, "Label13");
    auto *community = child<QLabel>(&page, "Label14");
    QVERIFY(news && community);
    QCOMPARE(news->text(), QStringLiteral("НОВОСТИ ОНЛ"));
    QCOMPARE(community->text(), QStringLiteral("НОВОСТИ Brannoc"));
    QVERIFY(news->font().bold() && news->font().underline());

    const QString newsAddress = QStringLiteral("http://") + kGame + QStringLiteral("/guide/news.php");
    const QString communityAddress = QStringLiteral("http://") + kCommunity + QStringLiteral("/");
    QTest::mouseClick(news, Qt::LeftButton);
    QCOMPARE(opened.urls, QStringList{newsAddress});

    opened.urls.clear();
    doubleClick(news);
    QCOMPARE(opened.urls, QStringList({newsAddress, newsAddress}));

    opened.urls.clear();
    QTest::mouseClick(community, Qt::LeftButton);
    doubleClick(community);
    QCOMPARE(opened.urls, QStringList({communityAddress, communityAddress, communityAddress}));

    // The right button is no click.
    opened.urls.clear();
    QTest::mouseClick(news, Qt::RightButton);
    QVERIFY(opened.urls.isEmpty());
}

void TestWebLinks::locatorLinkOpensOncePerClickOrDoubleClick()
{
    RecordingServices opened;
    LocatorPage page(opened.services());
    page.resize(169, 240);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *link = child<QLabel>(&page, "Label11");
    QVERIFY(link);
    QCOMPARE(link->text(), QStringLiteral("Локатор клановых сайтов от Brannoc"));
    // The text wraps onto two lines inside its 145 × 26 box.
    QCOMPARE(link->geometry(), QRect(8, 8, 145, 26));
    QVERIFY(link->wordWrap());
    QVERIFY(link->fontMetrics().horizontalAdvance(link->text()) > 145);

    const QString address = QStringLiteral("http://") + kCommunity + QStringLiteral("/index/0-24");
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(opened.urls, QStringList{address});
    opened.urls.clear();
    doubleClick(link);
    QCOMPARE(opened.urls, QStringList{address});
}

void TestWebLinks::clanTableShape()
{
    QCOMPARE(int(kClanTable.size()), 99);
    for (int i = 0; i < kClanCount; ++i) {
        const QString name = QString::fromUtf8(kClanTable[i].name);
        const QString address = QString::fromUtf8(kClanTable[i].address);
        QVERIFY2(isScript(name, i < 48 ? QChar::Script_Latin : QChar::Script_Cyrillic), qPrintable(name));
        if (i > 0 && i < 48) {
            const QString previous = QString::fromUtf8(kClanTable[i - 1].name);
            QVERIFY2(QString::compare(previous, name, Qt::CaseInsensitive) < 0,
                     qPrintable(previous + QStringLiteral(" / ") + name));
        }
        QVERIFY2(address.startsWith(QStringLiteral("http://")), qPrintable(address));
        // Until the real directory is filled in, no address leaves the reserved domain.
        const QString host = address.mid(7).section(QLatin1Char('/'), 0, 0);
        QVERIFY2(host.endsWith(QStringLiteral(".example")), qPrintable(address));
    }
}

void TestWebLinks::clanListPairsNamesEmblemsAndAddresses()
{
    ClanComboBox clans;
    QCOMPARE(clans.count(), kClanCount);
    QCOMPARE(clans.emblems().size(), kClanCount);
    QVERIFY(clans.isEditable() == false);
    QCOMPARE(clans.currentIndex(), 0);
    QList<QImage> seen;
    for (int i = 0; i < kClanCount; ++i) {
        QCOMPARE(clans.itemText(i), QString::fromUtf8(kClanTable[i].name));
        const QImage emblem(emblemPath(i));
        QCOMPARE(emblem.size(), QSize(19, 19));
        QCOMPARE(clans.emblems().at(i).toImage().convertToFormat(emblem.format()), emblem);
        QVERIFY2(!seen.contains(emblem), qPrintable(emblemPath(i)));
        seen << emblem;
    }
    QVERIFY(QImage(emblemPath(kClanCount)).isNull());
}

void TestWebLinks::goOpensTheSelectedClanExactlyAsStored()
{
    RecordingServices opened;
    LocatorPage page(opened.services());
    auto *clans = child<ClanComboBox>(&page, "Clans_ComboBox");
    auto *go = child<QPushButton>(&page, "BitBtn6");
    QVERIFY(clans && go);
    QCOMPARE(go->text(), QStringLiteral("Перейти"));

    QTest::mouseClick(go, Qt::LeftButton);
    QCOMPARE(opened.urls, QStringList{QString::fromUtf8(kClanTable[0].address)});

    int spaced = -1;
    for (int i = 0; i < kClanCount && spaced < 0; ++i)
        if (QByteArray(kClanTable[i].address).endsWith(' '))
            spaced = i;
    QVERIFY(spaced > 0);
    clans->setCurrentIndex(spaced);
    opened.urls.clear();
    QTest::mouseClick(go, Qt::LeftButton);
    QCOMPARE(opened.urls, QStringList{QString::fromUtf8(kClanTable[spaced].address)});
    QVERIFY(opened.urls.first().endsWith(QLatin1Char(' ')));
    QCOMPARE(clans->currentIndex(), spaced);
}

void TestWebLinks::enterInTheClanListGoesAndIsSwallowed()
{
    RecordingServices opened;
    LocatorPage page(opened.services());
    auto *clans = child<ClanComboBox>(&page, "Clans_ComboBox");
    QVERIFY(clans);
    clans->setCurrentIndex(kClanCount - 1);
    KeyPressCounter reachedPage;
    page.installEventFilter(&reachedPage);

    QTest::keyClick(clans, Qt::Key_Return);
    QTest::keyClick(clans, Qt::Key_Enter, Qt::KeypadModifier);
    const QString address = QString::fromUtf8(kClanTable[kClanCount - 1].address);
    QCOMPARE(opened.urls, QStringList({address, address}));
    QCOMPARE(reachedPage.count, 0);
    QCOMPARE(clans->currentIndex(), kClanCount - 1);

    // Other keys keep their meaning in the list.
    opened.urls.clear();
    QTest::keyClick(clans, Qt::Key_Up);
    QCOMPARE(clans->currentIndex(), kClanCount - 2);
    QVERIFY(opened.urls.isEmpty());
}

void TestWebLinks::enterInTheDroppedDownListGoesToTheHighlightedClan()
{
    RecordingServices opened;
    LocatorPage page(opened.services());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *clans = child<ClanComboBox>(&page, "Clans_ComboBox");
    QVERIFY(clans);
    clans->showPopup();
    QTRY_VERIFY(clans->view()->isVisible());
    QTest::keyClick(clans->view(), Qt::Key_Down);
    QTest::keyClick(clans->view(), Qt::Key_Down);
    QTest::keyClick(clans->view(), Qt::Key_Return);
    QTRY_VERIFY(!clans->view()->isVisible());
    QCOMPARE(clans->currentIndex(), 2);
    QCOMPARE(opened.urls, QStringList{QString::fromUtf8(kClanTable[2].address)});
}

void TestWebLinks::droppedDownListShowsFifteenItems()
{
    LocatorPage page(Services::silent());
    page.resize(169, 240);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *clans = child<ClanComboBox>(&page, "Clans_ComboBox");
    QVERIFY(clans);
    QCOMPARE(clans->geometry().topLeft(), QPoint(8, 48));
    QCOMPARE(clans->width(), 145);
    clans->showPopup();
    QAbstractItemView *view = clans->view();
    QTRY_VERIFY(view->isVisible());
    QCOMPARE(view->visualRect(view->model()->index(0, 0)).height(), 16);
    const int viewportHeight = view->viewport()->height();
    QVERIFY2(viewportHeight >= 15 * 16 && viewportHeight < 16 * 16,
             qPrintable(QString::number(viewportHeight)));
    // It drops down below the box rather than covering it.
    QVERIFY(view->mapToGlobal(QPoint(0, 0)).y() >= clans->mapToGlobal(QPoint(0, clans->height())).y() - 1);
    clans->hidePopup();
}

void TestWebLinks::searchOpensThePlayerPage_data()
{
    QTest::addColumn<QString>("nickname");
    QTest::newRow("empty") << QString();
    QTest::newRow("latin") << QStringLiteral("Hunter");
    QTest::newRow("cyrillic with spaces") << QStringLiteral(" Лесной Охотник ");
    QTest::newRow("query characters") << QStringLiteral("a&b=c#d%20e?");
    QTest::newRow("switch") << QStringLiteral("x --some-browser-switch");
}

void TestWebLinks::searchOpensThePlayerPage()
{
    QFETCH(QString, nickname);
    RecordingServices opened;
    LocatorPage page(opened.services());
    auto *field = child<QLineEdit>(&page, "Edit_info");
    auto *search = child<QPushButton>(&page, "BitBtn7");
    QVERIFY(field && search);
    QCOMPARE(search->text(), QStringLiteral("Искать"));
    QVERIFY(field->text().isEmpty());
    typeText(field, nickname);
    QTest::mouseClick(search, Qt::LeftButton);
    QCOMPARE(opened.urls, QStringList{kPlayerPage + nickname});
    QCOMPARE(field->text(), nickname);
}

void TestWebLinks::enterInTheNicknameFieldSearchesAndIsSwallowed()
{
    RecordingServices opened;
    LocatorPage page(opened.services());
    auto *field = child<QLineEdit>(&page, "Edit_info");
    QVERIFY(field);
    KeyPressCounter reachedPage;
    page.installEventFilter(&reachedPage);
    QSignalSpy returnPressed(field, &QLineEdit::returnPressed);

    typeText(field, QStringLiteral("Лесной Охотник"));
    QTest::keyClick(field, Qt::Key_Return);
    QTest::keyClick(field, Qt::Key_Enter, Qt::KeypadModifier);
    const QString address = kPlayerPage + QStringLiteral("Лесной Охотник");
    QCOMPARE(opened.urls, QStringList({address, address}));
    QCOMPARE(field->text(), QStringLiteral("Лесной Охотник"));
    QCOMPARE(returnPressed.count(), 0);
    QCOMPARE(reachedPage.count, 0);
}

void TestWebLinks::itemShowsEmblemAtLeftAndNameAt37()
{
    ClanComboBox clans;
    const QRgb base = clans.palette().color(QPalette::Base).rgb();
    const QRgb highlight = clans.palette().color(QPalette::Highlight).rgb();
    for (const bool selected : {false, true}) {
        const int clan = selected ? 60 : 7;
        QImage image(145, 22, QImage::Format_ARGB32);
        image.fill(Qt::magenta);
        QPainter painter(&image);
        painter.setClipRect(0, 0, 145, 16); // the list draws one item in its own row
        clans.drawItem(painter, clan, QRect(0, 0, 145, 16), selected);
        painter.end();
        QCOMPARE(findEmblem(image, QImage(emblemPath(clan))), QPoint(0, 0));
        const QRgb background = selected ? highlight : base;
        QCOMPARE(image.pixel(144, 0), background);
        QCOMPARE(image.pixel(144, 15), background);
        QCOMPARE(image.pixel(0, 17), QColor(Qt::magenta).rgb());
        // Nothing between the emblem and the name; the name starts at x = 37.
        QVERIFY(!anyInk(image, 19, 37, 0, 16, background));
        QVERIFY(anyInk(image, 37, 43, 0, 16, background));
    }
}

void TestWebLinks::closedBoxShowsTheChosenClanTheSameWay()
{
    QWidget page;
    auto *clans = new ClanComboBox(&page);
    clans->setGeometry(8, 48, 145, 22);
    page.resize(169, 100);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    for (const int clan : {0, 53}) {
        clans->setCurrentIndex(clan);
        const QImage box = clans->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QPoint at = findEmblem(box, QImage(emblemPath(clan)));
        QVERIFY2(at.x() >= 0, qPrintable(QString::number(clan)));
        QVERIFY(at.x() <= 4 && at.y() <= 4);
        QCOMPARE(findEmblem(box, QImage(emblemPath(clan == 0 ? 53 : 0))), QPoint(-1, -1));
        const QRgb background = box.pixel(at.x() + 25, at.y() + 8);
        QVERIFY(!anyInk(box, at.x() + 19, at.x() + 37, at.y(), 14, background));
        QVERIFY(anyInk(box, at.x() + 37, at.x() + 43, at.y(), 14, background));
    }
}

void TestWebLinks::typedNicknameReachesTheHandlerAsOneArgument()
{
    StandInHandler handler;
    QVERIFY(handler.isReady());
    LocatorPage page(Services::real());
    auto *field = child<QLineEdit>(&page, "Edit_info");
    QVERIFY(field);
    typeText(field, QStringLiteral("Лесной Охотник"));
    QTest::keyClick(field, Qt::Key_Return);
    WAIT_FOR_STAND_IN(handler);
    QCOMPARE(handler.recordedArguments(), QStringList{kPlayerPage + QStringLiteral("Лесной Охотник")});
}

QTEST_MAIN(TestWebLinks)
#include "tst_weblinks.moc"
