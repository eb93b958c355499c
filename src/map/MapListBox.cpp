#include "map/MapListBox.h"

#include "map/MapLineDelegate.h"
#include "map/MapLineModel.h"

#include <QItemSelectionModel>
#include <QSignalBlocker>

#include <utility>

TMapListBox::TMapListBox(QWidget *parent) : QListView(parent), lines_(new MapLineModel(this))
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Every line is one text row: the view takes one row's size for all instead of measuring
    // each line, which is what makes a long map cheap to lay out.
    setUniformItemSizes(true);
    setItemDelegate(new MapLineDelegate(this));
    setModel(lines_);
    // Sent through this widget, so that blocking its signals (SelectLine) silences it too.
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TMapListBox::itemSelectionChanged);
}

const std::vector<std::string> &TMapListBox::Lines() const
{
    return lines_->Lines();
}

void TMapListBox::SetLines(std::vector<std::string> lines)
{
    // Dropping the old selection first reports it, as any other change of the selection is.
    selectionModel()->clear();
    lines_->SetLines(std::move(lines));
}

void TMapListBox::SetTextCodec(const TextCodec &codec)
{
    lines_->SetTextCodec(codec);
}

std::string TMapListBox::LineAt(int index) const
{
    return lines_->LineAt(index);
}

void TMapListBox::SetLineAt(int index, const std::string &line)
{
    lines_->SetLineAt(index, line);
}

void TMapListBox::InsertLine(int index, const std::string &line)
{
    lines_->InsertLine(index, line);
}

void TMapListBox::RemoveLine(int index)
{
    lines_->RemoveLine(index);
}

void TMapListBox::SelectLine(int index)
{
    const QSignalBlocker quiet(this);
    if (index >= 0 && index < count()) {
        setCurrentRow(index);
    } else {
        setCurrentRow(-1);
        clearSelection();
    }
}

int TMapListBox::SelectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

int TMapListBox::count() const
{
    return lines_->rowCount();
}

void TMapListBox::clear()
{
    SetLines({});
}

int TMapListBox::currentRow() const
{
    return currentIndex().row();
}

void TMapListBox::setCurrentRow(int row)
{
    selectionModel()->setCurrentIndex(lines_->index(row), QItemSelectionModel::ClearAndSelect);
}
