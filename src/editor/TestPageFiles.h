#pragma once
// The browser test pages this run wrote. A page is written only as a plain file of its own,
// never through a link (anyone who may write to a shared picture folder could plant one there),
// and at the end only pages that still hold what this run wrote are removed: a file of that
// name is otherwise the user's.
#include <QByteArray>
#include <QString>

#include <map>

class TestPageFiles {
public:
    enum class WriteResult { Written, NotPlainFile, Failed };

    // Writes bytes as the whole page at path, under a new name beside it that is then renamed
    // over path; the rename replaces a link planted meanwhile, never the file it points to.
    // NotPlainFile when path is a link or anything but a regular file: nothing is written then.
    WriteResult Write(const QString &path, const QByteArray &bytes);

    // Removes every page written by Write() that is still a regular file holding its bytes.
    void RemoveUnchanged();

private:
    std::map<QString, QByteArray> written_; // absolute path -> the bytes written there
};
