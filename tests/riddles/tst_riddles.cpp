#include "data/RiddleTable.h"
#include "riddles/KnownRiddles.h"
#include "riddles/RiddleBar.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSet>
#include <QtTest>

namespace {
QString riddle(int i)
{
    return QString::fromUtf8(kRiddleTable[i].text);
}
QString answer(int i)
{
    return QString::fromUtf8(kRiddleTable[i].answer);
}

QList<int> riddlesContaining(const QString &fragment)
{
    QList<int> found;
    for (int i = 0; i < kRiddleCount; ++i)
        if (riddle(i).contains(fragment))
            found << i;
    return found;
}
} // namespace

class TestRiddles : public QObject {
    Q_OBJECT
private slots:
    void barCopiesTheAnswerFieldOnEveryLookup();
    void tableAnswersInOrder();
    void tableTextsKeepTheirShape();
    void tableQuotedRiddlesVerbatim();
    void tableVariantsAndFragments();
    void tableRunsInAlphabeticalOrderOfFirstLetters();
};

void TestRiddles::barCopiesTheAnswerFieldOnEveryLookup()
{
    QStringList clipboard;
    Services services = Services::silent();
    services.setClipboardText = [&](const QString &text) { clipboard << text; };
    const KnownRiddles known;
    RiddleBar bar(services, &known);
    auto *riddleField = bar.findChild<QLineEdit *>("LabeledEdit1");
    auto *answerField = bar.findChild<QLineEdit *>("LabeledEdit2");
    auto *ok = bar.findChild<QPushButton *>("BitBtn1");
    QVERIFY(riddleField && answerField && ok);
    QCOMPARE(ok->text(), QString("OK"));
    QVERIFY(riddleField->text().isEmpty() && answerField->text().isEmpty());
    QVERIFY(!answerField->isReadOnly());

    riddleField->setText("28 дней");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(answerField->text(), QString("все"));
    // The riddle stays, selected, so that the next paste replaces it.
    QCOMPARE(riddleField->selectedText(), QString("28 дней"));

    // A miss keeps what the field holds, and that is copied again. The field's rule is
    // exact: what a copied text would be forgiven is a miss here.
    riddleField->setText("что это");
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(answerField->text(), QString("все"));

    // Cleared by hand, then a miss: an empty text goes to the clipboard.
    answerField->clear();
    QTest::mouseClick(ok, Qt::LeftButton);
    QCOMPARE(clipboard, (QStringList{"все", "все", ""}));
}

void TestRiddles::tableAnswersInOrder()
{
    const QStringList expected =
        QString::fromUtf8(
            "коромысло,время,арбуз,спичку,любовь,кукуруза,солнце,радуга,лук,болото,болото,радуга,огонь,"
            "варежки,пять,яйцо,пустой,большая медведица,арбуз,репейник,дверь,тригонометрия,гром,запасное,"
            "лысый,мороз,неверно,соня,запасное,репейник,любовь,лестница,ветер,туча,тараканы,изюминка,свеча,"
            "хвост,завтра,вода,рюкзак,прометей,тени,чучело,икар,будильник,мокрым,платок,облако,гром,крот,"
            "кокос,тапочки,все,тень,вишня,душ,качели,воздушный шар,утенок,песочные часы,зима,щука,один,"
            "серьги,завтра,время,гроб,гвоздь,шаг,живут,дождь,марка,зеркало,ожидание,крыша,совет,время,эхо,"
            "изюминка,темнота,зеркало,воздух,якорь,свеча,звезда,полотенце,свет,часы,холод,смысл,пух,"
            "дыхание,заноза,дыхание,тень,кольцо,ковер,губка,свеча,роса,змея,зеркало,нога,метла,заноза,"
            "перчатка")
            .split(',');
    QCOMPARE(expected.size(), kRiddleCount);
    for (int i = 0; i < kRiddleCount; ++i)
        QVERIFY2(answer(i) == expected[i], qPrintable(QString("answer %1").arg(i)));
    QCOMPARE(QSet<QString>(expected.begin(), expected.end()).size(), 89);
}

void TestRiddles::tableTextsKeepTheirShape()
{
    QSet<QString> seen;
    qsizetype longest = 0;
    for (int i = 0; i < kRiddleCount; ++i) {
        const QString text = riddle(i);
        longest = qMax(longest, text.size());
        const QByteArray where = QByteArray::number(i);
        QVERIFY2(text.endsWith(' ') && !text.endsWith("  "), where);
        QVERIFY2(!text.startsWith(' '), where);
        QVERIFY2(text.size() >= 26 && text.size() <= 258, where);
        QVERIFY2(!seen.contains(text), where);
        seen.insert(text);
    }
    // The table holds long, several-sentence riddles too, not only one-liners.
    QVERIFY2(longest >= 200, QByteArray::number(longest));
}

void TestRiddles::tableQuotedRiddlesVerbatim()
{
    const QList<QPair<int, QString>> quoted = {
        {1, "Без ног и без крыльев оно, быстро летит, не догонишь его. "},
        {6, "В синей чаще алый мяч, — Он и светел, и горяч. "},
        {7, "Встанет - до неба достанет. "},
        {11, "Встанет, до небу достанет. "},
        {14, "Если пять кошек ловят пять мышей за пять минут, то сколько времени нужно одной кошке, "
             "чтобы поймать одну мышку? "},
        {41, "Он совершил кражу, и хотя все об этом узнали, его не осудили. Кто он? "},
        {44, "Он был неизвестен, потом нарушил инструкцию, погиб и прославился. Кто он? "},
        {53, "Сколько месяцев в году имеют 28 дней? "},
        {78, "Что не видно, но слышно, и не говорит, но отвечает? "},
        {102, "Я смотрю на тебя и поднимаю левую руку, а ты поднимаешь правую. Что это? "},
        {106, "Я шел по дороге и увидел что-то с 5-ю пальцами, это не было живым. Что это? "},
    };
    for (const auto &[index, text] : quoted)
        QCOMPARE(riddle(index), text);
}

void TestRiddles::tableVariantsAndFragments()
{
    for (const auto &[a, b] : QList<QPair<int, int>>{
             {7, 11}, {9, 10}, {2, 18}, {4, 30}, {19, 29}, {23, 28}, {35, 79}, {81, 102}, {93, 105}})
        QVERIFY2(answer(a) == answer(b), qPrintable(QString("%1 and %2").arg(a).arg(b)));

    QVERIFY(riddle(99).endsWith(riddle(36)));
    QVERIFY(riddle(99).size() > riddle(36).size());
    QVERIFY(riddle(36).at(0).isUpper());
    QCOMPARE(riddlesContaining("собственным пламенем"), (QList<int>{36, 99}));

    QCOMPARE(riddlesContaining("Что это?"), (QList<int>{57, 94, 96, 102, 106}));
    QCOMPARE(riddlesContaining("Кто он?"), (QList<int>{41, 44}));
    QCOMPARE(riddlesContaining("Сколько"), (QList<int>{53, 54, 63}));
}

void TestRiddles::tableRunsInAlphabeticalOrderOfFirstLetters()
{
    const QString order = QString::fromUtf8("БВДЕЖИКЛМОПРСТУХЧШЭЯ");
    int previous = 0;
    QString firstLetters;
    for (int i = 0; i < kRiddleCount; ++i) {
        const int rank = order.indexOf(riddle(i).at(0));
        if (!firstLetters.contains(riddle(i).at(0)))
            firstLetters += riddle(i).at(0);
        QVERIFY2(rank >= 0, qPrintable(QString("riddle %1 starts with another letter").arg(i)));
        QVERIFY2(rank >= previous, qPrintable(QString("riddle %1 is out of order").arg(i)));
        previous = rank;
    }
    QCOMPARE(firstLetters, order); // every letter of the run begins some riddle
}

QTEST_MAIN(TestRiddles)
#include "tst_riddles.moc"
