#include "editor/MapListBox.h"

#include "editor/MapLineDelegate.h"
#include "editor/MapLineModel.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>

MapListBox::MapListBox(MapLineModel *lines, QWidget *parent) : QListView(parent), lines_(lines)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every line is one text row: the view takes one row's size for all instead of measuring
    // each line, which is what makes a long map cheap to lay out.
    setUniformItemSizes(true);
    setItemDelegate(new MapLineDelegate(this));
    setModel(lines_);
    // Sent through this widget, so that blocking its signals (SelectLine) silences it too.
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
    return selected.isEmpty() ? -1 : selected.first().row();
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
