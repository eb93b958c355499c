#include "editor/PictureOpener.h"

#include <QFileInfo>
#include <QPixmap>

#include <stdexcept>
#include <utility>

#include "core/AsciiText.h"
#include "core/MapFile.h"
#include "core/MapLines.h"
#include "core/PathRules.h"
#include "desktop/LocalText.h"
#include "desktop/MessageDialogs.h"
#include "editor/ViewWindow.h"
#include "imagelib/ImageLibrary.h"
#include "imagelib/ImageLoadError.h"

namespace {

const vemo::PathStyle kPaths = vemo::NativePathStyle();

} // namespace

PictureOpener::PictureOpener(ImageLibrary &library, ViewWindow &view, QWidget &asker)
    : library_(library), view_(view), asker_(asker)
{
}

std::optional<QImage> PictureOpener::Decode(const QString &path)
{
    try {
        return library_.Load(path, 1);
    } catch (const ImageLoadError &) {
        ShowMessageBox(&asker_, MessageKind::Error, tr("Cannot load this Graphic file!"),
                   static_cast<int>(MessageButton::Ok));
        return std::nullopt;
    }
}

std::optional<PictureOpener::Opened> PictureOpener::Open(const QString &openedPath, const QImage &picture)
{
    view_.ShowPicture(QPixmap::fromImage(picture));

    std::string path = Bytes(openedPath);
    const std::string extension = vemo::UpperAscii(vemo::ExtensionPart(path, kPaths));
    const char *kind = "JPEG";
    if (extension == ".GIF") {
        kind = "GIF";
    } else if (keepPngAndWebp_ && (extension == ".PNG" || extension == ".WEBP")) {
        kind = extension == ".PNG" ? "PNG" : "WebP";
    } else if (extension != ".JPG") {
        path = vemo::ChangeExtension(path, ".jpg", kPaths);
        if (!ConvertToJpeg(openedPath, Text(path)))
            return std::nullopt;
    }

    const QSize size = view_.PictureSize();
    const int width = size.width();
    const int height = size.height();
    const std::string fileName = vemo::FileNamePart(path, kPaths);
    const QString mapName = Text(vemo::MapNameFromFileName(fileName));
    const QString mapFilePath = Text(vemo::ChangeExtension(path, vemo::kMapFileExtension, kPaths));
    MapDocument::MapText text;
    if (QFileInfo::exists(mapFilePath)) {
        std::optional<MapDocument::MapText> read = MapDocument::ReadSideFile(mapFilePath);
        if (!read)
            throw std::runtime_error(Bytes(tr("Cannot read %1").arg(mapFilePath)));
        text = std::move(*read);
    } else {
        // The names are attribute values of the new lines like any other; a new map is UTF-8.
        const TextCodec codec = text.codec.InStyle(newMapStyle_);
        text.lines = vemo::NewMapLines(codec.AttributeValue(Text(fileName)), width, height,
                                       codec.AttributeValue(mapName), newMapStyle_);
    }
    return Opened{Text(path), kind, width, height, mapFilePath, mapName, std::move(text)};
}

bool PictureOpener::ConvertToJpeg(const QString &sourcePath, const QString &jpegPath)
{
    // A JPEG of the same name that we did not convert from this picture is the user's own
    // picture: replacing it needs their consent.
    const QString sourceName = QFileInfo(sourcePath).fileName();
    if (QFileInfo::exists(jpegPath) && ImageLibrary::ConvertedFrom(jpegPath) != sourceName) {
        const QString question = tr("%1 already exists!\r\nDo you replace it with the converted picture?")
                                     .arg(QFileInfo(jpegPath).fileName());
        const MessageButtons buttons = static_cast<int>(MessageButton::Yes) | static_cast<int>(MessageButton::No);
        if (ShowMessageBox(&asker_, MessageKind::Warning, question, buttons) != MessageButton::Yes)
            return false;
    }
    library_.SaveAsJpeg(80, jpegPath);
    return true;
}
