#pragma once
// Opening a picture for its map, in two steps so that the open map is closed only for a file
// that is a picture: first the picture decoded, touching nothing on screen or on disk; then,
// once the old map is closed, the picture shown on the view, a picture that is neither GIF nor
// JPEG written as a JPEG beside it (the map then refers to the JPEG; a PNG or WebP is used as it
// is when the user keeps them), and the side file read, or three new lines made for a picture
// that has none.
#include <QCoreApplication>
#include <QImage>
#include <QString>

#include <optional>

#include "core/MapStyle.h"
#include "editor/MapDocument.h"

class ImageLibrary;
class QWidget;
class ViewWindow;

class PictureOpener {
    Q_DECLARE_TR_FUNCTIONS(PictureOpener)

public:
    // asker is the window the questions and messages are shown over.
    PictureOpener(ImageLibrary &library, ViewWindow &view, QWidget &asker);

    struct Opened {
        QString picturePath; // the JPEG written, after a conversion
        const char *kind;    // "GIF", "JPEG", "PNG" or "WebP"
        int width;
        int height;
        QString mapFilePath;
        QString mapName;
        MapDocument::MapText text;
    };
    // The picture at path, decoded; nothing when it cannot be loaded (said in a message).
    std::optional<QImage> Decode(const QString &path);
    // The picture at path, as Decode gave it, shown on the view with its map. Nothing when the
    // user keeps a JPEG of the same name; a side file that cannot be read is raised as an error,
    // before the map is opened.
    std::optional<Opened> Open(const QString &path, const QImage &picture);
    // Whether a PNG or WebP picture is opened as it is instead of being written as a JPEG.
    void KeepPngAndWebp(bool keep) { keepPngAndWebp_ = keep; }
    // The style the lines of a picture without a side file are written in.
    void UseStyleForNewMaps(vemo::MapStyle style) { newMapStyle_ = style; }

private:
    // Writes the picture as JPEG beside it; false when the user keeps an unrelated JPEG there.
    bool ConvertToJpeg(const QString &sourcePath, const QString &jpegPath);

    ImageLibrary &library_;
    ViewWindow &view_;
    QWidget &asker_;
    bool keepPngAndWebp_ = false;
    vemo::MapStyle newMapStyle_ = vemo::MapStyle::Classic;
};
