// The input as a whole picture file, opened by the image library the way the editor opens a
// picture. A file that does not decode must fail with the load error the open command catches;
// any other exception, a crash or a sanitizer report is a fault.
#include "FuzzCheck.h"

#include "imagelib/ImageLibrary.h"
#include "imagelib/ImageLoadError.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

struct Setup {
    QTemporaryDir folder;
    QString path = folder.filePath(QStringLiteral("picture"));
    ImageLibrary library;
};
Setup *setup = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // Qt finds its image format plugins through the application object.
    static QCoreApplication app(*argc, *argv);
    setup = new Setup;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QFile file(setup->path);
    FUZZ_REQUIRE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_REQUIRE(file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size)) == qint64(size));
    file.close();
    try {
        const QImage picture = setup->library.Load(setup->path, 1);
        FUZZ_REQUIRE(!picture.isNull());
        FUZZ_REQUIRE(picture.width() <= ImageLibrary::kMaxSide && picture.height() <= ImageLibrary::kMaxSide);
    } catch (const ImageLoadError &) {
    }
    return 0;
}
