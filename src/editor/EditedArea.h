#pragma once
// The area under edit: which line it came from (or that it is new), its kind, and its region in
// picture pixels. It is made when an edit starts and ended by Set, Cancel or closing the map. The
// dialog's fields and the view's shape both show it and change it through it; neither of them is
// where the area lives, so neither can drift from the other or from the line that is written.
#include <QObject>
#include <QPersistentModelIndex>

#include <string>
#include <vector>

#include "core/AreaGeometry.h"

class MapDocument;

class EditedArea : public QObject {
    Q_OBJECT
public:
    enum class Kind { Rectangle, Circle, Polygon, Default };
    // Who changed the region: the one who did need not be told.
    enum class Source { Picture, Typing, Editor };

    explicit EditedArea(MapDocument &document);

    // Starts an edit of the line at index, or of a new area when index is negative.
    void Begin(Kind kind, int index);
    void End();
    bool Active() const { return active_; }

    bool IsNew() const { return isNew_; }
    // The line being edited, followed through insertions and removals above it; -1 for a new area
    // or a line that an undo took away.
    int Line() const;
    // The line as it stood when the edit began; empty for a new area.
    const std::string &LineAtStart() const { return lineAtStart_; }
    // The line was taken away or rewritten since the edit began (by an undo or a redo).
    bool LineChanged() const;

    Kind AreaKind() const { return kind_; }
    // A rectangle turned into a circle or back, in its dialog.
    void SetKind(Kind kind);

    // A rectangle's or circle's box.
    const vemo::Box &Box() const { return box_; }
    void SetBox(const vemo::Box &box, Source source);
    // A polygon's vertices.
    const std::vector<vemo::Point> &Points() const { return points_; }
    void SetPoints(const std::vector<vemo::Point> &points, Source source);

signals:
    void RegionChanged(EditedArea::Source source);

private:
    MapDocument &document_;
    bool active_ = false;
    bool isNew_ = true;
    Kind kind_ = Kind::Rectangle;
    QPersistentModelIndex line_;
    std::string lineAtStart_;
    vemo::Box box_;
    std::vector<vemo::Point> points_;
};
