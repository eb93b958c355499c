#include "map/MapListBox.h"

#include <QSignalBlocker>

#include <algorithm>

namespace {

constexpr int kLineBytesRole = Qt::UserRole;

void ShowLine(QListWidgetItem *entry, const std::string &line)
{
    const QByteArray bytes = QByteArray::fromStdString(line);
    entry->setText(QString::fromLocal8Bit(bytes));
    entry->setData(kLineBytesRole, bytes);
}

QListWidgetItem *NewLineItem(const std::string &line)
{
    auto *entry = new QListWidgetItem;
    ShowLine(entry, line);
    return entry;
}

} // namespace

TMapListBox::TMapListBox(QWidget *parent) : QListWidget(parent) {}

std::vector<std::string> TMapListBox::Lines() const
{
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(count()));
    for (int i = 0; i < count(); ++i)
        lines.push_back(LineAt(i));
    return lines;
}

void TMapListBox::SetLines(const std::vector<std::string> &lines)
{
    clear();
    for (const std::string &line : lines)
        addItem(NewLineItem(line));
}

std::string TMapListBox::LineAt(int index) const
{
    const QListWidgetItem *entry = item(index);
    return entry ? entry->data(kLineBytesRole).toByteArray().toStdString() : std::string();
}

void TMapListBox::SetLineAt(int index, const std::string &line)
{
    if (QListWidgetItem *entry = item(index))
        ShowLine(entry, line);
}

void TMapListBox::InsertLine(int index, const std::string &line)
{
    insertItem(std::clamp(index, 0, count()), NewLineItem(line));
}

void TMapListBox::RemoveLine(int index)
{
    delete takeItem(index);
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
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}
