#pragma once

#include <QObject>

#include "riddles/RiddleCatalog.h"

class RiddleStore;

// Every riddle Kelo knows, in lookup order: the built-in table, then the player's riddles
// in file order, so that the player's answer wins for a text both know. Rebuilt whenever
// the player's riddles change.
class KnownRiddles : public QObject {
    Q_OBJECT
public:
    // Without a store, the built-in table alone.
    explicit KnownRiddles(const RiddleStore *store = nullptr, QObject *parent = nullptr);

    const RiddleCatalog &catalog() const;

signals:
    void changed();

private:
    void rebuild();

    const RiddleStore *m_store;
    // Made at the first lookup (empty until then): the built-in table's normal forms are
    // no part of the first frame.
    mutable RiddleCatalog m_catalog;
};
