#pragma once
// The one way the editor writes a file: under a temporary name beside the target, renamed over
// the target only when every byte reached the disk. The old file otherwise stays whole.
#include <QByteArray>
#include <QSaveFile>
#include <QString>

class SafeSaveFile : public QSaveFile
{
public:
    explicit SafeSaveFile(const QString &path);

    // Always opens unbuffered: through a buffer a full disk shows only when the buffer is
    // flushed, which QSaveFile::commit() overlooks, and it would rename an empty file into place.
    bool open(OpenMode mode) override;

    // Renames the written file over the target. False when opening, any write or the rename
    // failed: the target is untouched, the temporary file is gone and FailureReason() says why.
    bool Finish();
    QString FailureReason() const { return failureReason_; }

    // Writes bytes as the whole new content of path, as above; false when that failed.
    static bool Replace(const QString &path, const QByteArray &bytes);

protected:
    qint64 writeData(const char *data, qint64 length) override;

private:
    QString failureReason_;
};
