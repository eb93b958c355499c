#include "editor/MapLineModel.h"

#include <QString>

#include <algorithm>
#include <functional>
#include <utility>

int MapLineModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant MapLineModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !HasRow(index.row()) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const std::string &line = lines_[static_cast<std::size_t>(index.row())];
    return codec_.Text(line);
}

Qt::ItemFlags MapLineModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

void MapLineModel::SetLines(std::vector<std::string> lines)
{
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void MapLineModel::SetTextCodec(const TextCodec &codec)
{
    beginResetModel();
    codec_ = codec;
    endResetModel();
}

std::string MapLineModel::LineAt(int row) const
{
    return HasRow(row) ? lines_[static_cast<std::size_t>(row)] : std::string();
}

void MapLineModel::SetLineAt(int row, const std::string &line)
{
    // The same text again is no change: views would lay out every row for nothing.
    if (!HasRow(row) || lines_[static_cast<std::size_t>(row)] == line)
        return;
    lines_[static_cast<std::size_t>(row)] = line;
    const QModelIndex changed = index(row);
    emit dataChanged(changed, changed, {Qt::DisplayRole, Qt::EditRole});
}

void MapLineModel::InsertLine(int row, const std::string &line)
{
    row = std::clamp(row, 0, rowCount());
    beginInsertRows(QModelIndex(), row, row);
    lines_.insert(lines_.begin() + row, line);
    endInsertRows();
}

void MapLineModel::RemoveLine(int row)
{
    if (!HasRow(row))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    lines_.erase(lines_.begin() + row);
    endRemoveRows();
}

std::vector<int> MapLineModel::LongestRows(int count) const
{
    // One pass with the longest lines so far in a min-heap: the shortest of them is at the
    // front, and most lines are dismissed by one comparison with it.
    using Entry = std::pair<std::size_t, int>; // length, row
    const std::size_t kept = static_cast<std::size_t>(std::max(count, 0));
    std::vector<Entry> longest;
    longest.reserve(kept);
    for (std::size_t row = 0; row < lines_.size() && kept > 0; ++row) {
        const Entry entry{lines_[row].size(), static_cast<int>(row)};
        if (longest.size() < kept) {
            longest.push_back(entry);
            std::push_heap(longest.begin(), longest.end(), std::greater<>());
        } else if (entry.first > longest.front().first) {
            std::pop_heap(longest.begin(), longest.end(), std::greater<>());
            longest.back() = entry;
            std::push_heap(longest.begin(), longest.end(), std::greater<>());
        }
    }
    std::vector<int> rows;
    rows.reserve(longest.size());
    for (const Entry &entry : longest)
        rows.push_back(entry.second);
    return rows;
}
