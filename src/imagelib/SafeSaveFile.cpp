#include "imagelib/SafeSaveFile.h"

SafeSaveFile::SafeSaveFile(const QString &path) : QSaveFile(path) {}

bool SafeSaveFile::open(OpenMode mode)
{
    return QSaveFile::open(mode | QIODevice::Unbuffered);
}

qint64 SafeSaveFile::writeData(const char *data, qint64 length)
{
    const qint64 written = QSaveFile::writeData(data, length);
    // Qt reports a write the disk took only part of as a success; callers such as the JPEG
    // writer then go on and the file would be committed cut short.
    if (written >= 0 && written < length) {
        cancelWriting();
        setErrorString(QStringLiteral("only %1 of %2 bytes could be written").arg(written).arg(length));
        return -1;
    }
    return written;
}

bool SafeSaveFile::Finish()
{
    if (!isOpen()) {
        failureReason_ = errorString();
        return false;
    }
    // Committing closes the file, which forgets why a write failed: keep the reason first.
    const QString writeFailure = error() == NoError ? QString() : errorString();
    if (commit())
        return true;
    failureReason_ = writeFailure.isEmpty() ? errorString() : writeFailure;
    return false;
}

bool SafeSaveFile::Replace(const QString &path, const QByteArray &bytes)
{
    SafeSaveFile file(path);
    // A failed open or write is caught by Finish(), which commits nothing after either.
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.Finish();
}
