#pragma once
// The list that stores the map's lines. Each entry keeps the line's exact bytes, so a line
// whose bytes are not valid in the display encoding is shown as well as it can be and is
// still saved and copied unchanged. The lines live once, in a model; the view draws only the
// lines it shows, so a side file of a hundred thousand lines opens, scrolls and edits at once.
#include <QListView>

#include <string>
#include <vector>

class MapLineModel;
class TextCodec;

class TMapListBox : public QListView {
    Q_OBJECT
public:
    explicit TMapListBox(QWidget *parent = nullptr);

    // The lines as held, good until the next change.
    const std::vector<std::string> &Lines() const;
    void SetLines(std::vector<std::string> lines);
    // The encoding the lines are shown in (UTF-8 until set).
    void SetTextCodec(const TextCodec &codec);

    // An index outside the list reads as an empty line and writes nothing, so a short or
    // damaged side file can never make a command read or write out of range.
    std::string LineAt(int index) const;
    void SetLineAt(int index, const std::string &line);
    // Inserts before index; an index past the end appends.
    void InsertLine(int index, const std::string &line);
    void RemoveLine(int index);

    // Selects the line at index (none for -1) as the program's own act: no selection change
    // is reported, as it would be for the user's click.
    void SelectLine(int index);
    // The selected line's index, or -1.
    int SelectedIndex() const;

    // The number of lines.
    int count() const;
    // Removes every line.
    void clear();
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
