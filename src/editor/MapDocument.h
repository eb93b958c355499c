#pragma once
// The open image map: its lines (as exact bytes, in a list model that views show), the picture
// and side file it belongs to, the encoding of its text, and whether it changed since it was
// opened or saved. Every change to the lines goes through the verbs below, so there is one place
// where the map changes, and each one can be undone; the rules that make the lines live in the
// text core.
#include <QObject>
#include <QSize>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/AreaSet.h"
#include "desktop/TextCodec.h"

class MapLineModel;

class MapDocument : public QObject {
    Q_OBJECT
public:
    explicit MapDocument(QObject *parent = nullptr);

    // The lines as a list model, for the list that shows them.
    MapLineModel *Model() const { return lines_; }
    // The lines as held, good until the next change.
    const std::vector<std::string> &Lines() const;
    // The areas of the lines that have a region, read once after each change and shared: the
    // view outlines them and finds clicks in them. Good for as long as it is held.
    std::shared_ptr<const vemo::AreaSet> Areas() const;
    // A line outside the map reads as an empty line.
    std::string LineAt(int index) const;
    int LineCount() const;

    // The picture the map is for (the JPEG written, after a conversion); empty when none is open.
    const QString &PicturePath() const { return picturePath_; }
    const QString &MapFilePath() const { return mapFilePath_; }
    // The picture's size in pixels, which the map's areas and WIDTH and HEIGHT are checked
    // against; empty when no map is open.
    QSize PictureSize() const { return pictureSize_; }
    // The map's name and the picture's BORDER, as the image property dialog last left them.
    const QString &MapName() const { return mapName_; }
    int Border() const { return border_; }
    // The encoding of the map's lines (its side file's, or UTF-8 for a new map), in the map's style.
    const TextCodec &Codec() const { return codec_; }
    // The style the map's lines are written in, told by its image line; every line the editor
    // writes into the map follows it.
    vemo::MapStyle Style() const { return codec_.Style(); }
    // The map has changed since it was opened or saved: a change not undone since then, or a
    // change marked.
    bool Modified() const { return marked_ || !history_.isClean(); }
    // The changes since the map was opened, for undo and redo. Opening, closing and saving
    // never touch it except to mark where the saved state is.
    QUndoStack &History() { return history_; }

    struct MapText {
        std::vector<std::string> lines;
        TextCodec codec;
    };
    // The lines and encoding of the side file at path; nothing when it cannot be read.
    static std::optional<MapText> ReadSideFile(const QString &path);

    // Makes text the open map, unmodified and with nothing to undo, for the picture at picturePath
    // of pictureSize pixels.
    void Load(const QString &picturePath, QSize pictureSize, const QString &mapFilePath, const QString &mapName,
              MapText text);
    // Empties the map; it is no longer modified and there is nothing to undo.
    void Close();
    // Writes the lines to the side file whole, or leaves the old file as it was and returns
    // false. A written map is no longer modified, until a change or an undo.
    bool Save();

    // The changes, each one undoable as one step named for what the user did. Each marks the
    // map modified and reports Changed, as do its undo and redo.
    void InsertLine(int index, const std::string &line);
    void ReplaceLine(int index, const std::string &line);
    void RemoveLine(int index);
    // Moves the line at from so that it stands at to (both inside the map).
    void MoveLine(int from, int to);
    // The image line and the map start line, the first two lines, rewritten together.
    void ReplaceImageAndMapLines(const std::string &imageLine, const std::string &mapStartLine);
    // Every line between the map start line and the map end line replaced by areas, as one step
    // named "Import Map"; the end line and the lines after it stay. A map without an end line
    // keeps its last line in its place. A map of fewer than three lines keeps what it has and
    // gets the areas after its first two lines.
    void ReplaceAreaLines(const std::vector<std::string> &areas);
    // Every line rewritten in style, as one step; a map going to HTML5 goes to UTF-8 with it.
    // Raises std::runtime_error, changing nothing, when a line holds bytes that do not decode in
    // the map's encoding, which UTF-8 could not keep.
    void ConvertToStyle(vemo::MapStyle style);
    // A change the lines do not show yet (a region turned into another kind in its dialog):
    // closing must still ask about the map. It is not a step of its own to undo.
    void MarkModified();

    // Keeps the values the image property dialog was left with.
    void KeepImageProperties(int border, const QString &mapName);

signals:
    // The lines or the modified mark changed: a map loaded or closed, a change, an undo or a redo.
    void Changed();

private:
    // Runs change now as one undoable step called name; undo takes it back.
    void Apply(const QString &name, std::function<void()> change, std::function<void()> undo);

    MapLineModel *lines_;
    QString picturePath_;
    QSize pictureSize_;
    QString mapFilePath_;
    QString mapName_;
    int border_ = 0;
    TextCodec codec_;
    // Before the history: the history's last signal, as it is destroyed, still lets the areas go.
    mutable std::shared_ptr<const vemo::AreaSet> areas_; // read again after each change
    QUndoStack history_;
    bool marked_ = false;
};
