#include "desktop/SettingsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

#include "imagelib/SafeSaveFile.h"

SettingsFile::SettingsFile(const QString &path) : path_(path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        document_ = vemo::IniDocument(file.readAll().toStdString());
}

std::optional<std::string> SettingsFile::Read(const std::string &section, const std::string &key) const
{
    constexpr std::size_t kMaxValueBytes = 1023;
    auto value = ReadWhole(section, key);
    if (value && value->size() > kMaxValueBytes)
        value->resize(kMaxValueBytes);
    return value;
}

std::optional<std::string> SettingsFile::ReadWhole(const std::string &section, const std::string &key) const
{
    return document_.Value(section, key);
}

void SettingsFile::Write(const std::string &section, const std::string &key, const std::string &value)
{
    vemo::IniDocument updated = document_;
    updated.SetValue(section, key, value);
    const QByteArray text = QByteArray::fromStdString(updated.Text());

    // The user's configuration folder may not exist yet; a failure here shows in the write below.
    QDir().mkpath(QFileInfo(path_).absolutePath());

    if (!SafeSaveFile::Replace(path_, text))
        throw std::runtime_error(path_.toLocal8Bit().toStdString() + " に書き込めません");
    document_ = updated;
}
