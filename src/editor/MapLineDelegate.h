#pragma once
// Draws the map's lines as a plain item delegate does, and sizes them for a view that gives every
// row one size (uniform item sizes). Such a view asks for a single row's size and uses it for all;
// this delegate answers with the size of the widest of the longest lines instead, so the rows are
// wide enough, and the horizontal scroll bar reaches far enough, for the long lines too.
#include <QStyledItemDelegate>

class MapLineDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
