#include "editor/EditedArea.h"

#include "editor/MapDocument.h"
#include "editor/MapLineModel.h"

EditedArea::EditedArea(MapDocument &document) : document_(document) {}

void EditedArea::Begin(Kind kind, int index)
{
    active_ = true;
    kind_ = kind;
    isNew_ = index < 0;
    line_ = isNew_ ? QPersistentModelIndex() : QPersistentModelIndex(document_.Model()->index(index));
    lineAtStart_ = isNew_ ? std::string() : document_.LineAt(index);
    box_ = {};
    points_.clear();
}

void EditedArea::End()
{
    active_ = false;
    line_ = QPersistentModelIndex();
    lineAtStart_.clear();
}

int EditedArea::Line() const
{
    return !isNew_ && line_.isValid() ? line_.row() : -1;
}

bool EditedArea::LineChanged() const
{
    return !isNew_ && (Line() < 0 || document_.LineAt(Line()) != lineAtStart_);
}

void EditedArea::SetKind(Kind kind)
{
    kind_ = kind;
}

void EditedArea::SetBox(const vemo::Box &box, Source source)
{
    box_ = box;
    emit RegionChanged(source);
}

void EditedArea::SetPoints(const std::vector<vemo::Point> &points, Source source)
{
    points_ = points;
    emit RegionChanged(source);
}
