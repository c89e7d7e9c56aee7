#include "riddles/RiddleAnswerer.h"

#include "riddles/KnownRiddles.h"

RiddleAnswerer::RiddleAnswerer(const KnownRiddles *known, QObject *parent) : QObject(parent), m_known(known)
{
}

void RiddleAnswerer::answer(const QString &copy)
{
    if (copy.size() > RiddleCatalog::kLongestCopy) {
        emit missed(QString());
        return;
    }
    // Blank is no riddle, though the exact rule would find spaces inside one.
    const QString found = copy.trimmed().isEmpty() ? QString() : m_known->catalog().tolerantAnswer(copy);
    if (found.isEmpty())
        emit missed(copy);
    else
        emit answered(copy, found);
}
