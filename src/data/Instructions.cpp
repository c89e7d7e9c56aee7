#include "data/Instructions.h"

#include <array>

namespace {
// {game} and {community} stand for the configured host names of the two sites, so that the
// addresses always point where the rest of the program's links point.
constexpr std::array<const char *, Instructions::kLineCount> kTemplate = {{
    "Инструкция:",
    "",
    "1. Загадки - переключите клавиатуру на русскую раскладку, наберите в поле «Загадка» "
    "загадку целиком или любой её кусок и нажмите Enter или OK. Ответ появится в поле "
    "«Ответ» и сразу попадёт в буфер обмена: останется вставить его в игре.",
    "",
    "2. Планшет - охотничья доска с двумя наборами картинок (набор выбирается в настройках). "
    "Правый клик по клетке - выбрать найденного зверя, левый клик - отметить пустую поляну "
    "или снятую шкуру. Цветные квадратики по краям - зоны поиска, клик меняет их цвет. "
    "Кнопка «СБРОС» очищает доску.",
    "",
    "3. Статистика - сколько зверей каждого вида найдено на доске, сколько шкур снято и "
    "сколько умения принесла охота.",
    "",
    "4. Таймеры - отсчёт времени для леса, охоты, рыбалки и похода в пещеру и свой таймер "
    "на любое число секунд. По окончании окно утилиты появляется с сообщением; звук "
    "окончания можно отключить в настройках.",
    "",
    "5. Знания - таблицы крафта, опыта и алхимии, рецепты заклинательства и кожевничества, "
    "а также ссылки на новости игры и новости Brannoc.",
    "",
    "5. Локатор - ссылка на локатор клановых сайтов от Brannoc, встроенный локатор клановых "
    "сайтов (выберите клан и нажмите кнопку) и поиск информации об игроке по нику.",
    "",
    "6. Настройки - звук, стандартные картинки и зоны поиска, а внизу страницы - счётчики "
    "посещений.",
    "",
    "Информация:",
    "",
    "1. Все права на картинки игры принадлежат её авторам, сайт игры http://{game}/ - "
    "картинки используются только для удобства игроков.",
    "",
    "2. Утилита Kelo бесплатна. Условия использования и распространения опубликованы на "
    "сайте сообщества Brannoc http://{community}/ - выкладывать утилиту на других сайтах "
    "можно только без изменений и со ссылкой на http://{community}/ как на источник.",
    "",
    "3. Об ошибках и пожеланиях пишите на mailto:bugs@kelo.example, или "
    "mailto:team@kelo.example , указав в теме письма «УТИЛИТА» или «Kelo».",
}};

constexpr bool paragraphsSeparatedByEmptyLines()
{
    for (std::size_t i = 0; i < kTemplate.size(); ++i) {
        const bool empty = kTemplate[i][0] == '\0';
        if (empty != (i % 2 == 1))
            return false;
    }
    return kTemplate.size() % 2 == 1;
}
static_assert(paragraphsSeparatedByEmptyLines(), "paragraphs are separated by exactly one empty line");
} // namespace

QStringList Instructions::lines(const QString &gameHost, const QString &communityHost)
{
    QStringList result;
    result.reserve(kLineCount);
    for (const char *line : kTemplate) {
        QString text = QString::fromUtf8(line);
        text.replace(QLatin1String("{game}"), gameHost);
        text.replace(QLatin1String("{community}"), communityHost);
        result.append(text);
    }
    return result;
}

QString Instructions::programmerCredit()
{
    return QStringLiteral("Программист: команда Kelo");
}

QString Instructions::designerCredit()
{
    return QStringLiteral("Дизайнер: команда Kelo");
}
