#include "editor/MapDocument.h"

#include <QFile>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/AsciiText.h"
#include "core/MapFile.h"
#include "core/MapLines.h"
#include "core/StyleConversion.h"
#include "desktop/LocalText.h"
#include "editor/MapLineModel.h"
#include "imagelib/SafeSaveFile.h"

namespace {

// One step of the history: the change and how to take it back.
class MapChange : public QUndoCommand {
public:
    MapChange(const QString &name, std::function<void()> change, std::function<void()> undo)
        : QUndoCommand(name), change_(std::move(change)), undo_(std::move(undo))
    {
    }
    void redo() override { change_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> change_;
    std::function<void()> undo_;
};

// The last line after the first two that reads as the map end line, ignoring case and white
// space around it; the last line when none does.
std::size_t MapEndIndex(const std::vector<std::string> &lines)
{
    for (std::size_t i = lines.size(); i-- > 2;) {
        const std::string &line = lines[i];
        const std::size_t first = line.find_first_not_of(" \t");
        const std::size_t last = line.find_last_not_of(" \t");
        if (first != std::string::npos
            && vemo::UpperAscii(line.substr(first, last - first + 1)) == vemo::MapEndLine())
            return i;
    }
    return lines.size() - 1;
}

} // namespace

MapDocument::MapDocument(QObject *parent) : QObject(parent), lines_(new MapLineModel(this))
{
    // Connected first, so that whoever follows a change reads the areas and style of the changed lines.
    connect(this, &MapDocument::Changed, this, [this] {
        areas_.reset();
        codec_ = codec_.InStyle(vemo::StyleOfLines(Lines()));
    });
    connect(&history_, &QUndoStack::indexChanged, this, &MapDocument::Changed);
}

const std::vector<std::string> &MapDocument::Lines() const
{
    return lines_->Lines();
}

std::shared_ptr<const vemo::AreaSet> MapDocument::Areas() const
{
    if (!areas_)
        areas_ = std::make_shared<const vemo::AreaSet>(Lines());
    return areas_;
}

std::string MapDocument::LineAt(int index) const
{
    return lines_->LineAt(index);
}

int MapDocument::LineCount() const
{
    return lines_->rowCount();
}

std::optional<MapDocument::MapText> MapDocument::ReadSideFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::string bytes = file.readAll().toStdString();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return MapText{vemo::SplitMapFileText(bytes), TextCodec::ForSideFile(bytes)};
}

void MapDocument::Load(const QString &picturePath, QSize pictureSize, const QString &mapFilePath,
                       const QString &mapName, MapText text)
{
    picturePath_ = picturePath;
    pictureSize_ = pictureSize;
    mapFilePath_ = mapFilePath;
    mapName_ = mapName;
    border_ = 0;
    codec_ = text.codec.InStyle(vemo::StyleOfLines(text.lines));
    lines_->SetTextCodec(text.codec);
    lines_->SetLines(std::move(text.lines));
    history_.clear();
    marked_ = false;
    emit Changed();
}

void MapDocument::Close()
{
    pictureSize_ = QSize();
    lines_->SetLines({});
    history_.clear();
    marked_ = false;
    emit Changed();
}

bool MapDocument::Save()
{
    // Written beside the old file and renamed over it, so a failed write never loses the old one.
    if (!SafeSaveFile::Replace(mapFilePath_, QByteArray::fromStdString(vemo::JoinMapFileLines(Lines()))))
        return false;
    history_.setClean();
    marked_ = false;
    return true;
}

void MapDocument::InsertLine(int index, const std::string &line)
{
    const int at = std::clamp(index, 0, LineCount());
    Apply(tr("New Area"), [=, this] { lines_->InsertLine(at, line); }, [=, this] { lines_->RemoveLine(at); });
}

void MapDocument::ReplaceLine(int index, const std::string &line)
{
    const std::string before = LineAt(index);
    Apply(tr("Edit Area"), [=, this] { lines_->SetLineAt(index, line); },
          [=, this] { lines_->SetLineAt(index, before); });
}

void MapDocument::RemoveLine(int index)
{
    if (index < 0 || index >= LineCount()) {
        // Nothing to remove, but the user asked for a change: closing still asks, as it always has.
        Apply(tr("Delete Area"), [] {}, [] {});
        return;
    }
    const std::string removed = LineAt(index);
    Apply(tr("Delete Area"), [=, this] { lines_->RemoveLine(index); },
          [=, this] { lines_->InsertLine(index, removed); });
}

void MapDocument::MoveLine(int from, int to)
{
    const std::string moved = LineAt(from);
    const auto move = [this, moved](int out, int in) {
        lines_->RemoveLine(out);
        lines_->InsertLine(in, moved);
    };
    Apply(to < from ? tr("Move Area Up") : tr("Move Area Down"), [=] { move(from, to); }, [=] { move(to, from); });
}

void MapDocument::ReplaceImageAndMapLines(const std::string &imageLine, const std::string &mapStartLine)
{
    // Written as two removals and two insertions, so a map of fewer than two lines gets both.
    const int kept = std::min(LineCount(), 2);
    const std::vector<std::string> before(Lines().begin(), Lines().begin() + kept);
    Apply(
        tr("Image Property"),
        [=, this] {
            for (int i = 0; i < kept; ++i)
                lines_->RemoveLine(0);
            lines_->InsertLine(0, imageLine);
            lines_->InsertLine(1, mapStartLine);
        },
        [=, this] {
            lines_->RemoveLine(0);
            lines_->RemoveLine(0);
            for (int i = kept - 1; i >= 0; --i)
                lines_->InsertLine(0, before[static_cast<std::size_t>(i)]);
        });
}

void MapDocument::ReplaceAreaLines(const std::vector<std::string> &areas)
{
    const std::vector<std::string> before = Lines();
    const std::size_t head = std::min<std::size_t>(before.size(), 2);
    std::vector<std::string> after(before.begin(), before.begin() + static_cast<std::ptrdiff_t>(head));
    after.insert(after.end(), areas.begin(), areas.end());
    // The map end line and whatever follows it (blank lines at the end of a side file) stay; a
    // map without one keeps its last line, which stands in its place.
    if (before.size() >= 3)
        after.insert(after.end(), before.begin() + static_cast<std::ptrdiff_t>(MapEndIndex(before)), before.end());
    Apply(
        tr("Import Map"), [=, this] { lines_->SetLines(after); }, [=, this] { lines_->SetLines(before); });
}

void MapDocument::ConvertToStyle(vemo::MapStyle style)
{
    const std::vector<std::string> before = Lines();
    const TextCodec beforeCodec = codec_;
    std::vector<std::string> source = before;
    TextCodec afterCodec = codec_;
    if (style == vemo::MapStyle::Html5 && codec_.Encoding() != vemo::TextEncoding::Utf8) {
        afterCodec = TextCodec(vemo::TextEncoding::Utf8);
        for (std::size_t index = 0; index < source.size(); ++index) {
            // A byte that does not decode shows as the replacement character, which no map's
            // own text holds: UTF-8 could only keep the replacement.
            const QString text = codec_.Text(source[index]);
            if (text.contains(QChar::ReplacementCharacter))
                throw std::runtime_error(Bytes(
                    tr("Line %1 holds bytes that are no text in the map's encoding, so the map cannot become UTF-8.")
                        .arg(index + 1)));
            source[index] = afterCodec.Bytes(text);
        }
    }
    const std::vector<std::string> after = vemo::LinesInStyle(source, style);
    const auto show = [this](const std::vector<std::string> &lines, const TextCodec &codec) {
        codec_ = codec;
        lines_->SetTextCodec(codec);
        lines_->SetLines(lines);
    };
    Apply(style == vemo::MapStyle::Html5 ? tr("Convert to HTML5") : tr("Convert to Classic"),
          [=] { show(after, afterCodec); }, [=] { show(before, beforeCodec); });
}

void MapDocument::MarkModified()
{
    marked_ = true;
    emit Changed();
}

void MapDocument::KeepImageProperties(int border, const QString &mapName)
{
    border_ = border;
    mapName_ = mapName;
}

void MapDocument::Apply(const QString &name, std::function<void()> change, std::function<void()> undo)
{
    // Pushing runs the change.
    history_.push(new MapChange(name, std::move(change), std::move(undo)));
}
