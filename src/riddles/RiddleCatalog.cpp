#include "riddles/RiddleCatalog.h"

#include "data/RiddleTable.h"

#include <QStringMatcher>

#include <algorithm>

namespace {
int letterCount(QStringView text)
{
    return int(std::count_if(text.begin(), text.end(), [](QChar c) { return c.isLetter(); }));
}

size_t firstWordHash(QStringView normal)
{
    const qsizetype space = normal.indexOf(QLatin1Char(' '));
    return qHash(space < 0 ? normal : normal.first(space));
}
} // namespace

RiddleCatalog RiddleCatalog::builtIn()
{
    // Decoded once: the table is UTF-8 constant data; copies share it.
    static const RiddleCatalog table = [] {
        RiddleCatalog catalog;
        catalog.m_data->builtIn.reserve(qsizetype(kRiddleTable.size()));
        for (const RiddlePair &pair : kRiddleTable)
            catalog.m_data->builtIn.append({QString::fromUtf8(pair.text), QString::fromUtf8(pair.answer)});
        catalog.index(0);
        return catalog;
    }();
    return table;
}

void RiddleCatalog::detach()
{
    if (m_data.use_count() > 1)
        m_data = std::make_shared<Data>(*m_data);
}

void RiddleCatalog::append(const QString &text, const QString &answer)
{
    detach();
    m_data->added.append({text, answer});
    index(size() - 1);
}

void RiddleCatalog::append(const QList<PlayerRiddle> &riddles)
{
    detach();
    const qsizetype first = size();
    if (m_data->added.isEmpty())
        m_data->added = riddles;
    else
        m_data->added += riddles;
    index(first);
}

void RiddleCatalog::index(qsizetype first)
{
    qsizetype length = 0;
    for (qsizetype i = first; i < size(); ++i)
        length += riddle(i).text.size();
    // The normal form is never longer than the text (it only drops and folds characters).
    // A whole list gets just its room; riddles appended one by one get room to grow.
    const bool wholeList = size() - first > 1;
    QString &normals = m_data->normals;
    if (const qsizetype needed = normals.size() + length; normals.capacity() < needed)
        normals.reserve(wholeList ? needed : std::max(needed, 2 * normals.capacity()));
    if (wholeList)
        m_data->spans.reserve(size_t(size()));
    for (qsizetype i = first; i < size(); ++i) {
        const QString normal = normalForm(riddle(i).text);
        const bool longEnough = letterCount(normal) >= kFewestLetters;
        if (longEnough)
            m_data->byFirstWord[firstWordHash(normal)].push_back(quint32(i));
        m_data->spans.push_back(
            NormalSpan{quint32(m_data->normals.size()), quint32(normal.size()), longEnough});
        m_data->normals += normal;
    }
    if (wholeList) {
        // The room set aside for the texts' punctuation is given back.
        normals.squeeze();
        for (auto riddles = m_data->byFirstWord.begin(); riddles != m_data->byFirstWord.end(); ++riddles)
            riddles->shrink_to_fit();
    }
}

QString RiddleCatalog::exactAnswer(const QString &query) const
{
    if (query.isEmpty())
        return QString();
    // From the end, so the first match found is the last in order; each list walked on its
    // own, as most riddles are passed over by their length alone.
    const QStringMatcher matcher(query, Qt::CaseSensitive);
    for (const QList<PlayerRiddle> *riddles : {&m_data->added, &m_data->builtIn}) {
        for (auto entry = riddles->crbegin(); entry != riddles->crend(); ++entry)
            if (entry->text.size() >= query.size() && matcher.indexIn(entry->text) >= 0)
                return entry->answer;
    }
    return QString();
}

QString RiddleCatalog::tolerantAnswer(const QString &copy) const
{
    if (copy.size() > kLongestCopy)
        return QString();
    if (QString answer = exactAnswer(copy); !answer.isEmpty())
        return answer;

    const QString copiedNormal = normalForm(copy);
    if (letterCount(copiedNormal) < kFewestLetters)
        return QString();

    // A piece of a riddle, with what the copy changed undone: the last riddle holding it.
    const QStringMatcher piece(copiedNormal, Qt::CaseSensitive);
    const QStringView normals(m_data->normals);
    for (qsizetype i = size() - 1; i >= 0; --i) {
        const NormalSpan span = m_data->spans[size_t(i)];
        if (span.length >= copiedNormal.size() &&
            piece.indexIn(normals.sliced(span.offset, span.length)) >= 0)
            return riddle(i).answer;
    }

    // A whole riddle with more around it: tried only where one of the copy's words begins.
    const QStringView copied(copiedNormal);
    qsizetype best = -1;
    qsizetype bestLength = 0;
    for (qsizetype start = 0; start < copied.size();) {
        qsizetype end = copied.indexOf(QLatin1Char(' '), start);
        if (end < 0)
            end = copied.size();
        const auto candidates = m_data->byFirstWord.constFind(qHash(copied.sliced(start, end - start)));
        if (candidates != m_data->byFirstWord.cend()) {
            for (const quint32 candidate : *candidates) {
                const qsizetype index = candidate;
                const QStringView whole = normal(index);
                const qsizetype after = start + whole.size();
                if (whole.size() < bestLength || (whole.size() == bestLength && index < best) ||
                    after > copied.size() || (after < copied.size() && copied[after] != QLatin1Char(' ')) ||
                    copied.sliced(start, whole.size()) != whole)
                    continue;
                best = index;
                bestLength = whole.size();
            }
        }
        start = end + 1;
    }
    return best < 0 ? QString() : riddle(best).answer;
}

QString RiddleCatalog::normalForm(const QString &text)
{
    // Composed first, so a letter typed as base and accent stays one letter ("й" as "и"
    // with a breve).
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString normal;
    normal.reserve(composed.size());
    bool gap = false;
    for (const QChar c : composed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Other_Format)
            continue;
        if (!c.isLetter() && !c.isDigit()) {
            gap = true;
            continue;
        }
        if (gap && !normal.isEmpty())
            normal += QLatin1Char(' ');
        gap = false;
        const QChar lower = c.toLower();
        normal += lower == QChar(0x0451) ? QChar(0x0435) : lower; // ё as е
    }
    return normal;
}
