#pragma once
// The list that shows the map's lines and lets the user select one. The lines live once, in the
// map document's model; the view draws only the lines it shows, so a side file of a hundred
// thousand lines opens, scrolls and edits at once.
#include <QListView>

class MapLineModel;

class MapListBox : public QListView {
    Q_OBJECT
public:
    explicit MapListBox(MapLineModel *lines, QWidget *parent = nullptr);

    // Selects the line at index (none for -1) as the program's own act: no selection change
    // is reported, as it would be for the user's click.
    void SelectLine(int index);
    // The selected line's index, or -1.
    int SelectedIndex() const;

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
    MapLineModel *lines_;
};
