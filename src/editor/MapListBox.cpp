#include "editor/MapListBox.h"

#include "editor/MapLineDelegate.h"
#include "editor/MapLineModel.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>

#include <algorithm>

MapListBox::MapListBox(MapLineModel *lines, QWidget *parent) : QListView(parent), lines_(lines)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Every line is one text row: the view takes one row's size for all instead of measuring
    // each line, which is what makes a long map cheap to lay out.
    setUniformItemSizes(true);
    setItemDelegate(new MapLineDelegate(this));
    setModel(lines_);
    // Sent through this widget, so that blocking its signals (SelectLine) silences it too.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &MapListBox::FollowSelection);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &MapListBox::itemSelectionChanged);
    // A model reset drops the selection silently; dropping it first reports it, as any other
    // change of the selection is.
    connect(lines_, &QAbstractItemModel::modelAboutToBeReset, this, [this] { selectionModel()->clear(); });
}

void MapListBox::SelectLine(int index)
{
    const QSignalBlocker quiet(this);
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
}

int MapListBox::SelectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.size() == 1 ? selected.first().row() : -1;
}

void MapListBox::FollowSelection()
{
    const QItemSelectionModel &selection = *selectionModel();
    std::erase_if(selectionOrder_,
                  [&](const QPersistentModelIndex &line) { return !line.isValid() || !selection.isSelected(line); });
    // Rows kept sorted for lookup: selecting every line of a long map must not take quadratic time.
    std::vector<int> known;
    for (const QPersistentModelIndex &line : selectionOrder_)
        known.push_back(line.row());
    std::sort(known.begin(), known.end());
    QModelIndexList added = selection.selectedIndexes();
    std::sort(added.begin(), added.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    for (const QModelIndex &line : added) {
        if (!std::binary_search(known.begin(), known.end(), line.row()))
            selectionOrder_.emplace_back(line);
    }
}

std::vector<int> MapListBox::SelectedLines() const
{
    // Asked of the selection once, as sorted rows: asking it of each line costs the number of
    // selected ranges every time, which a large selection cut up by insertions makes quadratic.
    std::vector<int> selected;
    for (const QModelIndex &line : selectionModel()->selectedIndexes())
        selected.push_back(line.row());
    std::sort(selected.begin(), selected.end());
    std::vector<int> lines;
    for (const QPersistentModelIndex &line : selectionOrder_) {
        if (line.isValid() && std::binary_search(selected.begin(), selected.end(), line.row()))
            lines.push_back(line.row());
    }
    return lines;
}

void MapListBox::SelectLines(const std::vector<int> &lines)
{
    QItemSelection selection;
    for (const int line : lines) {
        if (line >= 0 && line < count())
            selection.select(lines_->index(line), lines_->index(line));
    }
    if (selection.isEmpty()) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    // Selected one by one, so the first given is first in the selection's order.
    selectionModel()->setCurrentIndex(selection.first().topLeft(), QItemSelectionModel::ClearAndSelect);
    selectionModel()->select(selection, QItemSelectionModel::Select);
}

int MapListBox::count() const
{
    return lines_->rowCount();
}

int MapListBox::currentRow() const
{
    return currentIndex().row();
}

void MapListBox::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(lines_->index(row), QItemSelectionModel::ClearAndSelect);
}
