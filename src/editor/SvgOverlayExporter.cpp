#include "editor/SvgOverlayExporter.h"

#include <QFileDialog>
#include <QFileInfo>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/SvgOverlay.h"
#include "desktop/LocalText.h"
#include "desktop/TextCodec.h"
#include "editor/MapDocument.h"
#include "imagelib/SafeSaveFile.h"

SvgOverlayExporter::SvgOverlayExporter(const MapDocument &document, QWidget &parent)
    : document_(document), parent_(parent)
{
}

QString SvgOverlayExporter::DefaultPath() const
{
    const QFileInfo picture(document_.PicturePath());
    return picture.dir().filePath(picture.completeBaseName() + QStringLiteral(".svg"));
}

void SvgOverlayExporter::ChooseAndExport()
{
    const QFileInfo offered(DefaultPath());
    QFileDialog chooser(&parent_, tr("Export SVG Overlay"), offered.absolutePath());
    chooser.selectFile(offered.fileName());
    // Kept on top like the view window, which would otherwise cover it.
    chooser.setWindowFlag(Qt::WindowStaysOnTopHint);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(QStringLiteral("svg"));
    chooser.setNameFilters({tr("SVG (*.svg)"), tr("All Files (*)")});
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        Export(chooser.selectedFiles().first());
}

void SvgOverlayExporter::Export(const QString &path)
{
    // An SVG file is XML in UTF-8, whatever encoding the map's lines are held in.
    std::vector<std::string> lines;
    for (const std::string &line : document_.Lines())
        lines.push_back(document_.Codec().Text(line).toUtf8().toStdString());
    const QSize size = document_.PictureSize();
    SafeSaveFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QByteArray::fromStdString(vemo::SvgOverlayText(lines, size.width(), size.height())));
    if (!file.Finish())
        throw std::runtime_error(Bytes(tr("Cannot write %1: %2").arg(path, file.FailureReason())));
    emit Exported(tr("SVG overlay written: %1").arg(path));
}
