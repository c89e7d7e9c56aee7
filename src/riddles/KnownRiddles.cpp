#include "riddles/KnownRiddles.h"

#include "data/RiddleTable.h"
#include "riddles/RiddleStore.h"

KnownRiddles::KnownRiddles(const RiddleStore *store, QObject *parent) : QObject(parent), m_store(store)
{
    if (m_store)
        connect(m_store, &RiddleStore::changed, this, &KnownRiddles::rebuild);
    rebuild();
}

const RiddleCatalog &KnownRiddles::catalog() const
{
    if (m_catalog.size() == 0)
        m_catalog = RiddleCatalog::builtIn();
    return m_catalog;
}

void KnownRiddles::rebuild()
{
    // Nothing to do while the catalog holds no riddle of the player's (or is not made yet).
    if (!m_store || (m_store->riddles().isEmpty() && m_catalog.size() <= qsizetype(kRiddleTable.size())))
        return;
    RiddleCatalog catalog = RiddleCatalog::builtIn();
    catalog.append(m_store->riddles());
    m_catalog = std::move(catalog);
    emit changed();
}
