#pragma once
// The settings file, read and written key by key. Keys of other programs or sections, and
// the rest of the file's layout, are kept. Each write replaces the file atomically.
#include <QString>

#include <optional>
#include <string>

#include "core/IniDocument.h"

class SettingsFile {
public:
    // Reads the file; a missing or unreadable file reads as empty.
    explicit SettingsFile(const QString &path);

    // The raw value of a key (at most 1023 bytes); nothing when absent.
    std::optional<std::string> Read(const std::string &section, const std::string &key) const;
    // The raw value of a key however long, for values only this program keeps (such as paths);
    // nothing when absent.
    std::optional<std::string> ReadWhole(const std::string &section, const std::string &key) const;

    // Writes one key, making the file's folder when missing; raises std::runtime_error
    // "<path> に書き込めません" when the file cannot be written.
    void Write(const std::string &section, const std::string &key, const std::string &value);

private:
    QString path_;
    vemo::IniDocument document_;
};
