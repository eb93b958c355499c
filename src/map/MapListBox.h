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

    std::string LineAt(int index) const;
    void SetLineAt(int index, const std::string &line);
    void InsertLine(int index, const std::string &line);
};
