#include "common/TestSupport.h"
#include "data/CraftData.h"
#include "reference/CraftingWindow.h"
#include "widgets/ReferenceTable.h"

#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QToolTip>
#include <QTreeWidget>
#include <QtTest>

namespace {

// The recipe table as the game documents it: rows, resources in row order, the recipe
// part's text, picture and count.
struct ExpectedRecipe {
    int rows;
    const char *item;
    const char *resources;
    const char *part;
    int partPicture;
    int partCount;
};

// clang-format off
const ExpectedRecipe kExpected[kCraftItemCount] = {
    {4, "Рапира фехтовальщика(Мд)", "Уголь 40, Железная руда 15, Кожа 3", "Часть рецепта на рапиру фехтовальщика", 3, 6},
    {4, "Гвардейский меч(Мд)", "Уголь 40, Железная руда 15, Кожа 4", "Часть рецепта на гвардейский меч", 3, 6},
    {4, "Стальная булава(Мд)", "Уголь 40, Железная руда 15, Кожа 5", "ЧР на Стальная булава", 4, 6},
    {3, "Тренировочный лук(Мд)", "Нитка 10, Дуб 25", "ЧР на Тренировочный лук", 7, 5},
    {5, "Литой щит(Мд)", "Уголь 40, Железная руда 15, Дуб 5, Кожа 2", "ЧР на Литой щит", 8, 6},
    {6, "Варварский арбалет(Мд)", "Уголь 10, Железная руда 10, Дуб 5, Железное дерево 5, Бечевка 3", "ЧР на Варварский арбалет", 11, 6},
    {4, "Дорожный плащ(Мд)", "Ткань 15, Нитка 10 (picture 13), Топаз 1", "ЧР на Дорожный плащ", 15, 5},
    {5, "Тисовый лук(Мд)", "Нитка 30 (picture 13), Железная руда 2, Дуб 50, Топаз 5", "ЧР на Тисовый лук", 7, 8},
    {6, "Арбалет точности(Мд)", "Уголь 50, Железная руда 10, Дуб 30, Железное дерево 20, Бечевка 10", "ЧР на Арбалет точности", 11, 8},
    {6, "Купеческий плащ(Мд)", "Ткань 30, Нитка 20, Кожа 8, Топаз 5, Кости 10", "ЧР на Купеческий плащ", 15, 8},
    {6, "Топор кровавой жатвы(Мд)", "Уголь 40, Железная руда 25, Кожа 6, Кости 22, Медь 5", "ЧР на Топор кровавой жатвы", 18, 8},
    {6, "Тяжелая рапира(Мд)", "Уголь 35, Железная руда 25, Кожа 4, Кости 11, Медь 18", "ЧР на Тяжелая рапира", 3, 8},
    {6, "Топор равенства(Мд)", "Уголь 35, Железная руда 25, Железное дерево 4, Кости 11, Медь 18", "ЧР на Топор равенства", 18, 8},
    {7, "Шипастый боевой лук(Мд)", "Нитка 15, Железная руда 10, Железное дерево 15, Дуб 40, Бечевка 5, Сапфир 5", "ЧР на шип. боев. лук", 7, 9},
    {8, "Топор смерти(Мд)", "Уголь 30, Железная руда 40, Дуб 35, Серебро 20, Медь 25, Кожа 20, Железное дерево 25", "ЧР на Топор смерти", 18, 9},
    {10, "Боевой топор(Мд)", "Уголь 50, Железная руда 45, Дуб 5, Железное дерево 15, Сапфир 5, Бечевка 3, Кости 20, Медь 30, Серебро 15", "ЧР на Боевой топор", 18, 9},
    {8, "Булава великана(Мд)", "Уголь 40, Железная руда 30, Дуб 5, Сапфир 10, Кости 20, Медь 25, Серебро 15", "ЧР на Булава великана", 4, 9},
    {10, "Клинок ветра(Мд)", "Уголь 30, Железная руда 45, Дуб 5, Топаз 15, Железное дерево 10, Сапфир 5, Кости 10, Медь 25, Серебро 25", "ЧР на Клинок ветра", 3, 9},
    {10, "Призрачный клинок(Мд)", "Уголь 40, Железная руда 30, Дуб 10, Железное дерево 5, Кожа 10, Сапфир 15, Бечевка 5, Медь 30, Серебро 20", "ЧР на Призрачный клинок", 3, 9},
    {10, "Тяжелый молот(Мд)", "Уголь 30, Железная руда 45, Дуб 50, Железное дерево 60, Бечевка 25, Кости 20, Сапфир 5, Медь 40, Серебро 10", "ЧР на Тяжелый молот", 21, 9},
    {7, "Шелковая рубаха(Мд)", "Ткань 45, Кожа 15, Нитка 20, Топаз 10, Серебро 10, Сапфир 5", "ЧР на Шелковую рубаху", 22, 9},
    {10, "Секира удачи(Мд)", "Уголь 30, Железная руда 70, Дуб 50, Кожа 30, Железное дерево 80, Бечевка 10, Медь 30, Серебро 15, Сталь 50", "ЧР на Секиру удачи", 24, 10},
    {9, "Лук умиротворения(Мд)", "Кожа 30, Нитка 30, Дуб 70, Железное дерево 80, Топаз 40, Бечевка 100, Сапфир 20, Сталь 25", "ЧР на Лук умиротворения", 7, 10},
    {11, "Меч раскаяния(Мд)", "Уголь 30, Железная руда 100, Кожа 20, Дуб 40, Железное дерево 40, Топаз 30, Кости 20, Медь 25, Серебро 25, Сталь 70", "ЧР на Меч раскаяния", 3, 10},
    {11, "Булава циклопа(Мд)", "Уголь 25, Железная руда 100, Кожа 15, Дуб 50, Железное дерево 70, Топаз 25, Кости 15, Медь 20, Серебро 20, Сталь 60", "ЧР на Булава циклопа", 4, 10},
    {11, "Секира ярости(Мд)", "Уголь 25, Железная руда 60, Кожа 20, Дуб 40, Железное дерево 40, Топаз 25, Кости 15, Медь 15, Серебро 20, Сталь 50", "ЧР на Секиру ярости", 24, 10},
    {10, "Клинок бури(Мд)", "Уголь 50, Железная руда 30, Дуб 40, Железное дерево 40, Топаз 45, Медь 40, Серебро 20, Сапфир 20, Сталь 60", "ЧР на Клинок бури", 3, 10},
    {8, "Рубаха стойкости(Мд)", "Ткань 150, Кожа 50, Нитка 150, Топаз 50, Бечевка 20, Серебро 15, Сапфир 50", "ЧР на Рубаху стойкости", 22, 10},
    {8, "Браслеты мантикоры", "Уголь 40, Железная руда 30, Кожа 30, Бечевка 15, Медь 60, Серебро 20, Сапфир 20", "ЧР на Браслеты мантикоры", 25, 9},
    {8, "Браслеты солнца", "Уголь 10, Железная руда 30, Кожа 20, Бечевка 15, Медь 20, Серебро 40, Сапфир 20", "ЧР на Браслеты солнца", 25, 9},
    {8, "Браслеты болотной виверны", "Уголь 40, Железная руда 90, Кожа 40, Бечевка 20, Медь 70, Серебро 10, Сапфир 10", "ЧР на Браслеты бол. виверны", 25, 9},
    {10, "Наручи скорпиона", "Уголь 45, Железная руда 150, Кожа 40, Топаз 40, Бечевка 15, Кости 30, Медь 40, Серебро 40, Сталь 50", "ЧР на Наручи скорпиона", 25, 10},
    {11, "Наручи противостояния", "Уголь 90, Железная руда 200, Кожа 50, Дуб 10, Железное дерево 10, Топаз 10, Кости 20, Медь 20, Серебро 20, Сталь 60", "ЧР на Наручи противостояния", 25, 10},
    {9, "Небесные браслеты", "Уголь 30, Железная руда 70, Кожа 90, Топаз 110, Кости 40, Медь 10, Серебро 60, Сталь 40", "ЧР на Небесные браслеты", 25, 10},
};
// clang-format on

int resourcePicture(const QString &name)
{
    static const QHash<QString, int> pictures = {
        {QStringLiteral("Уголь"), 0},    {QStringLiteral("Железная руда"), 1},
        {QStringLiteral("Кожа"), 2},     {QStringLiteral("Нитка"), 5},
        {QStringLiteral("Дуб"), 6},      {QStringLiteral("Железное дерево"), 9},
        {QStringLiteral("Бечевка"), 10}, {QStringLiteral("Ткань"), 12},
        {QStringLiteral("Топаз"), 14},   {QStringLiteral("Кости"), 16},
        {QStringLiteral("Медь"), 17},    {QStringLiteral("Сапфир"), 19},
        {QStringLiteral("Серебро"), 20}, {QStringLiteral("Сталь"), 23}};
    return pictures.value(name, -1);
}

const QStringList kRequirementKeys = {QStringLiteral("Сила"), QStringLiteral("Вёрткость"),
                                      QStringLiteral("Интуиция"), QStringLiteral("Мощь"),
                                      QStringLiteral("Разум")};
const QStringList kEffectKeys = {QStringLiteral("минимальный урон"),
                                 QStringLiteral("максимальный урон"),
                                 QStringLiteral("Мф. Меткость"),
                                 QStringLiteral("Броня головы"),
                                 QStringLiteral("Броня корпуса"),
                                 QStringLiteral("Броня рук"),
                                 QStringLiteral("Броня ног"),
                                 QStringLiteral("Дополнительная защита мин"),
                                 QStringLiteral("Дополнительная защита макс"),
                                 QStringLiteral("Сила"),
                                 QStringLiteral("Вёрткость"),
                                 QStringLiteral("Интуиция"),
                                 QStringLiteral("Мощь"),
                                 QStringLiteral("Жизнь"),
                                 QStringLiteral("Манна"),
                                 QStringLiteral("Мф. Уворота"),
                                 QStringLiteral("Мф. Антикрита"),
                                 QStringLiteral("Мф. Антиуворота"),
                                 QStringLiteral("Мф. Критического удара"),
                                 QStringLiteral("Мф. Владение холодным оружием"),
                                 QStringLiteral("Мф. игнорирования брони"),
                                 QStringLiteral("Мф. сопротивляемости магии"),
                                 QStringLiteral("Мф. Умение защиты"),
                                 QStringLiteral("Точка атаки"),
                                 QStringLiteral("Точка защиты")};

int itemLevel(int item)
{
    if (item <= 6)
        return 4;
    if (item <= 12)
        return 6;
    if (item <= 20 || (item >= 28 && item <= 30))
        return 8;
    return 10;
}

QString description(int item)
{
    return QString::fromUtf8(ItemDescriptions[item]);
}

QStringList descriptionLines(int item)
{
    return description(item).split(QStringLiteral("\r\n"));
}

// One "key:value" line; `lead` and `trail` report the blanks around the value.
struct ValueLine {
    QString key;
    int value = 0;
    bool lead = false;
    bool trail = false;
};

bool parseValueLine(const QString &line, ValueLine *out)
{
    static const QRegularExpression form(QStringLiteral("^([^:]+):( ?)(-?\\d+)( ?)$"));
    const QRegularExpressionMatch m = form.match(line);
    if (!m.hasMatch())
        return false;
    *out = {m.captured(1), m.captured(3).toInt(), !m.captured(2).isEmpty(), !m.captured(4).isEmpty()};
    return true;
}

QString itemText(QTreeWidget *list, int position)
{
    QTreeWidgetItem *entry = list->topLevelItem(position);
    return entry ? entry->text(0) : QString();
}

} // namespace

class TestCraft : public QObject {
    Q_OBJECT
private slots:
    void itemsAndGroups();
    void recipesMatchTable();
    void descriptionsWrittenOut();
    void descriptionFormat();

    void showingResetsToFirstItem();
    void itemDisplay();
    void threadPictures();
    void longestAndShortestRecipes();
    void setGroupFirstItem();
    void groupButtons();
    void clickWithNothingSelected();
    void escapeHides();

private:
    void clickItem(CraftingWindow &window, int position);
    QStringList gridRow(CraftingWindow &window, int row);
};

void TestCraft::itemsAndGroups()
{
    for (int item = 0; item < kCraftItemCount; ++item)
        QCOMPARE(QString::fromUtf8(kCraftItemNames[item]), QString::fromUtf8(kExpected[item].item));
    int next = 0;
    const int counts[kLevelGroupCount] = {7, 6, 8, 7, 6};
    for (int g = 0; g < kLevelGroupCount; ++g) {
        QCOMPARE(kLevelGroups[g].first, next);
        QCOMPARE(kLevelGroups[g].count, counts[g]);
        next += counts[g];
    }
    QCOMPARE(next, kCraftItemCount);
}

void TestCraft::recipesMatchTable()
{
    QSet<int> picturesUsed;
    for (int item = 0; item < kCraftItemCount; ++item) {
        const ExpectedRecipe &want = kExpected[item];
        const CraftRecipe &have = kCraftRecipes[item];
        const QStringList resources = QString::fromUtf8(want.resources).split(QStringLiteral(", "));
        QCOMPARE(resources.size() + 1, want.rows);
        QCOMPARE(have.rowCount, want.rows);
        for (int row = 0; row < resources.size(); ++row) {
            // "Name count" or "Name count (picture N)" where the table names another picture.
            static const QRegularExpression form(QStringLiteral("^(.+) (\\d+)(?: \\(picture (\\d+)\\))?$"));
            const QRegularExpressionMatch m = form.match(resources[row]);
            QVERIFY2(m.hasMatch(), qPrintable(resources[row]));
            const QString name = m.captured(1);
            const int count = m.captured(2).toInt();
            const int picture = m.captured(3).isEmpty() ? resourcePicture(name) : m.captured(3).toInt();
            // The second spool serves "Нитка" of items 6 and 7 alone.
            QCOMPARE(picture == 13, name == QStringLiteral("Нитка") && (item == 6 || item == 7));
            QVERIFY2(picture >= 0, qPrintable(name));
            QCOMPARE(QString::fromUtf8(have.rows[row].resource), name);
            QCOMPARE(have.rows[row].count, count);
            QCOMPARE(have.rows[row].picture, picture);
            picturesUsed.insert(picture);
        }
        const RecipeRow &part = have.rows[have.rowCount - 1];
        QCOMPARE(QString::fromUtf8(part.resource), QString::fromUtf8(want.part));
        QCOMPARE(part.picture, want.partPicture);
        QCOMPARE(part.count, want.partCount);
        picturesUsed.insert(part.picture);
    }
    QCOMPARE(picturesUsed.size(), kResourcePictureCount); // all 26 pictures in use
}

void TestCraft::descriptionsWrittenOut()
{
    QCOMPARE(description(0),
             QStringLiteral("Долговечность: 0/25\r\nМинимальные требования:\r\nУровень:4\r\nДействует на:\r\n"
                            "минимальный урон:5 \r\nмаксимальный урон:15\r\nСила:3 \r\nВёрткость:3 \r\n"
                            "Интуиция:2 \r\nМощь:-5 \r\nМф. Уворота:15 \r\nМф. Антиуворота:25 \r\n"
                            "Мф. Критического удара:-10 \r\nМф. Владение холодным оружием:7 \r\n"
                            "Мф. игнорирования брони:40 \r\nТочка атаки:1\r\nвторое оружие:"));
    QCOMPARE(description(28),
             QStringLiteral("Долговечность: 0/20\r\nМинимальные требования:\r\nИнтуиция:20\r\nМощь:30\r\n"
                            "Разум:18\r\nУровень:8 \r\nДействует на:\r\nБроня рук:2\r\n"
                            "Дополнительная защита мин:0\r\nДополнительная защита макс:6\r\nСила:3\r\n"
                            "Мощь:3\r\nМф. Критического удара:6\r\nМф. Владение холодным оружием:6\r\n"
                            "Мф. сопротивляемости магии:1"));
    QCOMPARE(descriptionLines(0).size(), 17);
    QCOMPARE(descriptionLines(28).size(), 15);
    QVERIFY(descriptionLines(10).contains(QStringLiteral("Мф. Владение холодным оружием: 12")));
}

void TestCraft::descriptionFormat()
{
    const QSet<int> bows{3, 5, 7, 8, 13, 22},
        melee{0, 1, 2, 10, 11, 12, 14, 15, 16, 17, 18, 19, 21, 23, 24, 25, 26};
    const QSet<int> cloaks{6, 9}, shirts{20, 27};
    const QSet<int> blanky{0, 9, 10, 11, 12};
    const QHash<int, QString> lastLines{{0, QStringLiteral("второе оружие:")},
                                        {11, QStringLiteral("второе оружие:")},
                                        {17, QStringLiteral("второе оружие:")},
                                        {26, QStringLiteral("второе оружие")},
                                        {19, QStringLiteral("двуручное оружие")}};
    for (int item = 0; item < kCraftItemCount; ++item) {
        const QString text = description(item);
        const QByteArray where = "item " + QByteArray::number(item);
        QVERIFY2(text.count(QLatin1Char('\n')) == text.count(QStringLiteral("\r\n")), where);
        QVERIFY2(text.count(QLatin1Char('\r')) == text.count(QStringLiteral("\r\n")), where);
        QVERIFY2(!text.endsWith(QStringLiteral("\r\n")), where);
        QStringList lines = text.split(QStringLiteral("\r\n"));

        static const QRegularExpression durability(QStringLiteral("^Долговечность: 0/(\\d+)$"));
        const QRegularExpressionMatch d = durability.match(lines.value(0));
        QVERIFY2(d.hasMatch(), where);
        QVERIFY2(d.captured(1).toInt() >= 20 && d.captured(1).toInt() <= 55, where);
        QCOMPARE(lines.value(1), QStringLiteral("Минимальные требования:"));

        if (lastLines.contains(item)) {
            QCOMPARE(lines.last(), lastLines.value(item));
            lines.removeLast();
        }

        const QString levelLine =
            QStringLiteral("Уровень:%1%2").arg(itemLevel(item)).arg(item >= 13 ? " " : "");
        const int levelAt = lines.indexOf(levelLine);
        QVERIFY2(levelAt >= 2, where + " level line");
        QCOMPARE(lines.value(levelAt + 1), QStringLiteral("Действует на:"));

        int valueLines = 0, trailing = 0, previous = -1;
        for (int i = 2; i < levelAt; ++i) {
            ValueLine v;
            QVERIFY2(parseValueLine(lines[i], &v), where + " " + lines[i].toUtf8());
            const int order = kRequirementKeys.indexOf(v.key);
            QVERIFY2(order > previous, where + " requirement order: " + lines[i].toUtf8());
            QVERIFY2(!v.lead && v.value > 0, where);
            previous = order;
            ++valueLines;
            trailing += v.trail;
        }
        QHash<QString, int> effects;
        previous = -1;
        for (int i = levelAt + 2; i < lines.size(); ++i) {
            ValueLine v;
            QVERIFY2(parseValueLine(lines[i], &v), where + " " + lines[i].toUtf8());
            const int order = kEffectKeys.indexOf(v.key);
            QVERIFY2(order > previous, where + " effect order: " + lines[i].toUtf8());
            previous = order;
            QVERIFY2(!v.lead || (item == 10 && v.key == QStringLiteral("Мф. Владение холодным оружием")),
                     where);
            effects.insert(v.key, v.value);
            ++valueLines;
            trailing += v.trail;
        }
        // Blanks after values belong to items 0 and 9 to 12 only, and there they are many.
        if (blanky.contains(item))
            QVERIFY2(trailing * 2 >= valueLines, where);
        else
            QVERIFY2(trailing == 0, where);

        auto has = [&](const char *key) { return effects.contains(QString::fromUtf8(key)); };
        const bool damage = has("минимальный урон") && has("максимальный урон");
        const int armour = has("Броня головы") + has("Броня корпуса") + has("Броня рук") + has("Броня ног");
        if (damage)
            QVERIFY2(effects.value(QStringLiteral("максимальный урон")) >
                         effects.value(QStringLiteral("минимальный урон")),
                     where);
        if (has("Дополнительная защита мин"))
            QVERIFY2(effects.value(QStringLiteral("Дополнительная защита мин")) == 0, where);
        if (bows.contains(item)) {
            QVERIFY2(damage && has("Мф. Меткость") && effects.size() == 3, where);
        } else if (melee.contains(item)) {
            QVERIFY2(damage && armour == 0 && !has("Мф. Меткость") && !has("Точка защиты"), where);
            QVERIFY2(effects.value(QStringLiteral("Точка атаки")) == 1, where);
        } else if (item == 4) {
            QVERIFY2(!damage && armour == 4 && has("Дополнительная защита мин") &&
                         has("Дополнительная защита макс"),
                     where);
            QVERIFY2(has("Жизнь") && has("Мф. Умение защиты") &&
                         effects.value(QStringLiteral("Точка защиты")) == 1,
                     where);
        } else if (cloaks.contains(item)) {
            QVERIFY2(!damage && armour == 0 && !has("Дополнительная защита макс") && !has("Точка атаки"),
                     where);
        } else if (shirts.contains(item)) {
            QVERIFY2(!damage && armour == 1 && has("Броня корпуса") && has("Дополнительная защита мин"),
                     where);
            QVERIFY2(has("Дополнительная защита макс") && has("Жизнь"), where);
        } else {
            QVERIFY2(item >= 28 && !damage && armour == 1 && has("Броня рук"), where);
            QVERIFY2(has("Дополнительная защита мин") && has("Дополнительная защита макс"), where);
        }
    }
}

void TestCraft::clickItem(CraftingWindow &window, int position)
{
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
    QTreeWidgetItem *entry = list->topLevelItem(position);
    QVERIFY(entry);
    list->scrollToItem(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(entry).center());
}

QStringList TestCraft::gridRow(CraftingWindow &window, int row)
{
    auto *grid = window.findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));
    return {grid->cellText(0, row), grid->cellText(1, row), grid->cellText(2, row)};
}

void TestCraft::showingResetsToFirstItem()
{
    CraftingWindow window;
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
    auto *caption = window.findChild<QLabel *>(QStringLiteral("Label2"));
    auto *text = window.findChild<QLabel *>(QStringLiteral("StaticText1"));
    auto *grid = window.findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));
    QVERIFY(list && caption && text && grid);
    QCOMPARE(window.windowTitle(), QStringLiteral("Крафт"));
    QCOMPARE(caption->text(), QStringLiteral("Label2"));
    QCOMPARE(text->text(), QStringLiteral("StaticText1"));
    QCOMPARE(grid->rowCount(), 0);
    // Centred frame included: by the frame the sizes are laid out for until the window is
    // framed, then by its own.
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((QRect(window.pos(), window.size() + QSize(8, 34)).center() - centre).manhattanLength() <= 3);

    for (int round = 0; round < 2; ++round) {
        window.showOrRaise();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(round > 0 || (window.frameGeometry().center() - centre).manhattanLength() <= 3);
        QCOMPARE(window.levelGroup(), 0);
        QCOMPARE(list->topLevelItemCount(), 7);
        QCOMPARE(list->selectedItems().size(), 1);
        QCOMPARE(list->selectedItems().first(), list->topLevelItem(0));
        QCOMPARE(caption->text(), QStringLiteral("Рапира фехтовальщика(Мд)"));
        QCOMPARE(grid->rowCount(), 4);
        QCOMPARE(gridRow(window, 3), QStringList({"3", "Часть рецепта на рапиру фехтовальщика", "6"}));
        // A name cut with "…" shows whole in its tool-tip.
        const QPoint at = grid->visualItemRect(grid->item(3, 1)).center();
        QHelpEvent help(QEvent::ToolTip, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &help);
        QCOMPARE(QToolTip::text(), QStringLiteral("Часть рецепта на рапиру фехтовальщика"));
        // One line per entry, each within the panel; the cut ones show whole in the tool-tip.
        const QStringList lines = text->text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), descriptionLines(0).size());
        for (const QString &line : lines)
            QVERIFY(text->fontMetrics().horizontalAdvance(line) <= text->contentsRect().width() - 4);
        QVERIFY(lines != descriptionLines(0));
        QCOMPARE(text->toolTip(), descriptionLines(0).join(QLatin1Char('\n')));

        // Leave it somewhere else; the next opening starts over.
        requireChild<QPushButton>(&window, QStringLiteral("Button4"))->click();
        clickItem(window, 2);
        QCOMPARE(caption->text(), QStringLiteral("Меч раскаяния(Мд)"));
        requireChild<QPushButton>(&window, QStringLiteral("BitBtn1"))->click();
        QVERIFY(window.isHidden());
        QCOMPARE(caption->text(), QStringLiteral("Меч раскаяния(Мд)")); // kept while hidden
    }

    // Showing an already shown window only raises it.
    window.showOrRaise();
    requireChild<QPushButton>(&window, QStringLiteral("Button2"))->click();
    clickItem(window, 1);
    window.showOrRaise();
    QCOMPARE(window.levelGroup(), 1);
    QCOMPARE(caption->text(), QStringLiteral("Арбалет точности(Мд)"));
}

void TestCraft::itemDisplay()
{
    CraftingWindow window;
    window.show();
    auto *caption = window.findChild<QLabel *>(QStringLiteral("Label2"));
    auto *text = window.findChild<QLabel *>(QStringLiteral("StaticText1"));
    auto *grid = window.findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));

    for (int click = 0; click < 2; ++click) { // a second click gives the same rows, not twice as many
        clickItem(window, 3);
        QCOMPARE(caption->text(), QStringLiteral("Тренировочный лук(Мд)"));
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(gridRow(window, 0), QStringList({"5", "Нитка", "10"}));
        QCOMPARE(gridRow(window, 1), QStringList({"6", "Дуб", "25"}));
        QCOMPARE(gridRow(window, 2), QStringList({"7", "ЧР на Тренировочный лук", "5"}));
        QVERIFY(text->text().startsWith(QStringLiteral("Долговечность: 0/25\n")));
    }
    QCOMPARE(grid->cellNumber(2, 1), 25.0);
    // The keyboard shows the item it lands on, as a click does.
    QTest::keyClick(window.findChild<QTreeWidget *>(QStringLiteral("TreeView1")), Qt::Key_Down);
    QCOMPARE(caption->text(), QStringLiteral("Литой щит(Мд)"));
    QCOMPARE(gridRow(window, 4), QStringList({"8", "ЧР на Литой щит", "6"}));

    // Recipe-part names exactly as stored, mixed forms and all.
    const struct {
        int group, position;
        const char *part;
    } parts[] = {{0, 2, "ЧР на Стальная булава"},
                 {2, 7, "ЧР на Шелковую рубаху"},
                 {2, 0, "ЧР на шип. боев. лук"},
                 {4, 2, "ЧР на Браслеты бол. виверны"}};
    for (const auto &p : parts) {
        requireChild<QPushButton>(&window, QStringLiteral("Button%1").arg(p.group + 1))->click();
        clickItem(window, p.position);
        QCOMPARE(grid->cellText(1, grid->rowCount() - 1), QString::fromUtf8(p.part));
    }
}

void TestCraft::threadPictures()
{
    CraftingWindow window;
    window.show();
    auto *grid = window.findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));
    auto threadPicture = [&]() {
        for (int row = 0; row < grid->rowCount(); ++row)
            if (grid->cellText(1, row) == QStringLiteral("Нитка"))
                return grid->cellNumber(0, row);
        return -1.0;
    };
    clickItem(window, 6); // Дорожный плащ
    QCOMPARE(threadPicture(), 13.0);
    requireChild<QPushButton>(&window, QStringLiteral("Button2"))->click();
    clickItem(window, 0); // Тисовый лук
    QCOMPARE(threadPicture(), 13.0);
    clickItem(window, 2); // Купеческий плащ
    QCOMPARE(threadPicture(), 5.0);
}

void TestCraft::longestAndShortestRecipes()
{
    CraftingWindow window;
    window.show();
    auto *grid = window.findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));
    auto *caption = window.findChild<QLabel *>(QStringLiteral("Label2"));
    requireChild<QPushButton>(&window, QStringLiteral("Button4"))->click();
    for (int position : {2, 3, 4}) {
        clickItem(window, position);
        QCOMPARE(grid->rowCount(), 11);
    }
    QCOMPARE(caption->text(), QStringLiteral("Секира ярости(Мд)"));
    QCOMPARE(gridRow(window, 10), QStringList({"24", "ЧР на Секиру ярости", "10"}));
    requireChild<QPushButton>(&window, QStringLiteral("Button5"))->click();
    clickItem(window, 4);
    QCOMPARE(grid->rowCount(), 11);
    QCOMPARE(gridRow(window, 1), QStringList({"1", "Железная руда", "200"}));
    requireChild<QPushButton>(&window, QStringLiteral("Button1"))->click();
    clickItem(window, 3);
    QCOMPARE(grid->rowCount(), 3);
}

void TestCraft::setGroupFirstItem()
{
    CraftingWindow window;
    window.show();
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
    auto *text = window.findChild<QLabel *>(QStringLiteral("StaticText1"));
    auto *grid = window.findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));
    requireChild<QPushButton>(&window, QStringLiteral("Button5"))->click();
    QCOMPARE(window.levelGroup(), 4);
    QCOMPARE(itemText(list, 0), QStringLiteral("Браслеты мантикоры"));
    QCOMPARE(itemText(list, 5), QStringLiteral("Небесные браслеты"));
    clickItem(window, 0);
    QCOMPARE(grid->rowCount(), 8);
    QCOMPARE(gridRow(window, 7), QStringList({"25", "ЧР на Браслеты мантикоры", "9"}));
    QCOMPARE(text->text().split(QLatin1Char('\n')).size(), 15);
    QCOMPARE(text->toolTip().isEmpty() ? text->text() : text->toolTip(), descriptionLines(28).join(u'\n'));
}

void TestCraft::groupButtons()
{
    CraftingWindow window;
    window.show();
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
    auto *caption = window.findChild<QLabel *>(QStringLiteral("Label2"));
    auto *text = window.findChild<QLabel *>(QStringLiteral("StaticText1"));
    auto *grid = window.findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));
    const QString captions[] = {"4-5 уровень", "6-7 уровень", "8-9 уровень", "10-11 уровень",
                                "Сет 8-11 уровень"};
    for (int g = 0; g < kLevelGroupCount; ++g) {
        auto *button = window.findChild<QPushButton *>(QStringLiteral("Button%1").arg(g + 1));
        QCOMPARE(button->text(), captions[g]);
        QCOMPARE(button->geometry(), QRect(8, 8 + 32 * g, 113, 25));
    }

    clickItem(window, 1);
    QCOMPARE(caption->text(), QStringLiteral("Гвардейский меч(Мд)"));
    const QString shownText = text->text();
    for (int press = 0; press < 2; ++press) { // the same button twice: no doubled items
        QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("Button4")), Qt::LeftButton);
        QCOMPARE(window.levelGroup(), 3);
        QCOMPARE(list->topLevelItemCount(), 7);
        QCOMPARE(itemText(list, 0), QStringLiteral("Секира удачи(Мд)"));
        QCOMPARE(itemText(list, 6), QStringLiteral("Рубаха стойкости(Мд)"));
        QVERIFY(list->selectedItems().isEmpty());
        for (int i = 0; i < 7; ++i)
            QVERIFY(!list->topLevelItem(i)->icon(0).isNull());
        // The right-hand side still shows the item chosen before.
        QCOMPARE(caption->text(), QStringLiteral("Гвардейский меч(Мд)"));
        QCOMPARE(text->text(), shownText);
        QCOMPARE(grid->rowCount(), 4);
    }
    // Every group lists exactly its own stretch of items.
    for (int g = 0; g < kLevelGroupCount; ++g) {
        requireChild<QPushButton>(&window, QStringLiteral("Button%1").arg(g + 1))->click();
        QCOMPARE(list->topLevelItemCount(), kLevelGroups[g].count);
        for (int k = 0; k < kLevelGroups[g].count; ++k)
            QCOMPARE(itemText(list, k), QString::fromUtf8(kCraftItemNames[kLevelGroups[g].first + k]));
    }
}

void TestCraft::clickWithNothingSelected()
{
    CraftingWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *list = window.findChild<QTreeWidget *>(QStringLiteral("TreeView1"));
    auto *caption = window.findChild<QLabel *>(QStringLiteral("Label2"));
    auto *grid = window.findChild<ReferenceTable *>(QStringLiteral("NextGrid1"));
    clickItem(window, 4);
    QCOMPARE(caption->text(), QStringLiteral("Литой щит(Мд)"));

    requireChild<QPushButton>(&window, QStringLiteral("Button2"))->click();
    QVERIFY(list->selectedItems().isEmpty());
    // Below the six items of this group there is empty space to click.
    const QRect last = list->visualItemRect(list->topLevelItem(5));
    QVERIFY(last.bottom() + 10 < list->viewport()->height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(40, last.bottom() + 8));
    window.showSelectedItem();
    QCOMPARE(caption->text(), QStringLiteral("Литой щит(Мд)"));
    QCOMPARE(grid->rowCount(), 5);
    QCOMPARE(gridRow(window, 4), QStringList({"8", "ЧР на Литой щит", "6"}));

    // Still usable: picking an item now shows it.
    clickItem(window, 5);
    QCOMPARE(caption->text(), QStringLiteral("Топор равенства(Мд)"));
    QCOMPARE(grid->rowCount(), 6);
}

void TestCraft::escapeHides()
{
    CraftingWindow window;
    for (const char *focus : {"TreeView1", "Button3", "NextGrid1"}) {
        window.showOrRaise();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *target = window.findChild<QWidget *>(QString::fromLatin1(focus));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QVERIFY2(window.isHidden(), focus);
    }
}

QTEST_MAIN(TestCraft)
#include "tst_craft.moc"
