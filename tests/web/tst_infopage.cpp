#include "BuildConfig.h"
#include "data/Instructions.h"
#include "web/InfoLinks.h"
#include "web/InfoPage.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "common/TestSupport.h"

namespace {
QString gameAddress()
{
    return QStringLiteral("http://%1/").arg(QString::fromUtf8(BuildConfig::kGameHost));
}

// The page as the main window shows it: 169 × 250 with the riddle bar hidden.
struct Fixture {
    RecordingServices opened;
    InfoPage page{opened.services()};
    QTextEdit *view = nullptr;

    Fixture()
    {
        page.resize(169, 250);
        page.show();
        view = page.findChild<QTextEdit *>(QStringLiteral("RichEdit1"));
    }
    // A point a little inside the character at `position` of the document, in viewport coordinates.
    QPoint pointAt(int position) const
    {
        QTextCursor cursor(view->document());
        cursor.setPosition(position);
        const QRect caret = view->cursorRect(cursor);
        return QPoint(caret.left() + 2, caret.center().y());
    }
    void press(int position, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mousePress(view->viewport(), button, Qt::NoModifier, pointAt(position));
        QTest::mouseRelease(view->viewport(), button, Qt::NoModifier, pointAt(position));
    }
    int find(const QString &text) const { return view->document()->find(text).selectionStart(); }
};
} // namespace

class TestInfoPage : public QObject {
    Q_OBJECT
private slots:
    void wordRule_data();
    void wordRule();
    void targetsOfWords_data();
    void targetsOfWords();
    void linksFoundInText();
    void instructionsHaveTheirStructure();
    void pageLayout();
    void addressesShownAsLinks();
    void pressOnWebAddressOpensIt_data();
    void pressOnWebAddressOpensIt();
    void pressOnMailAddressKeepsItsComma();
    void pressElsewhereOpensNothing();
    void wrappedAddressOpensWhole();
};

void TestInfoPage::wordRule_data()
{
    QTest::addColumn<QString>("paragraph");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("word");
    const QString text = QStringLiteral("сайт http://game.example/ - картинки");
    QTest::newRow("left end of the address") << text << 5 << QStringLiteral("http://game.example/");
    QTest::newRow("middle of the address") << text << 14 << QStringLiteral("http://game.example/");
    QTest::newRow("right end of the address") << text << 24 << QStringLiteral("http://game.example/");
    QTest::newRow("a space") << text << 4 << QString();
    QTest::newRow("first word") << text << 0 << QStringLiteral("сайт");
    QTest::newRow("last word") << text << text.size() - 1 << QStringLiteral("картинки");
    QTest::newRow("a dash between spaces") << text << 26 << QStringLiteral("-");
    const QString mail = QStringLiteral("на mailto:bugs@kelo.example, или mailto:team@kelo.example , указав");
    QTest::newRow("first mail keeps its comma") << mail << 10 << QStringLiteral("mailto:bugs@kelo.example,");
    QTest::newRow("second mail stops at the space")
        << mail << 40 << QStringLiteral("mailto:team@kelo.example");
    QTest::newRow("the lone comma") << mail << mail.indexOf(QStringLiteral(" ,")) + 1 << QStringLiteral(",");
    QTest::newRow("punctuation belongs to the word")
        << QStringLiteral("(см. «http://a.example/x»).") << 8 << QStringLiteral("«http://a.example/x»).");
    QTest::newRow("outside the text") << text << text.size() << QString();
    QTest::newRow("before the text") << text << -1 << QString();
    QTest::newRow("only a tab is no space") << QStringLiteral("a\tb c") << 0 << QStringLiteral("a\tb");
}

void TestInfoPage::wordRule()
{
    QFETCH(QString, paragraph);
    QFETCH(int, index);
    QFETCH(QString, word);
    QCOMPARE(InfoLinks::wordAt(paragraph, index), word);
}

void TestInfoPage::targetsOfWords_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("web");
    QTest::addColumn<bool>("mail");
    QTest::newRow("web address") << QStringLiteral("http://game.example/") << true << false;
    QTest::newRow("scheme inside the word") << QStringLiteral("(http://game.example/)") << true << false;
    QTest::newRow("capital scheme") << QStringLiteral("HTTP://game.example/") << false << false;
    QTest::newRow("mixed-case scheme") << QStringLiteral("Http://game.example/") << false << false;
    QTest::newRow("secure scheme is not the web scheme")
        << QStringLiteral("https://game.example/") << false << false;
    QTest::newRow("mail address") << QStringLiteral("mailto:bugs@kelo.example,") << false << true;
    QTest::newRow("both schemes") << QStringLiteral("http://a.example/?mailto:b@c.example") << true << true;
    QTest::newRow("ordinary word") << QStringLiteral("Информация:") << false << false;
    QTest::newRow("empty word") << QString() << false << false;
}

void TestInfoPage::targetsOfWords()
{
    QFETCH(QString, word);
    QFETCH(bool, web);
    QFETCH(bool, mail);
    const InfoLinks::Targets targets = InfoLinks::targetsOf(word);
    QCOMPARE(targets.web, web);
    QCOMPARE(targets.mail, mail);
}

void TestInfoPage::linksFoundInText()
{
    const QList<InfoLinks::Link> links = InfoLinks::findLinks(QStringLiteral(
        "на mailto:bugs@kelo.example, или mailto:team@kelo.example , сайт (http://a.example/x). "
        "и www.b.example; но не http:// и не просто текст."));
    QStringList addresses;
    for (const InfoLinks::Link &link : links)
        addresses.append(link.address);
    QCOMPARE(addresses, (QStringList{QStringLiteral("mailto:bugs@kelo.example"),
                                     QStringLiteral("mailto:team@kelo.example"),
                                     QStringLiteral("http://a.example/x"), QStringLiteral("www.b.example")}));
    QCOMPARE(links.at(0).start, 3);
    QCOMPARE(links.at(0).length, 24);
}

void TestInfoPage::instructionsHaveTheirStructure()
{
    const QStringList lines = Instructions::lines(QStringLiteral("game.test"), QStringLiteral("club.test"));
    QCOMPARE(lines.size(), Instructions::kLineCount);
    QStringList paragraphs;
    for (int i = 0; i < lines.size(); ++i) {
        if (i % 2 == 1)
            QVERIFY2(lines.at(i).isEmpty(), "paragraphs are separated by empty lines");
        else
            paragraphs.append(lines.at(i));
    }
    QCOMPARE(paragraphs.size(), 12);
    QCOMPARE(paragraphs.at(0), QStringLiteral("Инструкция:"));
    QCOMPARE(paragraphs.at(8), QStringLiteral("Информация:"));
    const QStringList numbers = {QStringLiteral("1. Загадки - "),    QStringLiteral("2. Планшет - "),
                                 QStringLiteral("3. Статистика - "), QStringLiteral("4. Таймеры - "),
                                 QStringLiteral("5. Знания - "),     QStringLiteral("5. Локатор - "),
                                 QStringLiteral("6. Настройки - ")};
    for (int i = 0; i < numbers.size(); ++i)
        QVERIFY2(paragraphs.at(1 + i).startsWith(numbers.at(i)), qPrintable(paragraphs.at(1 + i)));
    QVERIFY(paragraphs.at(9).startsWith(QStringLiteral("1. ")));
    QVERIFY(paragraphs.at(9).contains(QStringLiteral(" http://game.test/ ")));
    QVERIFY(paragraphs.at(10).startsWith(QStringLiteral("2. ")));
    QCOMPARE(paragraphs.at(10).count(QStringLiteral(" http://club.test/ ")), 2);
    QVERIFY(paragraphs.at(11).startsWith(QStringLiteral("3. ")));
    QVERIFY(paragraphs.at(11).contains(QStringLiteral(" mailto:bugs@kelo.example, ")));
    QVERIFY(paragraphs.at(11).contains(QStringLiteral(" mailto:team@kelo.example , ")));
    QVERIFY(paragraphs.at(11).contains(QStringLiteral("«УТИЛИТА» или «Kelo»")));
    QVERIFY(lines.join(u'\n').contains(QStringLiteral("Brannoc")));
    QVERIFY(Instructions::programmerCredit().startsWith(QStringLiteral("Программист:")));
    QVERIFY(Instructions::designerCredit().startsWith(QStringLiteral("Дизайнер:")));
}

void TestInfoPage::pageLayout()
{
    Fixture f;
    QCOMPARE(f.page.objectName(), QStringLiteral("TabSheet7"));
    auto *label7 = f.page.findChild<QLabel *>(QStringLiteral("Label7"));
    auto *label8 = f.page.findChild<QLabel *>(QStringLiteral("Label8"));
    QVERIFY(label7 && label8 && f.view);
    QCOMPARE(label7->geometry(), QRect(0, 8, 150, 25));
    QCOMPARE(label8->geometry(), QRect(0, 40, 145, 26));
    QVERIFY(label7->text().startsWith(QStringLiteral("Программист:")));
    QVERIFY(label8->text().startsWith(QStringLiteral("Дизайнер:")));
    QVERIFY(label7->font().bold() && label8->font().bold());
    QVERIFY(label7->wordWrap() && label8->wordWrap());
    QCOMPARE(label7->palette().color(QPalette::WindowText), QColor(Qt::blue));
    QCOMPARE(label8->palette().color(QPalette::WindowText), QColor(Qt::red));

    QCOMPARE(f.view->geometry(), QRect(0, 250 - 94, 169, 94));
    QVERIFY(f.view->isReadOnly());
    QCOMPARE(f.view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(f.view->lineWrapMode(), QTextEdit::WidgetWidth);
    // Aligned to the bottom edge: it moves with the page's height.
    f.page.resize(169, 176);
    QCOMPARE(f.view->geometry(), QRect(0, 176 - 94, 169, 94));

    // One paragraph per stored line.
    const QStringList lines = Instructions::lines(QString::fromUtf8(BuildConfig::kGameHost),
                                                  QString::fromUtf8(BuildConfig::kCommunityHost));
    QCOMPARE(f.view->document()->blockCount(), lines.size());
    QTextBlock block = f.view->document()->firstBlock();
    for (const QString &line : lines) {
        QCOMPARE(block.text(), line);
        block = block.next();
    }
}

void TestInfoPage::addressesShownAsLinks()
{
    Fixture f;
    QTextCursor cursor(f.view->document());
    cursor.setPosition(f.find(gameAddress()) + 3);
    QVERIFY(cursor.charFormat().isAnchor());
    QCOMPARE(cursor.charFormat().anchorHref(), gameAddress());
    cursor.setPosition(f.find(QStringLiteral("mailto:bugs@")) + 3);
    QCOMPARE(cursor.charFormat().anchorHref(), QStringLiteral("mailto:bugs@kelo.example"));
    cursor.setPosition(f.find(QStringLiteral("Инструкция")) + 3);
    QVERIFY(!cursor.charFormat().isAnchor());
}

void TestInfoPage::pressOnWebAddressOpensIt_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<int>("offset");
    QTest::newRow("left press, first character") << Qt::LeftButton << 0;
    QTest::newRow("right press, middle") << Qt::RightButton << 9;
    QTest::newRow("middle press, last character") << Qt::MiddleButton << int(gameAddress().size()) - 1;
}

void TestInfoPage::pressOnWebAddressOpensIt()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(int, offset);
    Fixture f;
    const int at = f.find(gameAddress());
    QVERIFY(at > 0);
    f.view->ensureCursorVisible();
    QTextCursor cursor(f.view->document());
    cursor.setPosition(at);
    f.view->setTextCursor(cursor);
    f.view->ensureCursorVisible();
    f.press(at + offset, button);
    QCOMPARE(f.opened.urls, QStringList{gameAddress()});
    QVERIFY(f.opened.mails.isEmpty());
}

void TestInfoPage::pressOnMailAddressKeepsItsComma()
{
    Fixture f;
    const int at = f.find(QStringLiteral("mailto:bugs@"));
    QTextCursor cursor(f.view->document());
    cursor.setPosition(at);
    f.view->setTextCursor(cursor);
    f.view->ensureCursorVisible();
    f.press(at + 2);
    QCOMPARE(f.opened.mails, QStringList{QStringLiteral("mailto:bugs@kelo.example,")});
    QVERIFY(f.opened.urls.isEmpty());
}

void TestInfoPage::pressElsewhereOpensNothing()
{
    Fixture f;
    f.press(f.find(QStringLiteral("Инструкция")) + 2); // an ordinary word
    const int space = f.find(QStringLiteral("Загадки")) - 1;
    QCOMPARE(f.view->document()->characterAt(space), QChar(u' '));
    f.press(space); // a space
    QVERIFY(f.opened.urls.isEmpty());
    QVERIFY(f.opened.mails.isEmpty());

    // A word that holds both schemes opens both ways; the capital scheme does not open.
    f.view->setPlainText(QStringLiteral("а HTTP://game.example/ б http://a.example/?mailto:b@c.example в"));
    f.press(4);
    QVERIFY(f.opened.urls.isEmpty());
    f.press(30);
    QCOMPARE(f.opened.urls, QStringList{QStringLiteral("http://a.example/?mailto:b@c.example")});
    QCOMPARE(f.opened.mails, QStringList{QStringLiteral("http://a.example/?mailto:b@c.example")});
}

void TestInfoPage::wrappedAddressOpensWhole()
{
    Fixture f;
    const QString address =
        QStringLiteral("http://game.example/guide/a/very/long/path/that/cannot/fit/on/one/line.php");
    f.view->setPlainText(QStringLiteral("Смотрите ") + address + QStringLiteral(" там"));
    const int first = 9;
    const int last = first + int(address.size()) - 1;
    // The view breaks the address over display lines.
    QVERIFY(f.pointAt(last).y() > f.pointAt(first).y());
    f.press(last);
    f.press(first + 2);
    f.press(first + 40, Qt::RightButton);
    QCOMPARE(f.opened.urls, (QStringList{address, address, address}));
}

QTEST_MAIN(TestInfoPage)
#include "tst_infopage.moc"
