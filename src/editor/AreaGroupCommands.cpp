#include "editor/AreaGroupCommands.h"

#include <QApplication>
#include <QClipboard>
#include <QStringList>

#include <algorithm>
#include <functional>

#include "core/AreaClipboard.h"
#include "core/AreaMoving.h"
#include "core/AreaSet.h"
#include "core/MapLayout.h"
#include "core/MapLines.h"
#include "desktop/MessageDialogs.h"
#include "editor/AreaEditor.h"
#include "editor/MapDocument.h"
#include "editor/MapListBox.h"
#include "editor/PageImporter.h"
#include "editor/ViewWindow.h"

namespace {

// A paste's message lists this many lines of each kind; the rest are counted.
constexpr std::size_t kLinesShown = 12;

} // namespace

AreaGroupCommands::AreaGroupCommands(MapDocument &document, MapListBox &list, ViewWindow &view, AreaEditor &areas,
                                     QWidget &parent)
    : document_(document), list_(list), view_(view), areas_(areas), parent_(parent)
{
    connect(&list_, &MapListBox::itemSelectionChanged, this, &AreaGroupCommands::ShowSelection);
    // Lines move with a change; the view reads the marked lines in its own areas when it paints.
    connect(&document_, &MapDocument::Changed, this, &AreaGroupCommands::ShowSelection);
}

int AreaGroupCommands::SelectedRegionCount() const
{
    const std::shared_ptr<const vemo::AreaSet> areas = document_.Areas();
    const std::vector<int> lines = list_.SelectedLines();
    return static_cast<int>(
        std::count_if(lines.begin(), lines.end(), [&](int line) { return areas->OnLine(line) != nullptr; }));
}

bool AreaGroupCommands::SeveralSelected() const
{
    return list_.SelectedLines().size() > 1;
}

void AreaGroupCommands::ShowSelection()
{
    const bool several = SeveralSelected();
    view_.MarkSelectedAreas(several ? list_.SelectedLines() : std::vector<int>());
    view_.SetGroupStepping(several);
}

void AreaGroupCommands::SelectAllAreas()
{
    if (areas_.Refused())
        return;
    const std::vector<std::string> &lines = document_.Lines();
    std::vector<int> selected;
    for (int index = 0; index < static_cast<int>(lines.size()); ++index) {
        if (!vemo::IsProtectedLine(index, document_.LineCount())
            && vemo::GetAreaKind(lines[static_cast<std::size_t>(index)]) != vemo::AreaKind::None)
            selected.push_back(index);
    }
    list_.SelectLines(selected);
}

void AreaGroupCommands::ToggleLine(int line)
{
    if (areas_.Refused())
        return;
    std::vector<int> selected = list_.SelectedLines();
    const auto found = std::find(selected.begin(), selected.end(), line);
    if (found != selected.end())
        selected.erase(found);
    else
        selected.push_back(line);
    list_.SelectLines(selected);
}

void AreaGroupCommands::DeleteSelected()
{
    if (areas_.Refused())
        return;
    std::vector<int> doomed = list_.SelectedLines();
    std::erase_if(doomed, [this](int line) { return vemo::IsProtectedLine(line, document_.LineCount()); });
    if (doomed.empty())
        return;
    // From the bottom up, so each index still names its line.
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    list_.SelectLine(-1);
    document_.History().beginMacro(tr("Delete Areas"));
    for (const int line : doomed)
        document_.RemoveLine(line);
    document_.History().endMacro();
}

std::vector<std::string> AreaGroupCommands::LinesAt(const std::vector<int> &indexes) const
{
    std::vector<std::string> lines;
    for (const int index : indexes)
        lines.push_back(document_.LineAt(index));
    return lines;
}

void AreaGroupCommands::ReplaceLines(const QString &stepName, const std::vector<int> &indexes,
                                     const std::vector<std::string> &before, const std::vector<std::string> &after)
{
    bool begun = false;
    for (std::size_t position = 0; position < indexes.size() && position < after.size(); ++position) {
        if (after[position] == before[position])
            continue;
        if (!begun)
            document_.History().beginMacro(stepName);
        begun = true;
        document_.ReplaceLine(indexes[position], after[position]);
    }
    if (begun)
        document_.History().endMacro();
}

void AreaGroupCommands::MoveSelected(int dx, int dy)
{
    if (areas_.Refused())
        return;
    const std::vector<int> indexes = list_.SelectedLines();
    const std::vector<std::string> before = LinesAt(indexes);
    const QSize picture = document_.PictureSize();
    ReplaceLines(tr("Move Areas"), indexes, before,
                 vemo::MovedAreaLines(before, dx, dy, picture.width(), picture.height()).lines);
}

void AreaGroupCommands::Arrange(vemo::ArrangeOperation operation)
{
    if (areas_.Refused())
        return;
    const std::vector<int> indexes = list_.SelectedLines();
    const std::vector<std::string> before = LinesAt(indexes);
    const QSize picture = document_.PictureSize();
    ReplaceLines(tr("Arrange Areas"), indexes, before,
                 vemo::ArrangedAreaLines(before, operation, picture.width(), picture.height()).lines);
}

void AreaGroupCommands::DuplicateSelected()
{
    if (areas_.Refused())
        return;
    const QSize picture = document_.PictureSize();
    const vemo::DuplicatedAreas copies =
        vemo::DuplicateAreas(document_.Lines(), list_.SelectedLines(), picture.width(), picture.height());
    if (copies.insertions.empty())
        return;
    std::vector<int> made;
    // Let go first: rows inserted among selected ones would cut the selection up at every line.
    list_.SelectLine(-1);
    document_.History().beginMacro(tr("Duplicate"));
    for (const vemo::LineInsertion &copy : copies.insertions) {
        document_.InsertLine(copy.index, copy.line);
        made.push_back(copy.index);
    }
    document_.History().endMacro();
    list_.SelectLines(made);
}

bool AreaGroupCommands::CopySelected()
{
    const std::string text = vemo::AreaClipboardText(document_.Lines(), list_.SelectedLines());
    if (text.empty())
        return false;
    QApplication::clipboard()->setText(document_.Codec().Text(text));
    return true;
}

void AreaGroupCommands::InsertLines(const QString &stepName, int at, const std::vector<std::string> &lines)
{
    document_.History().beginMacro(stepName);
    for (std::size_t position = 0; position < lines.size(); ++position)
        document_.InsertLine(at + static_cast<int>(position), lines[position]);
    document_.History().endMacro();
}

void AreaGroupCommands::Paste()
{
    if (areas_.Refused())
        return;
    const TextCodec &codec = document_.Codec();
    const vemo::PastedAreas pasted = vemo::PasteAreas(codec.Bytes(QApplication::clipboard()->text()), document_.Lines());
    if (pasted.tooMany) {
        ShowMessageBox(&parent_, MessageKind::Error,
                       tr("The pasted text holds more than %1 areas; none was pasted.").arg(vemo::kMostMapAreas),
                       static_cast<int>(MessageButton::Ok));
        return;
    }
    if (std::any_of(pasted.lines.begin(), pasted.lines.end(),
                    [](const std::string &line) { return line.size() > PageImporter::kLongestAreaLine; })) {
        ShowMessageBox(&parent_, MessageKind::Error,
                       tr("The pasted text has an area of more than %1 bytes, too long to paste; none was pasted.")
                           .arg(PageImporter::kLongestAreaLine),
                       static_cast<int>(MessageButton::Ok));
        return;
    }
    if (!pasted.lines.empty()) {
        list_.SelectLine(-1);
        InsertLines(tr("Paste Areas"), pasted.insertAt, pasted.lines);
        std::vector<int> pastedLines;
        for (std::size_t position = 0; position < pasted.lines.size(); ++position)
            pastedLines.push_back(pasted.insertAt + static_cast<int>(position));
        list_.SelectLines(pastedLines);
        emit Report(tr("Pasted %1 areas").arg(pasted.lines.size()));
    }
    QStringList told;
    if (pasted.lines.empty() && pasted.notAreas.empty())
        told << tr("The clipboard holds no area to paste.");
    if (!pasted.notAreas.empty()) {
        told << tr("These lines of the pasted text hold no area:");
        const std::size_t shown = std::min(pasted.notAreas.size(), kLinesShown);
        for (std::size_t position = 0; position < shown; ++position) {
            const vemo::NotAreaLine &line = pasted.notAreas[position];
            const QString text = codec.Text(line.text) + (line.cut ? QStringLiteral("\u2026") : QString());
            told << tr("Line %1: %2").arg(line.line).arg(text);
        }
        if (pasted.notAreaCount > shown)
            told << tr("and %1 more not listed").arg(pasted.notAreaCount - shown);
    }
    if (!pasted.notes.empty()) {
        told << tr("These areas could not be taken over as they were:");
        const std::size_t shown = std::min(pasted.notes.size(), kLinesShown);
        for (std::size_t position = 0; position < shown; ++position)
            told << PageImporter::NoteLine(pasted.notes[position], codec);
        if (pasted.noteCount > shown)
            told << tr("and %1 more not listed").arg(pasted.noteCount - shown);
    }
    if (!told.isEmpty())
        ShowMessageBox(&parent_, MessageKind::Information, told.join('\n'), static_cast<int>(MessageButton::Ok));
}
