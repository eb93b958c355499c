#include "desktop/SettingsLocation.h"

#include <QDir>
#include <QTemporaryFile>

#include "core/PathRules.h"
#include "core/SettingsValues.h"
#include "desktop/LocalText.h"

bool IsFolderWritable(const QString &folder)
{
    // The probe removes itself when it goes out of scope.
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vemo-editor-probe-XXXXXX")));
    return probe.open();
}

QString SettingsFileLocation(const QString &programPath, const QString &userConfigFolder)
{
    const vemo::PathStyle style = vemo::NativePathStyle();
    const std::string besideProgram = vemo::SettingsFilePath(Bytes(programPath), style);
    if (userConfigFolder.isEmpty() || IsFolderWritable(Text(vemo::FolderPart(besideProgram, style))))
        return Text(besideProgram);
    return QDir(userConfigFolder).filePath(Text(vemo::FileNamePart(besideProgram, style)));
}
