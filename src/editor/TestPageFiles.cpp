#include "editor/TestPageFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace {

bool IsPlainFileOrAbsent(const QFileInfo &entry)
{
    // isSymLink() looks at the entry itself; exists() and isFile() would follow a link.
    return !entry.isSymLink() && (!entry.exists() || entry.isFile());
}

// A temporary file opened unbuffered, so a disk that takes only part of the page shows in
// write() itself instead of in a later flush.
class UnbufferedTemporaryFile : public QTemporaryFile {
public:
    using QTemporaryFile::QTemporaryFile;
    bool OpenUnbuffered() { return open(QIODevice::ReadWrite | QIODevice::Unbuffered); }
};

} // namespace

TestPageFiles::WriteResult TestPageFiles::Write(const QString &path, const QByteArray &bytes)
{
    const QFileInfo target(path);
    if (!IsPlainFileOrAbsent(target))
        return WriteResult::NotPlainFile;

    // Created under a name no one else has (exclusively, so never through a link).
    UnbufferedTemporaryFile page(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!page.OpenUnbuffered() || page.write(bytes) != bytes.size())
        return WriteResult::Failed;
    // A temporary file starts readable by its owner only; the page is read like any page
    // beside the picture, so it gets the usual rw-r--r--.
    page.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    page.close();
    std::error_code failure;
    std::filesystem::rename(page.filesystemFileName(), target.filesystemAbsoluteFilePath(), failure);
    if (failure)
        return WriteResult::Failed;
    page.setAutoRemove(false);
    written_[target.absoluteFilePath()] = bytes;
    return WriteResult::Written;
}

void TestPageFiles::RemoveUnchanged()
{
    for (const auto &[path, bytes] : written_) {
        const QFileInfo entry(path);
        if (entry.isSymLink() || !entry.isFile() || entry.size() != bytes.size())
            continue;
        QFile page(path);
        if (page.open(QIODevice::ReadOnly) && page.readAll() == bytes) {
            page.close();
            page.remove();
        }
    }
    written_.clear();
}
