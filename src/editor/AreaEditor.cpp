#include "editor/AreaEditor.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/IntConv.h"
#include "core/MapLayout.h"
#include "core/MapLines.h"
#include "editor/CircleDialog.h"
#include "editor/DefaultAreaDialog.h"
#include "editor/MapDocument.h"
#include "editor/MapLineModel.h"
#include "editor/MapListBox.h"
#include "editor/PolygonDialog.h"
#include "editor/RectangleDialog.h"
#include "editor/ViewWindow.h"
#include "resizeframe/PolygonFrame.h"
#include "resizeframe/ResizeFrame.h"

namespace {

// Where a new area starts: a 50 x 50 rectangle, or a 49 x 49 circle, at the picture's corner.
constexpr vemo::Box kNewRectBox{0, 0, 50, 50};
constexpr vemo::Box kNewCircleBox{0, 0, 49, 49};

} // namespace

AreaEditor::AreaEditor(MapDocument &document, ViewWindow &view, MapListBox &list, QWidget &standIn, bool japanese)
    : document_(document), view_(view), list_(list), standIn_(standIn),
      rectangle_(std::make_unique<RectangleDialog>(view, document, standIn, japanese)),
      circle_(std::make_unique<CircleDialog>(*rectangle_, view, document, standIn, japanese)),
      defaultArea_(std::make_unique<DefaultAreaDialog>(view, document, standIn, japanese)),
      polygon_(std::make_unique<PolygonDialog>(view, document, standIn, japanese))
{
    for (AreaDialog *dialog : Dialogs()) {
        connect(dialog, &AreaDialog::AreaSet, this, &AreaEditor::PutAreaLine);
        connect(dialog, &AreaDialog::Cancelled, this, &AreaEditor::Cancel);
    }
    connect(&document_, &MapDocument::Changed, this, &AreaEditor::CancelEditOfChangedLine);
    connect(&view_, &ViewWindow::PolygonDrawn, this, &AreaEditor::OpenDrawnPolygon);
}

AreaEditor::~AreaEditor() = default;

std::vector<AreaDialog *> AreaEditor::Dialogs() const
{
    return {rectangle_.get(), circle_.get(), polygon_.get(), defaultArea_.get()};
}

void AreaEditor::OpenAreaDialog(AreaDialog &dialog)
{
    standIn_.hide();
    dialog.show();
}

void AreaEditor::StartNewArea(Shape::Kind kind, const vemo::Box &box, CornerResizeStyle cornerResize,
                              AreaDialog &dialog)
{
    editMode_ = false;
    // At the top-left corner of the part of the picture in sight, which is the picture's own
    // corner unless the user has scrolled: a new area starts where the user is looking.
    const vemo::Box seen = view_.VisiblePart();
    view_.EditShape(kind, {seen.left + box.left, seen.top + box.top, box.width, box.height}, cornerResize);
    // The dialog starts with the shape's own coordinates, as a drag would write them.
    view_.ChangeShape();
    dialog.ShowLinkAndAlt({}, {}, document_.Codec());
    OpenAreaDialog(dialog);
}

void AreaEditor::NewRectangle()
{
    StartNewArea(Shape::Kind::Rectangle, kNewRectBox, crAsPointed, *rectangle_);
}

void AreaEditor::NewCircle()
{
    StartNewArea(Shape::Kind::Circle, kNewCircleBox, crEqualRatio, *circle_);
}

void AreaEditor::NewPolygon()
{
    editMode_ = false;
    view_.DrawPolygon();
}

void AreaEditor::OpenDrawnPolygon(const std::vector<vemo::Point> &points)
{
    editMode_ = false;
    polygon_->ShowPoints(points);
    polygon_->ShowLinkAndAlt({}, {}, document_.Codec());
    OpenAreaDialog(*polygon_);
}

void AreaEditor::NewOrOpenDefaultArea()
{
    const std::vector<std::string> &lines = document_.Lines();
    for (std::size_t index = 2; index < lines.size(); ++index) {
        if (vemo::GetAreaKind(lines[index]) == vemo::AreaKind::Default) {
            list_.SelectLine(static_cast<int>(index));
            EditSelectedLine();
            return;
        }
    }
    editMode_ = false;
    view_.ClearShape();
    defaultArea_->ShowLinkAndAlt({}, {}, document_.Codec());
    OpenAreaDialog(*defaultArea_);
}

void AreaEditor::EditSelectedLine()
{
    const int index = list_.SelectedIndex();
    if (index < 0)
        return;
    // Set before the line is read: a following "Set" rewrites this line, whatever it holds.
    editMode_ = true;
    const std::string line = document_.LineAt(index);
    AreaDialog *dialog = nullptr;
    switch (vemo::GetAreaKind(line)) {
    case vemo::AreaKind::Rect: {
        view_.shape->SetShapeKind(Shape::Kind::Rectangle);
        const std::vector<std::int32_t> c = vemo::ReadCoords(line, vemo::AreaKind::Rect);
        const vemo::RectCorners corners{c[0], c[1], c[2], c[3]};
        view_.EditShape(Shape::Kind::Rectangle, vemo::BoxFromCorners(corners), crAsPointed);
        rectangle_->ShowCorners(corners);
        dialog = rectangle_.get();
        break;
    }
    case vemo::AreaKind::Circle: {
        view_.shape->SetShapeKind(Shape::Kind::Circle);
        const std::vector<std::int32_t> c = vemo::ReadCoords(line, vemo::AreaKind::Circle);
        const vemo::CircleArea circle{c[0], c[1], c[2]};
        view_.EditShape(Shape::Kind::Circle, vemo::BoxFromCircle(circle), crAsPointed);
        circle_->ShowCircle(circle);
        dialog = circle_.get();
        break;
    }
    case vemo::AreaKind::Poly: {
        const std::vector<vemo::Point> points = vemo::ReadPolygon(line);
        view_.EditPolygon(points);
        polygon_->ShowPoints(points);
        dialog = polygon_.get();
        break;
    }
    case vemo::AreaKind::Default:
        view_.ClearShape();
        dialog = defaultArea_.get();
        break;
    case vemo::AreaKind::None:
        return;
    }
    dialog->ShowLinkAndAlt(vemo::ReadHref(line), vemo::ReadAlt(line), document_.Codec());
    editedLine_ = QPersistentModelIndex(document_.Model()->index(index));
    editedText_ = line;
    OpenAreaDialog(*dialog);
}

void AreaEditor::ShowSelectedArea()
{
    const int index = list_.SelectedIndex();
    if (index < 0)
        return;
    const std::string line = document_.LineAt(index);
    const vemo::AreaKind kind = vemo::GetAreaKind(line);
    if (kind != vemo::AreaKind::Poly)
        view_.polygon->Clear();
    switch (kind) {
    case vemo::AreaKind::Rect: {
        view_.shape->SetShapeKind(Shape::Kind::Rectangle);
        // Each edge is set as soon as it is read, so a bad value leaves the earlier edges shown.
        const std::vector<std::string> texts = vemo::CoordTexts(line, vemo::AreaKind::Rect);
        vemo::Box box = view_.ShapeBox();
        box.left = vemo::StrToInt(texts.at(0));
        view_.SetShapeBox(box);
        box.top = vemo::StrToInt(texts.at(1));
        view_.SetShapeBox(box);
        box.width = vemo::BoxFromCorners({box.left, box.top, vemo::StrToInt(texts.at(2)), box.top}).width;
        view_.SetShapeBox(box);
        box.height = vemo::BoxFromCorners({box.left, box.top, box.left, vemo::StrToInt(texts.at(3))}).height;
        view_.SetShapeBox(box);
        view_.shape->show();
        break;
    }
    case vemo::AreaKind::Circle: {
        view_.shape->SetShapeKind(Shape::Kind::Circle);
        const std::vector<std::int32_t> c = vemo::ReadCoords(line, vemo::AreaKind::Circle);
        view_.SetShapeBox(vemo::BoxFromCircle({c[0], c[1], c[2]}));
        view_.shape->show();
        break;
    }
    case vemo::AreaKind::Poly:
        view_.ShowPolygon(vemo::ReadPolygon(line));
        break;
    case vemo::AreaKind::Default:
    case vemo::AreaKind::None:
        view_.shape->hide();
        break;
    }
}

void AreaEditor::PutAreaLine(const std::string &line)
{
    const int selected = list_.SelectedIndex();
    int index = selected;
    if (editMode_ && selected >= 0) {
        document_.ReplaceLine(selected, line);
    } else {
        // A new default area goes last, after every other area, which it would hide.
        const bool defaultArea = vemo::GetAreaKind(line) == vemo::AreaKind::Default;
        index = defaultArea ? std::max(document_.LineCount() - 1, 0) : vemo::NewAreaLineIndex(document_.Lines());
        document_.InsertLine(index, line);
    }
    list_.SelectLine(index);
}

void AreaEditor::Cancel()
{
    // A new area that was given up disappears. A line being edited is shown again as it stands,
    // whatever was typed or switched since.
    if (editMode_)
        ShowSelectedArea();
    else
        view_.ClearShape();
}

void AreaEditor::CancelEditOfChangedLine()
{
    AreaDialog *dialog = OpenDialog();
    if (!dialog || !editMode_)
        return;
    if (!editedLine_.isValid() || document_.LineAt(editedLine_.row()) != editedText_)
        dialog->Cancel();
}

AreaDialog *AreaEditor::OpenDialog() const
{
    for (AreaDialog *dialog : Dialogs()) {
        if (dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

void AreaEditor::Abandon()
{
    // A dialog left open would otherwise write into the next map, or into none.
    for (AreaDialog *dialog : Dialogs())
        dialog->hide();
    view_.ClearShape();
}
