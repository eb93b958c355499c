#include "map/MapListBox.h"

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
    return item(index)->data(kLineBytesRole).toByteArray().toStdString();
}

void TMapListBox::SetLineAt(int index, const std::string &line)
{
    ShowLine(item(index), line);
}

void TMapListBox::InsertLine(int index, const std::string &line)
{
    insertItem(index, NewLineItem(line));
}
