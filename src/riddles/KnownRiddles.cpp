#include "riddles/KnownRiddles.h"

#include "data/RiddleTable.h"
#include "riddles/RiddleStore.h"

#include <algorithm>

namespace {
qsizetype longestBuiltIn()
{
    static const qsizetype longest = [] {
        qsizetype length = 0;
        for (const RiddlePair &pair : kRiddleTable)
            length = std::max(length, QString::fromUtf8(pair.text).size());
        return length;
    }();
    return longest;
}
} // namespace

KnownRiddles::KnownRiddles(const RiddleStore *store, QObject *parent)
    : QObject(parent), m_store(store), m_catalog(RiddleCatalog::builtIn()), m_longest(longestBuiltIn())
{
    if (m_store)
        connect(m_store, &RiddleStore::changed, this, &KnownRiddles::rebuild);
    rebuild();
}

void KnownRiddles::rebuild()
{
    if (!m_store || (m_store->riddles().isEmpty() && m_catalog.size() == qsizetype(kRiddleTable.size())))
        return;
    RiddleCatalog catalog = RiddleCatalog::builtIn();
    qsizetype longest = longestBuiltIn();
    for (const PlayerRiddle &riddle : m_store->riddles()) {
        catalog.append(riddle.text, riddle.answer);
        longest = std::max(longest, riddle.text.size());
    }
    m_catalog = std::move(catalog);
    m_longest = longest;
    emit changed();
}
