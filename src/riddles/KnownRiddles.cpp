#include "riddles/KnownRiddles.h"

#include "riddles/RiddleStore.h"

KnownRiddles::KnownRiddles(const RiddleStore *store, QObject *parent) : QObject(parent), m_store(store)
{
    if (m_store)
        connect(m_store, &RiddleStore::changed, this, &KnownRiddles::rebuild);
    rebuild();
}

const RiddleCatalog &KnownRiddles::catalog() const
{
    if (!m_made) {
        m_catalog = RiddleCatalog::builtIn();
        m_made = true;
    }
    return m_catalog;
}

void KnownRiddles::rebuild()
{
    if (!m_store || (m_store->riddles().isEmpty() && !m_withPlayerRiddles))
        return;
    RiddleCatalog catalog = RiddleCatalog::builtIn();
    catalog.append(m_store->riddles());
    m_catalog = std::move(catalog);
    m_made = true;
    m_withPlayerRiddles = !m_store->riddles().isEmpty();
    emit changed();
}
