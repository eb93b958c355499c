#pragma once
// The map's lines as a list model. Each line is held once, as its exact bytes; the text a view
// shows is made from them only when the view asks for it, so a map of many lines costs little
// more than its bytes and a view draws only the lines it shows.
#include <QAbstractListModel>

#include <string>
#include <vector>

#include "desktop/TextCodec.h"

class MapLineModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    // The display (and edit) text: the line's bytes decoded in the map's encoding.
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const std::vector<std::string> &Lines() const { return lines_; }
    void SetLines(std::vector<std::string> lines);
    // The encoding the lines are shown in; the lines themselves stay as they are.
    void SetTextCodec(const TextCodec &codec);

    // A row outside the model reads as an empty line and writes nothing. Writing the text a
    // line already holds reports no change.
    std::string LineAt(int row) const;
    void SetLineAt(int row, const std::string &line);
    // Inserts before row; a row past the end appends, one before the start prepends.
    void InsertLine(int row, const std::string &line);
    void RemoveLine(int row);

    // The rows of the lines with the most bytes, at most count of them, in no order. The widest
    // line on the screen is almost always among them, whatever the font.
    std::vector<int> LongestRows(int count) const;

private:
    bool HasRow(int row) const { return row >= 0 && static_cast<std::size_t>(row) < lines_.size(); }

    std::vector<std::string> lines_;
    TextCodec codec_;
};
