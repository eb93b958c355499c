#include "editor/PageImporter.h"

#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/HtmlTags.h"
#include "core/PageMapReader.h"
#include "core/PageMapWriter.h"
#include "core/PathRules.h"
#include "desktop/LocalText.h"
#include "desktop/MessageDialogs.h"
#include "desktop/TextCodec.h"
#include "editor/MapDocument.h"

namespace {

const vemo::PathStyle kPaths = vemo::NativePathStyle();
// Pages are text: one larger than this is no page a map is kept in.
constexpr qint64 kLargestPage = 64LL * 1024 * 1024;
// The report lists this many notes in the box itself; the rest are under Details.
constexpr int kNotesShown = 12;

// What a note says; %1 is the page's line, %2 the note's detail.
QString NoteText(vemo::ImportNoteKind kind)
{
    switch (kind) {
    case vemo::ImportNoteKind::DroppedAttribute:
        return PageImporter::tr("Line %1: the attribute %2 was left out");
    case vemo::ImportNoteKind::MissingHref:
        return PageImporter::tr("Line %1: no link; written as HREF=\"\", which links to the page itself");
    case vemo::ImportNoteKind::PercentCoordinates:
        return PageImporter::tr("Line %1: the percentages in %2 were taken as pixels");
    case vemo::ImportNoteKind::FractionalCoordinates:
        return PageImporter::tr("Line %1: the fractions in %2 were cut off");
    case vemo::ImportNoteKind::MalformedCoordinates:
        return PageImporter::tr("Line %1: the coordinates \"%2\" make no such shape; please mend them");
    case vemo::ImportNoteKind::UnknownShape:
        return PageImporter::tr("Line %1: the unknown shape %2 was taken as a rectangle");
    case vemo::ImportNoteKind::ExtraDefault:
        return PageImporter::tr("Line %1: a second default area was left out");
    case vemo::ImportNoteKind::DefaultMovedLast:
        return PageImporter::tr("Line %1: the default area was moved to the end");
    case vemo::ImportNoteKind::AttributesLeftOut:
        return PageImporter::tr("Line %1: too many attributes; the last %2 were left out unread");
    }
    return QString();
}

} // namespace

PageImporter::PageImporter(MapDocument &document, QWidget &parent)
    : document_(document), parent_(parent)
{
}

void PageImporter::ChooseAndImport()
{
    const std::string picture = Bytes(document_.PicturePath());
    QFileDialog chooser(&parent_, tr("Import Map from Page"), Text(vemo::FolderPart(picture, kPaths)));
    // Kept on top like the view window, which would otherwise cover it.
    chooser.setWindowFlag(Qt::WindowStaysOnTopHint);
    chooser.setFileMode(QFileDialog::ExistingFile);
    chooser.setNameFilters({tr("HTML (*.htm *.html *.HTM *.HTML)"), tr("All Files (*)")});
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
        Import(chooser.selectedFiles().first());
}

void PageImporter::Import(const QString &pagePath)
{
    QFile file(pagePath);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowMessageBox(&parent_, MessageKind::Error, tr("The page %1 cannot be read: %2").arg(pagePath, file.errorString()),
                   static_cast<int>(MessageButton::Ok));
        return;
    }
    if (file.size() > kLargestPage) {
        ShowMessageBox(&parent_, MessageKind::Error, tr("The page %1 is too large").arg(pagePath),
                   static_cast<int>(MessageButton::Ok));
        return;
    }
    QByteArray bytes = file.readAll();
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // The maps are listed first and only the chosen one is read into lines: a page of many large
    // maps would otherwise hold all their lines at once.
    const vemo::PageMaps page = vemo::ReadPageMaps(text, vemo::kNoMap);
    if (page.tooManyMaps) {
        ShowMessageBox(&parent_, MessageKind::Error,
                   tr("The page %1 holds more than %2 maps or pictures with a map")
                       .arg(pagePath)
                       .arg(vemo::kMostPageMaps),
                   static_cast<int>(MessageButton::Ok));
        return;
    }
    if (page.maps.empty()) {
        ShowMessageBox(&parent_, MessageKind::Information, tr("The page %1 holds no image map.").arg(pagePath),
                   static_cast<int>(MessageButton::Ok));
        return;
    }
    const TextCodec pageCodec = TextCodec::ForSideFile(text);
    const std::optional<std::size_t> chosen = ChooseMap(page, pageCodec);
    if (!chosen)
        return;
    if (page.maps[*chosen].TooLarge()) {
        ShowMessageBox(&parent_, MessageKind::Error,
                   tr("The map %1 has more than %2 areas; at most %2 can be imported.")
                       .arg(pageCodec.Text(page.maps[*chosen].name))
                       .arg(vemo::kMostMapAreas),
                   static_cast<int>(MessageButton::Ok));
        return;
    }
    const vemo::PageMap map = std::move(vemo::ReadPageMaps(text, *chosen, document_.Style()).maps[*chosen]);
    // Everything needed is copied out of the page: its bytes go before the lines are copied on.
    bytes = QByteArray();
    if (std::any_of(map.lines.begin(), map.lines.end(),
                    [](const std::string &line) { return line.size() > PageImporter::kLongestAreaLine; })) {
        ShowMessageBox(&parent_, MessageKind::Error,
                   tr("The map %1 has an area of more than %2 bytes, too long to import.")
                       .arg(pageCodec.Text(map.name))
                       .arg(PageImporter::kLongestAreaLine),
                   static_cast<int>(MessageButton::Ok));
        return;
    }

    // The page's values go into the map's own encoding; a character it has no code for becomes
    // a character reference, which means the same in the browser.
    const TextCodec &mapCodec = document_.Codec();
    const bool transcode = pageCodec.Encoding() != vemo::TextEncoding::Unknown
                           && pageCodec.Encoding() != mapCodec.Encoding();
    std::vector<std::string> transcoded;
    if (transcode) {
        transcoded.reserve(map.lines.size());
        for (const std::string &line : map.lines)
            transcoded.push_back(mapCodec.Bytes(pageCodec.Text(line)));
    }
    const std::vector<std::string> &lines = transcode ? transcoded : map.lines;
    const auto toMapBytes = [&](const std::string &pageBytes) {
        return transcode ? mapCodec.Bytes(pageCodec.Text(pageBytes)) : pageBytes;
    };
    if (const auto named = AskForPageNames(page, map, toMapBytes)) {
        // The names and the areas are one step to undo, as the import is.
        document_.History().beginMacro(tr("Import Map"));
        document_.ReplaceImageAndMapLines(named->first, named->second);
        document_.ReplaceAreaLines(lines);
        document_.History().endMacro();
    } else {
        document_.ReplaceAreaLines(lines);
    }

    const QString fileName = QFileInfo(pagePath).fileName();
    emit Imported(tr("Imported %1 areas from %2").arg(lines.size()).arg(fileName));
    if (map.notes.empty())
        return;
    QStringList notes;
    for (const vemo::ImportNote &note : map.notes) {
        notes << NoteLine(note, pageCodec);
    }
    const qsizetype allNotes = static_cast<qsizetype>(map.noteCount);
    QString report = tr("Imported %2 areas from the map %1. These could not be taken over as they were:")
                         .arg(pageCodec.Text(map.name))
                         .arg(lines.size())
                     + "\n\n"
                     + QStringList(notes.mid(0, kNotesShown)).join('\n');
    if (allNotes > kNotesShown)
        report += '\n' + tr("and %1 more (see Details)").arg(allNotes - kNotesShown);
    QMessageBox box(QMessageBox::Information, tr("Import Map from Page"), report, QMessageBox::Ok, &parent_);
    if (allNotes > kNotesShown) {
        QString details = notes.join('\n');
        if (allNotes > notes.size())
            details += '\n' + tr("and %1 more not listed").arg(allNotes - notes.size());
        box.setDetailedText(details);
    }
    box.exec();
}

QString PageImporter::NoteLine(const vemo::ImportNote &note, const TextCodec &codec)
{
    const QString detail = codec.Text(note.detail) + (note.detailCut ? QStringLiteral("\u2026") : QString());
    // Not every note has a detail, so the places are filled by hand rather than by arg().
    return NoteText(note.kind)
        .replace(QLatin1String("%1"), QString::number(note.pageLine))
        .replace(QLatin1String("%2"), detail);
}

std::optional<std::size_t> PageImporter::ChooseMap(const vemo::PageMaps &page, const TextCodec &pageCodec) const
{
    const std::string pictureName = vemo::FileNamePart(Bytes(document_.PicturePath()), kPaths);
    if (const std::optional<std::size_t> used = vemo::MapForPicture(page, pictureName))
        return used;
    if (page.maps.size() == 1)
        return 0;
    QStringList items;
    for (const vemo::PageMap &map : page.maps)
        items << tr("%1 (%2 areas, line %3)").arg(pageCodec.Text(map.name)).arg(map.areaCount).arg(map.pageLine);
    QInputDialog chooser(&parent_);
    chooser.setWindowTitle(tr("Import Map from Page"));
    chooser.setLabelText(tr("Map to import:"));
    chooser.setComboBoxItems(items);
    chooser.setComboBoxEditable(false);
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    // Taken by its place in the list: two maps of one name, size and line (a page on one line)
    // read alike.
    const auto *list = chooser.findChild<QComboBox *>();
    if (list == nullptr || list->currentIndex() < 0)
        return std::nullopt;
    return static_cast<std::size_t>(list->currentIndex());
}

std::optional<std::pair<std::string, std::string>>
PageImporter::AskForPageNames(const vemo::PageMaps &page, const vemo::PageMap &map,
                              const std::function<std::string(const std::string &)> &toMapBytes) const
{
    if (document_.LineCount() < 2)
        return std::nullopt;
    const std::string imageLine = document_.LineAt(0);
    const std::string mapStartLine = document_.LineAt(1);
    // Only the names the page gives this picture are offered: those of the map its image of this
    // picture uses, and that image's ALT.
    const std::string pictureName = vemo::FileNamePart(Bytes(document_.PicturePath()), kPaths);
    const vemo::PageImage *pictureImage = nullptr;
    for (const vemo::PageImage &image : page.images) {
        const std::size_t hash = image.usemap.find('#');
        if (hash == std::string::npos || !vemo::SourceNamesPicture(image.src, pictureName))
            continue;
        std::string_view used = std::string_view(image.usemap).substr(hash + 1);
        while (!used.empty() && vemo::IsHtmlSpace(used.front()))
            used.remove_prefix(1);
        while (!used.empty() && vemo::IsHtmlSpace(used.back()))
            used.remove_suffix(1);
        if (vemo::EqualsIgnoringAsciiCase(used, map.name)) {
            pictureImage = &image;
            break;
        }
    }
    if (pictureImage == nullptr)
        return std::nullopt;
    const std::string &pageAlt = pictureImage->alt;

    const std::optional<std::string> ourName = vemo::AttributeValueOfTag(mapStartLine, "name");
    const std::optional<std::string> ourAlt = vemo::AttributeValueOfTag(imageLine, "alt");
    const std::string pageName = toMapBytes(map.name);
    const std::string pageAltBytes = toMapBytes(pageAlt);
    const bool nameDiffers = ourName && !pageName.empty() && pageName != *ourName;
    const bool altDiffers = ourAlt && !pageAlt.empty() && pageAltBytes != *ourAlt;
    if (!nameDiffers && !altDiffers)
        return std::nullopt;

    const TextCodec &mapCodec = document_.Codec();
    QString question = tr("The page names the map or the picture otherwise than the open map:") + "\n\n";
    if (nameDiffers)
        question += tr("Map name: %1 in the page, %2 here").arg(mapCodec.Text(pageName), mapCodec.Text(*ourName)) + '\n';
    if (altDiffers)
        question += tr("Picture ALT: %1 in the page, %2 here").arg(mapCodec.Text(pageAltBytes), mapCodec.Text(*ourAlt))
                    + '\n';
    question += '\n' + tr("Take the page's names?");
    if (ShowMessageBox(&parent_, MessageKind::Confirmation, question,
                       static_cast<int>(MessageButton::Yes) | static_cast<int>(MessageButton::No))
        != MessageButton::Yes)
        return std::nullopt;

    std::string newImageLine = imageLine;
    std::string newMapStartLine = mapStartLine;
    if (nameDiffers) {
        newImageLine = vemo::WithAttributeValue(newImageLine, "usemap", "#" + pageName).value_or(newImageLine);
        newMapStartLine = vemo::WithAttributeValue(newMapStartLine, "name", pageName).value_or(newMapStartLine);
    }
    if (altDiffers)
        newImageLine = vemo::WithAttributeValue(newImageLine, "alt", pageAltBytes).value_or(newImageLine);
    return std::pair{newImageLine, newMapStartLine};
}
