#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QSortFilterProxyModel>

#include "riddles/RiddleStore.h"

// The player's riddles as a table of two columns, the riddle and its answer, over the
// store: an edit goes to the store, and the store's changes come back in.
class PlayerRiddlesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TextColumn, AnswerColumn };
    enum Role {
        // The riddle's text as the file knows it (ends trimmed), to find it in the store.
        KeyRole = Qt::UserRole,
        // The cell's text in the catalog's normal form, for the filter.
        NormalFormRole,
    };

    explicit PlayerRiddlesModel(RiddleStore *store, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Takes the store's riddles as they are now.
    void refresh();
    // Forgets the normal forms kept for the filter; they are made again when asked for.
    void releaseNormalForms();

signals:
    // An edit the store did not simply write into the file.
    void editNotWritten(const RiddleStore::Outcome &outcome);

private:
    QString normalForm(int row, int column) const;

    RiddleStore *m_store;
    // A copy that shares the store's list until the store changes it, so the view never
    // reads rows that the store has meanwhile dropped.
    QList<PlayerRiddle> m_riddles;
    // Made on the filter's first use, one per row and column.
    mutable QList<QString> m_normalForms;
};

// Keeps the rows whose riddle or answer holds the filter text, compared as the shortcut
// compares a copy: whatever the case, "ё" as "е", punctuation and spaces alike.
class PlayerRiddlesFilter : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setFilterText(const QString &text);
    bool isFiltering() const { return !m_normal.isEmpty(); }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    QString m_normal;
};
