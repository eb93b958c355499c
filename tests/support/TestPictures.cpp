#include "TestPictures.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace testpics {

static QString ConvertProgram()
{
    // Prefer ImageMagick's own binary over any wrapper earlier on PATH.
    for (const char *candidate : {"/usr/bin/convert-im6.q16", "/usr/bin/convert"}) {
        if (QFileInfo(QString::fromLatin1(candidate)).isExecutable())
            return QString::fromLatin1(candidate);
    }
    return QStandardPaths::findExecutable(QStringLiteral("convert"));
}

bool Convert(const QStringList &arguments, const QString &output)
{
    QProcess process;
    process.start(ConvertProgram(), arguments);
    if (!process.waitForFinished(60000))
        return false;
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
           && QFileInfo::exists(output.section(QLatin1Char(':'), -1));
}

bool MakePicture(const QString &path, int width, int height, const QStringList &options)
{
    const QString size = QStringLiteral("%1x%2").arg(width).arg(height);
    QStringList arguments{QStringLiteral("-size"), size, QStringLiteral("gradient:red-blue"),
                          QStringLiteral("-fill"), QStringLiteral("yellow"),
                          QStringLiteral("-draw"), QStringLiteral("rectangle 0,0 %1,%2").arg(width / 4).arg(height / 4)};
    arguments << options << path;
    return Convert(arguments, path);
}

bool WriteBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray ReadBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace testpics
