#include "editor/AreaEditor.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QTimer>
#include <QWidget>

#include "core/AreaFields.h"
#include "core/AreaSet.h"
#include "core/ClearSpot.h"
#include "core/IntConv.h"
#include "core/MapLayout.h"
#include "core/MapLines.h"
#include "core/PolygonGeometry.h"
#include "desktop/MessageDialogs.h"
#include "editor/CircleDialog.h"
#include "editor/DefaultAreaDialog.h"
#include "editor/MapDocument.h"
#include "editor/MapListBox.h"
#include "editor/PolygonDialog.h"
#include "editor/RectangleDialog.h"
#include "editor/ViewWindow.h"
#include "imagelib/TracedArea.h"

namespace {

// A new rectangle is 50 x 50 picture pixels, a new circle 49 across.
constexpr int kNewRectSide = 50;
constexpr int kNewCircleSide = 49;


Shape::Kind ShapeKindOf(EditedArea::Kind kind)
{
    return kind == EditedArea::Kind::Circle ? Shape::Kind::Circle : Shape::Kind::Rectangle;
}

CornerResizeStyle CornerResizeOf(EditedArea::Kind kind)
{
    return kind == EditedArea::Kind::Circle ? CornerKeepsRatio : CornerFollowsPointer;
}

std::string Joined(const std::vector<std::string> &texts)
{
    std::string joined;
    for (std::size_t index = 0; index < texts.size(); ++index)
        joined += (index == 0 ? "" : ",") + texts[index];
    return joined;
}

// The vertices of as many whole x, y pairs as read, for a polygon line whose coordinates are
// to be mended.
std::vector<vemo::Point> ReadablePoints(const std::vector<std::string> &texts)
{
    std::vector<vemo::Point> points;
    for (std::size_t index = 0; index + 1 < texts.size(); index += 2) {
        const std::optional<std::int32_t> x = vemo::TryParseInt32(texts[index]);
        const std::optional<std::int32_t> y = vemo::TryParseInt32(texts[index + 1]);
        if (x && y)
            points.push_back({*x, *y});
    }
    return points;
}

// The comma-separated texts of a coordinates value in count fields: any beyond the last field go
// into it, so that nothing the line holds is hidden from the user mending it.
std::vector<std::string> InFields(const std::vector<std::string> &texts, std::size_t count)
{
    std::vector<std::string> fields(texts.begin(), texts.begin() + std::min(count, texts.size()));
    for (std::size_t index = count; index < texts.size(); ++index)
        fields.back() += "," + texts[index];
    return fields;
}

// Whether the coordinates value is exactly count whole numbers.
bool AllRead(const std::vector<std::string> &texts, std::size_t count)
{
    return texts.size() == count
           && std::all_of(texts.begin(), texts.begin() + count,
                          [](const std::string &text) { return vemo::TryParseInt32(text).has_value(); });
}

std::string TextAt(const std::vector<std::string> &texts, std::size_t index)
{
    return index < texts.size() ? texts[index] : std::string();
}

} // namespace

AreaEditor::AreaEditor(MapDocument &document, ViewWindow &view, MapListBox &list, QWidget &standIn)
    : document_(document), view_(view), list_(list), standIn_(standIn), edited_(document),
      rectangle_(std::make_unique<RectangleDialog>(edited_, view, document, standIn)),
      circle_(std::make_unique<CircleDialog>(edited_, view, document, standIn)),
      defaultArea_(std::make_unique<DefaultAreaDialog>(edited_, view, document, standIn)),
      polygon_(std::make_unique<PolygonDialog>(edited_, view, document, standIn))
{
    for (AreaDialog *dialog : Dialogs()) {
        connect(dialog, &AreaDialog::AreaSet, this, &AreaEditor::PutAreaLine);
        connect(dialog, &AreaDialog::Cancelled, this, &AreaEditor::EndEdit);
    }
    connect(rectangle_.get(), &AreaDialog::KindSwitchRequested, this,
            [this] { RunGuarded(rectangle_.get(), [this] { SwitchToCircle(); }); });
    connect(circle_.get(), &AreaDialog::KindSwitchRequested, this,
            [this] { RunGuarded(circle_.get(), [this] { SwitchToRectangle(); }); });
    connect(&edited_, &EditedArea::RegionChanged, this, &AreaEditor::FollowEditedArea);
    connect(&document_, &MapDocument::Changed, this, &AreaEditor::FollowDocument);
    connect(&view_, &ViewWindow::ShapeChanged, this, [this](Shape::Kind, const vemo::Box &box) { FollowShape(box); });
    connect(&view_, &ViewWindow::PolygonChanged, this, &AreaEditor::FollowPolygon);
    connect(&view_, &ViewWindow::PolygonDrawn, this, &AreaEditor::OpenDrawnPolygon);
    connect(&view_, &ViewWindow::TraceClicked, this, &AreaEditor::OpenTracedArea);
    connect(&view_, &ViewWindow::TraceToleranceChanged, this, &AreaEditor::TraceAgain);
    connect(&view_, &ViewWindow::PolygonDrawingAbandoned, this, [this] {
        drawing_ = false;
        AllowRectangleDrawing();
    });
    connect(&view_, &ViewWindow::RectangleDragged, this, [this](const vemo::Box &box) {
        if (!edited_.Active() && !drawing_)
            StartNewArea(EditedArea::Kind::Rectangle, box);
    });
    // A dialog stays above the view for as long as it is open: a click on the picture, to drag
    // the shape, must not bury the coordinates it writes. Raised after the click's own raise.
    connect(&view_, &ViewWindow::BroughtToFront, this, [this] {
        if (AreaDialog *dialog = OpenDialog())
            QTimer::singleShot(0, dialog, &QWidget::raise);
    });
    connect(&view_, &ViewWindow::ShapeDoubleClicked, this, [this] {
        if (!edited_.Active())
            EditSelectedLine();
    });
    AllowRectangleDrawing();
}

AreaEditor::~AreaEditor() = default;

void AreaEditor::SwitchToCircle()
{
    // The largest circle in the rectangle, at its top-left corner.
    const vemo::Box square = vemo::SquaredBox(edited_.Box());
    circle_->ShowCircle(vemo::CircleFromRectSquare(square));
    edited_.SetKind(EditedArea::Kind::Circle);
    edited_.SetBox(square, EditedArea::Source::Editor);
    SwitchKind(*rectangle_, *circle_);
}

void AreaEditor::SwitchToRectangle()
{
    // The circle's bounding square.
    rectangle_->ShowCorners(vemo::CornersFromBox(edited_.Box()));
    edited_.SetKind(EditedArea::Kind::Rectangle);
    edited_.SetBox(edited_.Box(), EditedArea::Source::Editor);
    SwitchKind(*circle_, *rectangle_);
}

void AreaEditor::SwitchKind(AreaDialog &from, AreaDialog &to)
{
    // Marked changed although the list is not, so that closing now still asks about the map;
    // the same both ways.
    document_.MarkModified();
    from.SwitchTo(to);
}

std::vector<AreaDialog *> AreaEditor::Dialogs() const
{
    return {rectangle_.get(), circle_.get(), polygon_.get(), defaultArea_.get()};
}

AreaDialog &AreaEditor::DialogFor(EditedArea::Kind kind) const
{
    switch (kind) {
    case EditedArea::Kind::Rectangle:
        return *rectangle_;
    case EditedArea::Kind::Circle:
        return *circle_;
    case EditedArea::Kind::Polygon:
        return *polygon_;
    case EditedArea::Kind::Default:
        break;
    }
    return *defaultArea_;
}

void AreaEditor::AllowRectangleDrawing()
{
    view_.SetRectangleDrawing(!edited_.Active() && !drawing_);
}

void AreaEditor::OpenAreaDialog(AreaDialog &dialog)
{
    AllowRectangleDrawing();
    FollowEditedArea(EditedArea::Source::Editor);
    standIn_.hide();
    dialog.show();
}

vemo::Point AreaEditor::NewAreaCorner(int width, int height) const
{
    // In picture pixels: the part in sight, and the part the dialog will stand over.
    const vemo::Box seen = view_.VisiblePart();
    const vemo::Box covered = view_.PicturePixelsUnder(rectangle_->PlaceWhenShown());
    return vemo::ClearSpot(seen, view_.isVisible() ? covered : vemo::Box{}, width, height);
}

void AreaEditor::StartNewArea(EditedArea::Kind kind, const vemo::Box &box)
{
    EndDrawing();
    tracedClick_.reset();
    edited_.Begin(kind, -1);
    view_.EditShape(ShapeKindOf(kind), box, CornerResizeOf(kind));
    edited_.SetBox(box, EditedArea::Source::Picture);
    AreaDialog &dialog = DialogFor(kind);
    dialog.ShowRegion();
    dialog.ShowAreaTexts({}, document_.Codec());
    OpenAreaDialog(dialog);
}

void AreaEditor::NewRectangle()
{
    const vemo::Point at = NewAreaCorner(kNewRectSide, kNewRectSide);
    StartNewArea(EditedArea::Kind::Rectangle, {at.x, at.y, kNewRectSide, kNewRectSide});
}

void AreaEditor::NewCircle()
{
    const vemo::Point at = NewAreaCorner(kNewCircleSide, kNewCircleSide);
    StartNewArea(EditedArea::Kind::Circle, {at.x, at.y, kNewCircleSide, kNewCircleSide});
}

void AreaEditor::NewPolygon()
{
    EndDrawing();
    drawing_ = true;
    AllowRectangleDrawing();
    view_.DrawPolygon();
}

void AreaEditor::EndDrawing()
{
    if (!drawing_)
        return;
    drawing_ = false;
    view_.ClearShape();
    AllowRectangleDrawing();
    emit Hint(tr("The polygon being drawn was given up"));
}

void AreaEditor::OpenDrawnPolygon(const std::vector<vemo::Point> &points)
{
    drawing_ = false;
    tracedClick_.reset();
    edited_.Begin(EditedArea::Kind::Polygon, -1);
    edited_.SetPoints(points, EditedArea::Source::Picture);
    polygon_->ShowRegion();
    polygon_->ShowAreaTexts({}, document_.Codec());
    OpenAreaDialog(*polygon_);
}

void AreaEditor::StartTracing()
{
    EndDrawing();
    view_.StartTracing();
}

void AreaEditor::OpenTracedArea(vemo::Point clicked)
{
    if (Refused())
        return;
    const TracedArea traced = view_.TraceAt(clicked);
    const vemo::AreaRegion region = traced.Region();
    switch (traced.kind) {
    case vemo::AreaKind::Rect:
        StartNewArea(EditedArea::Kind::Rectangle, region.box);
        break;
    case vemo::AreaKind::Circle:
        StartNewArea(EditedArea::Kind::Circle, region.box);
        break;
    case vemo::AreaKind::Poly:
        // Opened as a polygon drawn by hand is, its corners ready to be edited.
        view_.EditPolygon(region.points);
        OpenDrawnPolygon(region.points);
        break;
    default:
        return;
    }
    tracedClick_ = clicked;
}

void AreaEditor::TraceAgain()
{
    AreaDialog *shown = OpenDialog();
    if (!tracedClick_ || !edited_.Active() || !shown)
        return;
    const TracedArea traced = view_.TraceAt(*tracedClick_);
    const vemo::AreaRegion region = traced.Region();
    EditedArea::Kind kind = EditedArea::Kind::Polygon;
    if (traced.kind == vemo::AreaKind::Rect)
        kind = EditedArea::Kind::Rectangle;
    else if (traced.kind == vemo::AreaKind::Circle)
        kind = EditedArea::Kind::Circle;
    else if (traced.kind != vemo::AreaKind::Poly)
        return;
    // A change of kind moves the link, ALT, title and target typed so far into the other dialog.
    AreaDialog &dialog = DialogFor(kind);
    edited_.SetKind(kind);
    if (shown != &dialog)
        shown->SwitchTo(dialog);
    if (kind == EditedArea::Kind::Polygon) {
        view_.EditPolygon(region.points);
        edited_.SetPoints(region.points, EditedArea::Source::Picture);
    } else {
        view_.EditShape(ShapeKindOf(kind), region.box, CornerResizeOf(kind));
        edited_.SetBox(region.box, EditedArea::Source::Picture);
    }
}

void AreaEditor::NewOrOpenDefaultArea()
{
    EndDrawing();
    const std::vector<std::string> &lines = document_.Lines();
    for (std::size_t index = 2; index < lines.size(); ++index) {
        if (vemo::GetAreaKind(lines[index]) == vemo::AreaKind::Default) {
            list_.SelectLine(static_cast<int>(index));
            EditSelectedLine();
            return;
        }
    }
    edited_.Begin(EditedArea::Kind::Default, -1);
    view_.ClearShape();
    defaultArea_->ShowAreaTexts({}, document_.Codec());
    OpenAreaDialog(*defaultArea_);
}

void AreaEditor::EditSelectedLine()
{
    if (edited_.Active())
        return;
    EndDrawing();
    const int index = list_.SelectedIndex();
    if (index < 0)
        return;
    const std::string line = document_.LineAt(index);
    const vemo::AreaKind kind = vemo::GetAreaKind(line);
    // Coordinates that do not read are shown as they stand, and the shape as far as they read.
    const std::vector<std::string> texts =
        kind == vemo::AreaKind::None || kind == vemo::AreaKind::Default ? std::vector<std::string>()
                                                                          : vemo::CoordTexts(line, vemo::AreaKind::Poly);
    AreaDialog *dialog = nullptr;
    switch (kind) {
    case vemo::AreaKind::Rect: {
        edited_.Begin(EditedArea::Kind::Rectangle, index);
        const vemo::Box box = vemo::TypedRectBox(TextAt(texts, 0), TextAt(texts, 1), TextAt(texts, 2), TextAt(texts, 3));
        view_.EditShape(Shape::Kind::Rectangle, box, CornerFollowsPointer);
        edited_.SetBox(box, EditedArea::Source::Picture);
        if (AllRead(texts, 4))
            rectangle_->ShowRegion();
        else
            rectangle_->ShowTexts(InFields(texts, 4));
        dialog = rectangle_.get();
        break;
    }
    case vemo::AreaKind::Circle: {
        edited_.Begin(EditedArea::Kind::Circle, index);
        const vemo::Box box = vemo::TypedCircleBox(TextAt(texts, 0), TextAt(texts, 1), TextAt(texts, 2));
        view_.EditShape(Shape::Kind::Circle, box, CornerFollowsPointer);
        edited_.SetBox(box, EditedArea::Source::Picture);
        if (AllRead(texts, 3))
            circle_->ShowRegion();
        else
            circle_->ShowTexts(InFields(texts, 3));
        dialog = circle_.get();
        break;
    }
    case vemo::AreaKind::Poly: {
        edited_.Begin(EditedArea::Kind::Polygon, index);
        const std::vector<vemo::Point> points = ReadablePoints(texts);
        view_.EditPolygon(points);
        edited_.SetPoints(points, EditedArea::Source::Picture);
        polygon_->ShowText(Joined(texts));
        dialog = polygon_.get();
        break;
    }
    case vemo::AreaKind::Default:
        edited_.Begin(EditedArea::Kind::Default, index);
        view_.ClearShape();
        dialog = defaultArea_.get();
        break;
    case vemo::AreaKind::None:
        return;
    }
    dialog->ShowAreaTexts(vemo::ReadAreaTexts(line), document_.Codec());
    OpenAreaDialog(*dialog);
}

void AreaEditor::ShowSelectedArea()
{
    EndDrawing();
    // While an area is under edit, the shape shows that area and nothing else.
    if (edited_.Active())
        return;
    const int index = list_.SelectedIndex();
    const std::shared_ptr<const vemo::AreaSet> areas = document_.Areas();
    const vemo::AreaRegion *region = areas->OnLine(index);
    if (!region) {
        view_.ClearShape();
        const vemo::AreaKind kind = index >= 0 ? vemo::GetAreaKind(document_.LineAt(index)) : vemo::AreaKind::None;
        if (kind != vemo::AreaKind::None && kind != vemo::AreaKind::Default)
            emit Hint(tr("The coordinates of this line do not read; Edit opens them to be mended"));
        return;
    }
    // A shape already showing the line is left alone: taking it up again after every change of
    // a large map would repaint the picture under it each time.
    switch (region->kind) {
    case vemo::AreaKind::Rect:
        if (!view_.HoldsShape(Shape::Kind::Rectangle, region->box))
            view_.EditShape(Shape::Kind::Rectangle, region->box, CornerFollowsPointer);
        break;
    case vemo::AreaKind::Circle:
        if (!view_.HoldsShape(Shape::Kind::Circle, region->box))
            view_.EditShape(Shape::Kind::Circle, region->box, CornerFollowsPointer);
        break;
    case vemo::AreaKind::Poly:
        if (!view_.EditsPolygon(region->points))
            view_.EditPolygon(region->points);
        break;
    case vemo::AreaKind::Default:
    case vemo::AreaKind::None:
        view_.ClearShape();
        break;
    }
}

bool AreaEditor::Refused()
{
    if (!edited_.Active())
        return false;
    emit Hint(tr("Set or cancel the area being edited before choosing another one"));
    if (AreaDialog *dialog = OpenDialog())
        dialog->raise();
    return true;
}

bool AreaEditor::SelectLine(int line)
{
    if (Refused())
        return false;
    list_.setCurrentRow(line);
    return true;
}

bool AreaEditor::OpenLine(int line)
{
    if (!SelectLine(line))
        return false;
    EditSelectedLine();
    return true;
}

void AreaEditor::FollowEditedArea(EditedArea::Source source)
{
    if (!edited_.Active())
        return;
    const EditedArea::Kind kind = edited_.AreaKind();
    std::optional<vemo::Box> bounds;
    if (kind == EditedArea::Kind::Rectangle || kind == EditedArea::Kind::Circle) {
        if (source != EditedArea::Source::Picture) {
            view_.SetShapeKind(ShapeKindOf(kind));
            view_.SetShapeBox(edited_.Box());
        }
        bounds = edited_.Box();
    } else if (kind == EditedArea::Kind::Polygon) {
        if (source != EditedArea::Source::Picture)
            view_.SetPolygonPoints(edited_.Points());
        if (!edited_.Points().empty())
            bounds = vemo::PolygonBounds(edited_.Points());
    }
    AreaDialog *dialog = OpenDialog();
    if (dialog && source == EditedArea::Source::Picture)
        dialog->ShowRegion();
    // A region reaching outside the picture is allowed, and shown as such.
    const int width = document_.PictureSize().width(), height = document_.PictureSize().height();
    const bool outside = bounds && (bounds->left < 0 || bounds->top < 0
                                    || std::int64_t(bounds->left) + bounds->width > width
                                    || std::int64_t(bounds->top) + bounds->height > height);
    for (AreaDialog *each : Dialogs())
        each->ShowOutsideNote(outside, width, height);
}

void AreaEditor::FollowShape(const vemo::Box &box)
{
    if (edited_.Active()) {
        edited_.SetBox(box, EditedArea::Source::Picture);
        return;
    }
    const std::string line = document_.LineAt(list_.SelectedIndex());
    // The texts and the style stay as the line has them; only the coordinates change.
    const vemo::AreaTexts texts = vemo::ReadAreaTexts(line);
    const vemo::MapStyle style = document_.Style();
    using vemo::DecimalText;
    switch (vemo::GetAreaKind(line)) {
    case vemo::AreaKind::Rect: {
        const vemo::RectCorners c = vemo::CornersFromBox(box);
        RewriteSelectedLine(vemo::RectAreaLine(DecimalText(c.x0), DecimalText(c.y0), DecimalText(c.x1), DecimalText(c.y1), texts, style));
        break;
    }
    case vemo::AreaKind::Circle: {
        const vemo::CircleArea c = vemo::CircleFromSquare(box);
        RewriteSelectedLine(vemo::CircleAreaLine(DecimalText(c.x), DecimalText(c.y), DecimalText(c.r), texts, style));
        break;
    }
    default:
        break;
    }
}

void AreaEditor::FollowPolygon(const std::vector<vemo::Point> &points)
{
    if (edited_.Active()) {
        edited_.SetPoints(points, EditedArea::Source::Picture);
        return;
    }
    const std::string line = document_.LineAt(list_.SelectedIndex());
    if (vemo::GetAreaKind(line) == vemo::AreaKind::Poly)
        RewriteSelectedLine(vemo::PolyAreaLine(vemo::PolygonCoordsText(points), vemo::ReadAreaTexts(line), document_.Style()));
}

void AreaEditor::RewriteSelectedLine(const std::string &line)
{
    const int index = list_.SelectedIndex();
    if (line != document_.LineAt(index))
        document_.ReplaceLine(index, line);
}

void AreaEditor::PutAreaLine(const std::string &line)
{
    const bool isNew = edited_.IsNew();
    const int edited = edited_.Line();
    EndEdit();
    int index = edited;
    if (!isNew) {
        if (index < 0)
            return;
        document_.ReplaceLine(index, line);
    } else if (vemo::GetAreaKind(line) == vemo::AreaKind::Default) {
        // A map keeps at most one default area, whatever undo and redo did while the dialog was open.
        const std::vector<std::string> &lines = document_.Lines();
        const auto existing = std::find_if(lines.begin() + std::min<std::size_t>(2, lines.size()), lines.end(),
                                           [](const std::string &each) {
                                               return vemo::GetAreaKind(each) == vemo::AreaKind::Default;
                                           });
        if (existing != lines.end()) {
            index = static_cast<int>(existing - lines.begin());
            document_.ReplaceLine(index, line);
        } else {
            // A new default area goes last, after every other area, which it would hide.
            index = std::max(document_.LineCount() - 1, 0);
            document_.InsertLine(index, line);
        }
    } else {
        index = vemo::NewAreaLineIndex(document_.Lines());
        document_.InsertLine(index, line);
    }
    list_.SelectLine(index);
    ShowSelectedArea();
}

void AreaEditor::EndEdit()
{
    edited_.End();
    tracedClick_.reset();
    view_.ClearShape();
    AllowRectangleDrawing();
    ShowSelectedArea();
}

void AreaEditor::FollowDocument()
{
    if (edited_.Active()) {
        // An undo or redo took the edited line away or rewrote it: nothing is left to set.
        if (edited_.LineChanged()) {
            if (AreaDialog *dialog = OpenDialog())
                dialog->Cancel();
        }
        return;
    }
    if (!drawing_)
        ShowSelectedArea();
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
    edited_.End();
    drawing_ = false;
    tracedClick_.reset();
    view_.StopTracing();
    for (AreaDialog *dialog : Dialogs())
        dialog->hide();
    view_.ClearShape();
    AllowRectangleDrawing();
}
