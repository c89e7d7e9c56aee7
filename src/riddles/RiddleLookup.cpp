#include "riddles/RiddleLookup.h"

#include "riddles/RiddleCatalog.h"

QString RiddleLookup::answerFor(const QString &query, const QString &current)
{
    static const RiddleCatalog table = RiddleCatalog::builtIn();
    // Every built-in answer is a word, so an empty one means no riddle matched.
    const QString answer = table.exactAnswer(query);
    return answer.isEmpty() ? current : answer;
}
