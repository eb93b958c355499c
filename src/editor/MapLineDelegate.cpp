#include "editor/MapLineDelegate.h"

#include "editor/MapLineModel.h"

namespace {

// Measuring this many of the longest lines costs well under a millisecond, and a line of fewer
// bytes that a proportional font draws wider than all of them is practically never left out.
constexpr int kMeasuredLines = 32;

} // namespace

QSize MapLineDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const auto *lines = qobject_cast<const MapLineModel *>(index.model());
    if (!lines)
        return size;
    for (const int row : lines->LongestRows(kMeasuredLines))
        size = size.expandedTo(QStyledItemDelegate::sizeHint(option, lines->index(row)));
    return size;
}
