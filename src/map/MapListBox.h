#pragma once
// The list that stores the map's lines. Each entry keeps the line's exact bytes, so a line
// whose bytes are not valid in the display encoding is shown as well as it can be and is
// still saved and copied unchanged.
#include <QListWidget>

#include <string>
#include <vector>

class TMapListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TMapListBox(QWidget *parent = nullptr);

    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string> &lines);

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
};
