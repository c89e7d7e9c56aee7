#pragma once

#include <QStyledItemDelegate>

// An item delegate that gives a text the view had to cut with "…" a tool-tip holding the
// whole text.
class ElidedTextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override;
};
