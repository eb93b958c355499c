#pragma once
// The edge between Qt's texts and the byte strings of the text core: lines, paths and file
// contents are held in the system's 8-bit encoding.
#include <QString>

#include <string>

inline std::string Bytes(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

inline QString Text(const std::string &bytes)
{
    return QString::fromLocal8Bit(QByteArray::fromStdString(bytes));
}
