#pragma once
// The list that shows the map's lines and lets the user select them: one with a click, several
// with Shift or Ctrl. Its selection is the one record of which lines are selected; the other
// windows ask it. The lines live once, in the map document's model; the view draws only the lines
// it shows, so a side file of a hundred thousand lines opens, scrolls and edits at once.
#include <QListView>
#include <QPersistentModelIndex>

#include <vector>

class MapLineModel;

class MapListBox : public QListView {
    Q_OBJECT
public:
    explicit MapListBox(MapLineModel *lines, QWidget *parent = nullptr);

    // Selects the line at index (none for -1) as the program's own act: no selection change
    // is reported, as it would be for the user's click.
    void SelectLine(int index);
    // The selected line's index, or -1 when none or several are selected.
    int SelectedIndex() const;
    // The selected lines in the order the user selected them, so the first is the one the others
    // are arranged against; a range selected at once comes in line order.
    std::vector<int> SelectedLines() const;
    // Selects exactly these lines, the first made current, as the user's act (reported).
    void SelectLines(const std::vector<int> &lines);

    // The number of lines.
    int count() const;
    // The current line's index, or -1.
    int currentRow() const;
    // Makes the line at row current and the only one selected, as a click does (reported);
    // -1 or a row outside the list leaves none.
    void setCurrentRow(int row);

signals:
    // The selection changed, by the user or by setCurrentRow; not sent for SelectLine.
    void itemSelectionChanged();

private:
    // Keeps selectionOrder_ to the selection: lines let go are dropped, new ones appended.
    void FollowSelection();

    MapLineModel *lines_;
    // Persistent, so the order follows lines inserted or removed above the selection.
    std::vector<QPersistentModelIndex> selectionOrder_;
};
