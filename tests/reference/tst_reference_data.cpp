#include "data/AlchemyTable.h"
#include "data/ExperienceTable.h"

#include <QtTest>

class TestReferenceData : public QObject {
    Q_OBJECT
private slots:
    void levelsBeginAtTheirRows()
    {
        const int firstRows[] = {0, 3, 7, 12, 18, 25, 33, 42, 52, 63, 74, 85, 96, 107, 118};
        for (int level = 1; level <= kLastLevel; ++level)
            QCOMPARE(levelFirstRow(level), firstRows[level - 1]);
    }

    void experienceOfEveryLevelsLine_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("first");    // experience of the level's first row
        QTest::addColumn<int>("lastStep"); // of its last step (-1: none)
        QTest::addColumn<int>("steps");
        QTest::newRow("1") << 1 << 30 << 0 << 400 << 2;
        QTest::newRow("2") << 2 << 60 << 600 << 3000 << 3;
        QTest::newRow("3") << 3 << 130 << 4000 << 11600 << 4;
        QTest::newRow("4") << 4 << 220 << 13600 << 36000 << 5;
        QTest::newRow("5") << 5 << 350 << 40000 << 103000 << 6;
        QTest::newRow("6") << 6 << 700 << 115000 << 283000 << 7;
        QTest::newRow("7") << 7 << 1000 << 307000 << 667000 << 8;
        QTest::newRow("8") << 8 << 1400 << 712000 << 1612000 << 9;
        QTest::newRow("9") << 9 << 2000 << 1712000 << 4112000 << 10;
        QTest::newRow("10") << 10 << 2700 << 4352000 << 9032000 << 10;
        QTest::newRow("11") << 11 << 3500 << 9500000 << 18590000 << 10;
        QTest::newRow("12") << 12 << 5000 << 19500000 << 36700000 << 10;
        QTest::newRow("13") << 13 << 7000 << 38430000 << 74730000 << 10;
        QTest::newRow("14") << 14 << 10000 << 78400000 << 143500000 << 10;
        QTest::newRow("15") << 15 << 14000 << 150000000 << -1 << 0;
    }
    void experienceOfEveryLevelsLine()
    {
        QFETCH(int, level);
        QFETCH(int, base);
        QFETCH(int, first);
        QFETCH(int, lastStep);
        QFETCH(int, steps);
        QCOMPARE(baseExperience(level), base);
        const int row = levelFirstRow(level);
        QCOMPARE(kExperienceByRow[row], first);
        const int nextRow = level == kLastLevel ? kExperienceRowCount : levelFirstRow(level + 1);
        QCOMPARE(nextRow - row - 1, steps);
        if (lastStep >= 0)
            QCOMPARE(kExperienceByRow[nextRow - 1], lastStep);
    }

    void experienceStepsInTheMiddle()
    {
        // A few steps away from the ends of their lines.
        QCOMPARE(kExperienceByRow[1], 200);
        QCOMPARE(kExperienceByRow[5], 1800);
        QCOMPARE(kExperienceByRow[20], 61000);
        QCOMPARE(kExperienceByRow[38], 532000);
        QCOMPARE(kExperienceByRow[58], 3152000);
        QCOMPARE(kExperienceByRow[80], 14954000);
        QCOMPARE(kExperienceByRow[101], 56580000);
        QCOMPARE(kExperienceByRow[112], 110950000);
        QCOMPARE(kExperienceByRow.back(), 150000000);
    }

    void alchemyIngredientsAndHeaders()
    {
        const char *names[] = {"Маленькая пустая бутылка",
                               "Большая пустая бутылка",
                               "Зверобой",
                               "Чертополох",
                               "Чернокорень",
                               "Базилик",
                               "Папоротник",
                               "Тысячелистник",
                               "Корень мандрагоры"};
        for (int i = 0; i < kIngredientCount; ++i)
            QCOMPARE(QString::fromUtf8(kIngredientNames[i]), QString::fromUtf8(names[i]));
        QCOMPARE(QString::fromUtf8(kPotionHeaders[0]), QStringLiteral("Малое\r\nзелье\r\nжизни"));
        QCOMPARE(QString::fromUtf8(kPotionHeaders[1]), QStringLiteral("Малое\r\nзелье\r\nманы"));
        QCOMPARE(QString::fromUtf8(kPotionHeaders[2]), QStringLiteral("Большое\r\nзелье\r\nжизни"));
        QCOMPARE(QString::fromUtf8(kPotionHeaders[3]), QStringLiteral("Большое\r\nзелье\r\nманы"));
    }

    void alchemyRecipesByPotion()
    {
        // Read by potion: ingredient row -> pieces.
        const QMap<int, int> recipes[kPotionCount] = {
            {{0, 1}, {2, 3}, {6, 2}},
            {{0, 1}, {3, 2}, {4, 3}, {5, 1}},
            {{1, 1}, {2, 4}, {6, 2}, {7, 1}},
            {{1, 1}, {3, 5}, {4, 4}, {5, 2}, {8, 1}},
        };
        int used = 0;
        for (int potion = 0; potion < kPotionCount; ++potion) {
            for (int row = 0; row < kIngredientCount; ++row) {
                QCOMPARE(kPotionIngredients[row][potion], recipes[potion].value(row, 0));
                used += kPotionIngredients[row][potion] > 0;
            }
            // One bottle each: small potions the small bottle, large ones the large.
            const bool small = potion < 2;
            QCOMPARE(kPotionIngredients[0][potion], small ? 1 : 0);
            QCOMPARE(kPotionIngredients[1][potion], small ? 0 : 1);
        }
        QCOMPARE(used, 16);
    }
};

QTEST_GUILESS_MAIN(TestReferenceData)
#include "tst_reference_data.moc"
