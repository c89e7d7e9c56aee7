#include "riddles/RiddleLookup.h"

#include "data/RiddleTable.h"

#include <vector>

namespace {
// Decoded once: the table is UTF-8 constant data, the lookup compares QStrings.
const std::vector<std::pair<QString, QString>> &decodedTable()
{
    static const std::vector<std::pair<QString, QString>> table = [] {
        std::vector<std::pair<QString, QString>> t;
        t.reserve(kRiddleTable.size());
        for (const RiddlePair &pair : kRiddleTable)
            t.emplace_back(QString::fromUtf8(pair.text), QString::fromUtf8(pair.answer));
        return t;
    }();
    return table;
}
} // namespace

QString RiddleLookup::answerFor(const QString &query, const QString &current)
{
    QString answer = current;
    if (query.isEmpty())
        return answer;
    // Every riddle is tested; the last match wins.
    for (const auto &[text, riddleAnswer] : decodedTable()) {
        if (text.contains(query, Qt::CaseSensitive))
            answer = riddleAnswer;
    }
    return answer;
}
