#include "imagelib/ImageLibrary.h"

#include "imagelib/ImageLoadError.h"
#include "imagelib/JpegWriter.h"
#include "imagelib/PictureContent.h"
#include "imagelib/PlainBmp.h"
#include "imagelib/RunLengthBmp.h"
#include "imagelib/SafeSaveFile.h"
#include "imagelib/TruncationCheck.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <stdexcept>

namespace {

const QString kSourceKey = QStringLiteral("VemoSource");

// No picture file this editor meets comes near this size; a larger one is refused
// before it is read into memory.
constexpr qint64 kMaxFileBytes = 512LL * 1024 * 1024;

// Qt's allocation limit in megabytes: the largest allowed picture at 4 bytes a pixel.
constexpr int kQtAllocationLimitMb = static_cast<int>(ImageLibrary::kMaxPixels * 4 / (1024 * 1024));

std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

// Opens the picture file for reading, refusing what cannot be a picture this editor reads.
void OpenPictureFile(QFile &file)
{
    const QString path = file.fileName();
    const QFileInfo info(path);
    if (!info.exists())
        throw ImageLoadError(Utf8(path + QStringLiteral(": no such file")));
    if (!info.isFile())
        throw ImageLoadError(Utf8(path + QStringLiteral(": not a file")));
    if (info.size() == 0)
        throw ImageLoadError(Utf8(path + QStringLiteral(": empty file")));
    if (info.size() > kMaxFileBytes)
        throw ImageLoadError(Utf8(path + QStringLiteral(": file too large")));
    if (!file.open(QIODevice::ReadOnly))
        throw ImageLoadError(Utf8(path + QStringLiteral(": ") + file.errorString()));
}

QByteArray ReadWholeFile(QFile &file)
{
    const qint64 size = file.size();
    if (!file.seek(0))
        throw ImageLoadError(Utf8(file.fileName() + QStringLiteral(": read failed")));
    QByteArray bytes = file.readAll();
    if (bytes.size() != size)
        throw ImageLoadError(Utf8(file.fileName() + QStringLiteral(": read failed")));
    return bytes;
}

// Qt's reader, or nothing when Qt does not know the format or fails on the content.
QImage DecodeWithQt(QByteArray &bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    reader.setAllocationLimit(kQtAllocationLimitMb);
    // Browsers turn a photo by its EXIF orientation; the map's coordinates must match.
    reader.setAutoTransform(true);
    // Only the formats Qt reads well: its optional TGA plugin misreads common TGA
    // files, and weak signatures of other plugins (WBMP) can claim a TGA header.
    static const QList<QByteArray> trustedFormats{"bmp", "gif", "jpeg", "png"};
    if (!reader.canRead() || !trustedFormats.contains(reader.format()))
        return {};
    const QSize size = reader.size();
    if (size.isValid() && static_cast<qint64>(size.width()) * size.height() > ImageLibrary::kMaxPixels)
        return {};
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

QImage FlattenOntoWhite(const QImage &picture)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    painter.end();
    return flat;
}

} // namespace

ImageLibrary::ImageLibrary()
    : graphicsMagick_(kMaxSide, kMaxPixels)
{
}

QImage ImageLibrary::Decode(const QString &path) const
{
    QFile file(path);
    OpenPictureFile(file);
    const PictureContent content(file.peek(PictureContent::kHeadSize), file.size());
    if (content.IsCutShortBmp())
        throw ImageLoadError(Utf8(path + QStringLiteral(": pixel data cut short")));
    // Plain 24-bit bitmaps, the common large BMPs, go straight from the file into the picture.
    if (const auto bmp = content.UncompressedTrueColourBmp()) {
        if (bmp->width > kMaxSide || bmp->height > kMaxSide || bmp->width * bmp->height > kMaxPixels)
            throw ImageLoadError(Utf8(path + QStringLiteral(": picture too large")));
        return plainbmp::Read(file, *bmp);
    }
    // PCX and TGA are GraphicsMagick's alone (no Qt reader takes their content). Its PCX coder
    // keeps a copy of all the pixel data while decoding, so it reads the file itself rather
    // than from our copy of it; its TGA coder reads byte by byte, which is quicker from memory.
    const QString coder = content.GraphicsMagickCoder();
    if (coder == QStringLiteral("PCX"))
        return graphicsMagick_.Decode(file, coder);

    QByteArray bytes = ReadWholeFile(file);
    file.close();
    if (coder == QStringLiteral("TGA"))
        return graphicsMagick_.Decode(std::move(bytes), coder);
    if (TruncationCheck::GifEndsEarly(bytes) || TruncationCheck::JpegEndsEarly(bytes))
        throw ImageLoadError(Utf8(path + QStringLiteral(": pixel data cut short")));
    // Qt leaves whatever was in memory where a run-length stream skips pixels.
    if (content.IsRunLengthBmp())
        return graphicsMagick_.Decode(RunLengthBmp::WithRowsCompleted(bytes, kMaxSide), QStringLiteral("BMP"));
    QImage image = DecodeWithQt(bytes);
    if (!image.isNull())
        return image;
    if (coder.isEmpty())
        throw ImageLoadError(Utf8(path + QStringLiteral(": not a picture this editor reads")));
    return graphicsMagick_.Decode(bytes, coder);
}

QImage ImageLibrary::Load(const QString &path, [[maybe_unused]] int mode)
{
    // Forget the previous picture first, so a failed load can never lead to a JPEG of it.
    lastPicture_ = QImage();
    lastSourceName_.clear();
    QImage picture = Decode(path);
    if (picture.width() > kMaxSide || picture.height() > kMaxSide)
        throw ImageLoadError(Utf8(path + QStringLiteral(": picture too large")));
    lastPicture_ = picture;
    lastSourceName_ = QFileInfo(path).fileName();
    return picture;
}

QString ImageLibrary::WriteFailureText(const QString &path, const QString &reason) const
{
    if (japanese_)
        return QStringLiteral("JPEG ファイル \"%1\" を書き込めませんでした (%2)").arg(path, reason);
    return QStringLiteral("Cannot write the JPEG file \"%1\" (%2)").arg(path, reason);
}

void ImageLibrary::SaveAsJpeg(int quality, const QString &path)
{
    if (lastPicture_.isNull()) {
        const QString reason = japanese_ ? QStringLiteral("画像が読み込まれていません")
                                         : QStringLiteral("no picture has been loaded");
        throw std::runtime_error(Utf8(WriteFailureText(path, reason)));
    }
    SafeSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(Utf8(WriteFailureText(path, file.errorString())));
    const QString failure = jpegwriter::Write(FlattenOntoWhite(lastPicture_), quality, kSourceKey, lastSourceName_, file);
    if (!failure.isEmpty()) {
        const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : failure;
        throw std::runtime_error(Utf8(WriteFailureText(path, reason)));
    }
    if (!file.Finish())
        throw std::runtime_error(Utf8(WriteFailureText(path, file.FailureReason())));
}

void ImageLibrary::SetLanguage(const QString &language)
{
    japanese_ = language == QStringLiteral("Japanese");
}

QString ImageLibrary::ConvertedFrom(const QString &jpegPath)
{
    QImageReader reader(jpegPath);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "jpeg")
        return {};
    return reader.text(kSourceKey);
}
