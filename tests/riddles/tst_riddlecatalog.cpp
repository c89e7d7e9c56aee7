#include "data/RiddleTable.h"
#include "riddles/KnownRiddles.h"
#include "riddles/RiddleAnswerer.h"
#include "riddles/RiddleCatalog.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
QString riddle(int i)
{
    return QString::fromUtf8(kRiddleTable[i].text);
}
} // namespace

class TestRiddleCatalog : public QObject {
    Q_OBJECT
private slots:
    void copiedRiddle_data();
    void copiedRiddle();
    void appendedRiddlesComeAfterTheTable();
    void fieldRuleIsExact();
    void answererSaysWhatItFound();
};

void TestRiddleCatalog::copiedRiddle_data()
{
    QTest::addColumn<QString>("copy");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("normal");

    // One row: the name, the copy, its answer (empty: a miss) and, where stated, its normal form.
    const auto row = [](const char *name, const QString &copy, const QString &answer,
                        const QString &normal = QString()) {
        QTest::newRow(name) << copy << answer << normal;
    };

    // Exact, as the riddle field: also a copy of fewer than four letters.
    row("exact: the last of two", "Кто он?", "икар", "кто он");
    row("exact: digits only", "28", "все", "28");

    // A piece of a riddle.
    row("piece: the last of two, case and punctuation aside", "кто он", "икар", "кто он");
    row("piece: Chromium's triple click adds two line breaks",
        "Он совершил кражу, и хотя все об этом узнали, его не осудили. Кто он?\n\n", "прометей",
        "он совершил кражу и хотя все об этом узнали его не осудили кто он");
    row("piece: a drag across a line break",
        "Он был неизвестен, потом нарушил инструкцию,\nпогиб и прославился.", "икар");
    row("piece: non-breaking spaces", "Сколько\u00a0месяцев в году имеют 28\u00a0дней?", "все",
        "сколько месяцев в году имеют 28 дней");
    row("piece: ё and a hyphen where the table has е and a dash",
        "Дай ему есть - живёт, дай ему пить - умрёт.\r\n", "огонь", "дай ему есть живет дай ему пить умрет");
    row("piece: in capitals, with Ё", "ДАЙ ЕМУ ЕСТЬ - ЖИВЁТ, ДАЙ ЕМУ ПИТЬ - УМРЁТ", "огонь",
        "дай ему есть живет дай ему пить умрет");
    row("piece: four letters are enough", "28 ДНЕЙ", "все", "28 дней");
    row("piece: of the table's first riddle", "А ПО КРАЯМ ДВА ВЕДРА", "коромысло");
    row("piece: a long dash where the table has a hyphen", "Встанет — до неба достанет.", "радуга",
        "встанет до неба достанет");
    row("piece: soft hyphen, stress mark, tab", "\tВстан\u00adет — до не\u0301ба", "радуга",
        "встанет до неба");
    row("piece: й as и with a combining breve", "Большои\u0306, круглыи\u0306 и полосатый", "арбуз",
        "большой круглый и полосатый");

    // A whole riddle with more around it.
    row("whole: a label before", "Загадка: Что не видно, но слышно, и не говорит, но отвечает?", "эхо",
        "загадка что не видно но слышно и не говорит но отвечает");
    row("whole: a second sentence after",
        "Я смотрю на тебя и поднимаю левую руку, а ты поднимаешь правую. Что это?\nОтвет пишите в чат.",
        "зеркало");
    row("whole: label, ё and a trailing line break",
        "Загадка:\u00a0Я шёл по дороге и увидел что-то с 5-ю пальцами, это не было живым. Что это?\n",
        "перчатка");
    row("whole: of two riddles the longer wins, wherever it stands",
        "Сколько месяцев в году имеют 28 дней? " + riddle(14) + " Сколько месяцев в году имеют 28 дней?",
        "пять");
    row("whole: padded to exactly 4,000 characters",
        riddle(78) + QString(4000 - riddle(78).size(), QLatin1Char(' ')), "эхо");

    // Misses.
    row("miss: three letters", "ВОД", "", "вод");
    row("miss: digits are no letters", "28 ДН!", "", "28 дн");
    row("miss: only punctuation", " — «…» \n", "");
    row("miss: 4,001 characters", riddle(78) + QString(4001 - riddle(78).size(), QLatin1Char(' ')), "");
    row("miss: a riddle's last word inside a longer word", "Встанет - до неба достанется, ответ?", "",
        "встанет до неба достанется ответ");
    row("miss: text that is no riddle", "Добро пожаловать в игру! Ваш персонаж отдыхает у костра.", "");
}

void TestRiddleCatalog::copiedRiddle()
{
    QFETCH(QString, copy);
    QFETCH(QString, answer);
    QFETCH(QString, normal);
    const RiddleCatalog catalog = RiddleCatalog::builtIn();
    QCOMPARE(catalog.tolerantAnswer(copy), answer);
    if (!normal.isEmpty())
        QCOMPARE(RiddleCatalog::normalForm(copy), normal);
}

void TestRiddleCatalog::appendedRiddlesComeAfterTheTable()
{
    RiddleCatalog catalog = RiddleCatalog::builtIn();
    QCOMPARE(catalog.size(), qsizetype(kRiddleCount));
    catalog.append(QStringLiteral("Кто он? Угадай."), QStringLiteral("никто"));
    catalog.append(QStringLiteral("Ёж"), QStringLiteral("еж"));
    QCOMPARE(catalog.size(), qsizetype(kRiddleCount + 2));
    QCOMPARE(catalog.exactAnswer(QStringLiteral("Кто он?")), QString("никто"));
    QCOMPARE(catalog.tolerantAnswer(QStringLiteral("кто он")), QString("никто"));
    // A riddle of fewer than four letters is found as typed, never inside other text.
    QCOMPARE(catalog.tolerantAnswer(QStringLiteral("Ёж")), QString("еж"));
    QCOMPARE(catalog.tolerantAnswer(QStringLiteral("Загадка: ёж")), QString());
    // The built-in table is not changed by a copy that grew.
    QCOMPARE(RiddleCatalog::builtIn().exactAnswer(QStringLiteral("Кто он?")), QString("икар"));
}

void TestRiddleCatalog::fieldRuleIsExact()
{
    // The riddle field's rule: the last riddle that holds the text exactly as typed.
    const RiddleCatalog catalog = RiddleCatalog::builtIn();
    const QList<QPair<QString, QString>> cases = {
        {"Что это?", "перчатка"},          // five hold it
        {"собственным пламенем", "свеча"}, // the shared ending of two riddles
        {riddle(78).trimmed(), "эхо"},     // a whole riddle without its final space
        {riddle(78), "эхо"},
        {"что это", ""},   // case and punctuation count
        {"  28 дней", ""}, // nothing is trimmed
        {"Бёз ног", ""},   // ё is not е here
        {"", ""},
        {QString(300, QLatin1Char('a')), ""}, // longer than every riddle
    };
    for (const auto &[query, answer] : cases)
        QVERIFY2(catalog.exactAnswer(query) == answer, qPrintable(query));
}

void TestRiddleCatalog::answererSaysWhatItFound()
{
    // What the riddle shortcut asks, with no window anywhere: found or missed, with the copy.
    const KnownRiddles known;
    RiddleAnswerer answerer(&known);
    QSignalSpy answered(&answerer, &RiddleAnswerer::answered);
    QSignalSpy missed(&answerer, &RiddleAnswerer::missed);
    const QString labelled = "Загадка: " + riddle(78);
    answerer.answer(labelled);
    QCOMPARE(answered.value(0), (QVariantList{labelled, QString("эхо")}));
    answerer.answer(QStringLiteral("Добро пожаловать!"));
    answerer.answer(QStringLiteral(" \n "));
    const QString longest = riddle(78).leftJustified(RiddleCatalog::kLongestCopy);
    answerer.answer(longest);
    QCOMPARE(answered.value(1), (QVariantList{longest, QString("эхо")}));
    answerer.answer(longest + QLatin1Char(' ')); // too long to be a riddle
    QCOMPARE(answered.count(), 2);
    QCOMPARE(missed, (QList<QVariantList>{{QString("Добро пожаловать!")}, {QString(" \n ")}, {QString()}}));
}

QTEST_GUILESS_MAIN(TestRiddleCatalog)
#include "tst_riddlecatalog.moc"
