#include "editor/PageExporter.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/PageMapWriter.h"
#include "core/PathRules.h"
#include "desktop/LocalText.h"
#include "desktop/MessageDialogs.h"
#include "desktop/TextCodec.h"
#include "editor/MapDocument.h"
#include "imagelib/SafeSaveFile.h"

namespace {

const vemo::PathStyle kPaths = vemo::NativePathStyle();
// Pages are text: one larger than this is no page a map is kept in (as for Import).
constexpr qint64 kLargestPage = 64LL * 1024 * 1024;

bool IsAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Every character outside ASCII as a character reference, which a browser reads alike whatever
// encoding the page declares.
std::string AsciiWithReferences(const QString &text)
{
    std::string bytes;
    for (const char32_t c : text.toUcs4()) {
        if (c < 0x80)
            bytes += static_cast<char>(c);
        else
            bytes += "&#" + std::to_string(static_cast<unsigned long>(c)) + ';';
    }
    return bytes;
}

QString RefusalText(vemo::PageExportRefusal refusal, const QString &page, const QString &mapName,
                    const QString &picture)
{
    switch (refusal) {
    case vemo::PageExportRefusal::MapNameEmpty:
        return PageExporter::tr("The map has no name; give it one with Image Property first.");
    case vemo::PageExportRefusal::MapNameRepeated:
        return PageExporter::tr("The page %1 has more than one map named %2, so it is not clear which one to replace. "
                                "The page was left as it was.")
            .arg(page, mapName);
    case vemo::PageExportRefusal::NoPictureImage:
        return PageExporter::tr("The page %1 has neither a map named %2 nor an image of %3 to put the map after. "
                                "The page was left as it was.")
            .arg(page, mapName, picture);
    case vemo::PageExportRefusal::PictureImagesDiffer:
        return PageExporter::tr("The page %1 shows %2 more than once with different maps, so it is not clear which "
                                "one to change. The page was left as it was.")
            .arg(page, picture);
    }
    return QString();
}

// One line of the report for a change.
QString EditText(const vemo::PageEdit &edit, const QString &mapName)
{
    const QString first = QString::number(edit.firstLine);
    const QString last = QString::number(edit.lastLine);
    switch (edit.kind) {
    case vemo::PageEditKind::MapReplaced:
        return PageExporter::tr("Lines %1 to %2: the map %3, in place of the page's map of that name (lines %4 to %5 "
                                "before)")
            .arg(first, last, mapName, QString::number(edit.oldFirstLine), QString::number(edit.oldLastLine));
    case vemo::PageEditKind::MapInserted:
        return PageExporter::tr("Lines %1 to %2: the map %3, after the picture").arg(first, last, mapName);
    case vemo::PageEditKind::UsemapAdded:
        return PageExporter::tr("Line %1: the picture was given a usemap naming the map").arg(first);
    case vemo::PageEditKind::UsemapReplaced:
        return PageExporter::tr("Line %1: the picture's usemap now names the map").arg(first);
    case vemo::PageEditKind::ScriptAdded:
        return PageExporter::tr("Line %1: the script that scales the areas with the shown picture").arg(first);
    }
    return QString();
}

} // namespace

PageExporter::PageExporter(MapDocument &document, QWidget &parent) : document_(document), parent_(parent) {}

void PageExporter::ChooseAndExport(bool addResponsiveScript)
{
    const std::string picture = Bytes(document_.PicturePath());
    QFileDialog chooser(&parent_, tr("Export Map to Page"), Text(vemo::FolderPart(picture, kPaths)));
    // Kept on top like the view window, which would otherwise cover it.
    chooser.setWindowFlag(Qt::WindowStaysOnTopHint);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilters({tr("HTML (*.htm *.html *.HTM *.HTML)"), tr("All Files (*)")});
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        Export(chooser.selectedFiles().first(), addResponsiveScript);
}

void PageExporter::Export(const QString &pagePath, bool addResponsiveScript)
{
    // Resolved once: the file read is the file replaced. A pipe or device is never opened, which
    // would wait for a writer or read without end.
    const QString target = QFileInfo(pagePath).canonicalFilePath();
    if (target.isEmpty() || !QFileInfo(target).isFile()) {
        ShowError(tr("The page %1 is missing or is not a regular file.").arg(pagePath));
        return;
    }
    QFile file(target);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(tr("The page %1 cannot be read: %2").arg(pagePath, file.errorString()));
        return;
    }
    if (file.size() > kLargestPage) {
        ShowError(tr("The page %1 is too large").arg(pagePath));
        return;
    }
    const QByteArray bytes = file.readAll();
    file.close();
    const std::string_view page(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    const TextCodec pageCodec = TextCodec::ForSideFile(page);
    const bool asciiPage = IsAscii(page);

    std::vector<std::string> lines;
    for (const std::string &line : document_.Lines()) {
        std::optional<std::string> converted = ForPage(line, pageCodec, asciiPage);
        // The image line is not written into the page, so it cannot stop the export.
        if (!converted && lines.empty())
            converted = line;
        if (!converted) {
            ShowError(tr("The page %1 is neither UTF-8 nor Shift-JIS, and the map holds characters outside ASCII "
                         "that could not be written into it. The page was left as it was.")
                          .arg(pagePath));
            return;
        }
        lines.push_back(std::move(*converted));
    }
    const std::string mapName =
        lines.size() > 1 ? vemo::AttributeValueOfTag(lines[1], "name").value_or(std::string()) : std::string();
    const QString pictureName = QFileInfo(document_.PicturePath()).fileName();
    const std::string pictureFile =
        pageCodec.Encoding() == vemo::TextEncoding::Unknown ? Bytes(pictureName) : pageCodec.Bytes(pictureName);
    const vemo::PageExport written =
        vemo::ExportMapToPage(page, {lines, pictureFile, mapName}, addResponsiveScript);
    const QString shownName = pageCodec.Text(mapName);
    if (written.refusal) {
        ShowError(RefusalText(*written.refusal, pagePath, shownName, pictureName));
        return;
    }
    const QString fileName = QFileInfo(pagePath).fileName();
    if (written.page == page) {
        ShowMessageBox(&parent_, MessageKind::Information,
                       tr("The page %1 already holds the map %2 as it is; it was left unchanged.").arg(pagePath, shownName),
                       static_cast<int>(MessageButton::Ok));
        return;
    }

    SafeSaveFile save(target);
    // A failed open or write is caught by Finish(), which then replaces nothing.
    if (save.open(QIODevice::WriteOnly))
        save.write(written.page.data(), static_cast<qint64>(written.page.size()));
    if (!save.Finish()) {
        ShowError(tr("The page %1 cannot be written: %2. It was left as it was.").arg(pagePath, save.FailureReason()));
        return;
    }

    emit Exported(tr("Exported the map %1 to %2").arg(shownName, fileName));
    QStringList changes;
    for (const vemo::PageEdit &edit : written.edits)
        changes << EditText(edit, shownName);
    const QString report = tr("The map %1 was written into %2:").arg(shownName, fileName) + "\n\n" + changes.join('\n');
    QMessageBox box(QMessageBox::Information, tr("Export Map to Page"), report, QMessageBox::Ok, &parent_);
    box.exec();
}

std::optional<std::string> PageExporter::ForPage(const std::string &mapBytes, const TextCodec &pageCodec,
                                                 bool asciiPage) const
{
    const TextCodec &mapCodec = document_.Codec();
    if (IsAscii(mapBytes))
        return mapBytes;
    // A page of ASCII alone says nothing of its encoding, whatever it declares.
    if (asciiPage)
        return AsciiWithReferences(mapCodec.Text(mapBytes));
    if (pageCodec.Encoding() == mapCodec.Encoding())
        return mapBytes;
    if (pageCodec.Encoding() == vemo::TextEncoding::Unknown)
        return std::nullopt;
    return pageCodec.Bytes(mapCodec.Text(mapBytes));
}

void PageExporter::ShowError(const QString &text) const
{
    ShowMessageBox(&parent_, MessageKind::Error, text, static_cast<int>(MessageButton::Ok));
}
