#pragma once
// Real picture files for tests, made with ImageMagick's convert at test time.
#include <QString>
#include <QStringList>

namespace testpics {

// Runs convert with the given arguments; returns true when it succeeded and the output exists.
bool Convert(const QStringList &arguments, const QString &output);

// Writes a width x height test picture (a colour gradient with a few marks) to path,
// in the format its extension or a "FORMAT:" prefix names, plus any extra convert options.
bool MakePicture(const QString &path, int width, int height, const QStringList &options = {});

// Writes bytes to a file; returns false on failure.
bool WriteBytes(const QString &path, const QByteArray &bytes);

// Reads a whole file; empty when it cannot be read.
QByteArray ReadBytes(const QString &path);

} // namespace testpics
