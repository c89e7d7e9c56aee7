#include "riddles/KnownRiddles.h"

#include "data/RiddleTable.h"
#include "riddles/RiddleStore.h"

KnownRiddles::KnownRiddles(const RiddleStore *store, QObject *parent)
    : QObject(parent), m_store(store), m_catalog(RiddleCatalog::builtIn())
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
    catalog.append(m_store->riddles());
    m_catalog = std::move(catalog);
    emit changed();
}
