#include "editor/ViewWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>
#include <QWindow>

#include <utility>

#include "core/GridSnap.h"
#include "core/PolygonGeometry.h"
#include "core/ZoomMapping.h"
#include "desktop/MessageDialogs.h"
#include "editor/AreaPicker.h"
#include "editor/DragAutoScroll.h"
#include "editor/GroupDragger.h"
#include "editor/RectangleMarker.h"
#include "editor/ShapeNudger.h"
#include "editor/ShapePlacement.h"
#include "editor/TraceMode.h"
#include "editor/ViewStatusBar.h"
#include "editor/ZoomControls.h"
#include "resizeframe/PolygonFrame.h"
#include "resizeframe/ResizeFrame.h"
#include "widgets/PictureBox.h"
#include "widgets/WidgetGeometry.h"

namespace {

constexpr QRect kShapeDesignBounds(24, 16, 65, 65);

QString ZoomText(double zoom)
{
    return QStringLiteral("%1 %").arg(qRound(zoom * 100));
}

} // namespace

ViewWindow::ViewWindow(QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                  | Qt::WindowCloseButtonHint),
      room_(*this)
{
    scrollArea_ = new QScrollArea(this);
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture = new PictureBox;
    picture->setObjectName(QStringLiteral("picture"));
    scrollArea_->setWidget(picture);
    shape = new Shape(picture);
    shape->setObjectName(QStringLiteral("shape"));
    shape->setGeometry(kShapeDesignBounds);
    // The shape takes no mouse input of its own: while it is edited, the frame's cover over it
    // takes the mouse; while it only shows the selected line, a click on it is a click on the
    // areas beneath, so a double click can open the line it has just selected.
    shape->setAttribute(Qt::WA_TransparentForMouseEvents);
    shape->hide();
    polygon = new PolygonFrame(picture);
    polygon->setObjectName(QStringLiteral("polygon"));
    connect(polygon, &PolygonFrame::PolygonDrawn, this,
            [this](const std::vector<vemo::Point> &points) { emit PolygonDrawn(SnappedCorners(points)); });
    connect(polygon, &PolygonFrame::DrawingAbandoned, this, &ViewWindow::PolygonDrawingAbandoned);
    connect(polygon, &PolygonFrame::PolygonChanged, this, &ViewWindow::PolygonChanged);
    connect(polygon, &PolygonFrame::InsideDoubleClicked, this, &ViewWindow::ShapeDoubleClicked);
    picture->installEventFilter(this);

    // The bar is laid out by hand: a layout would widen the window past a picture narrower
    // than the panels.
    statusBar_ = new ViewStatusBar(this);

    resizeFrame = new ResizeFrame(this, false);
    resizeFrame->setObjectName(QStringLiteral("resizeFrame"));
    // The shape is used for the whole run: the frame's Delete key must never destroy it.
    resizeFrame->SetDeleteProtected(shape, true);
    auto changeShape = [this] { RunGuarded(this, [this] { TakeShapeFromDrag(); }); };
    connect(resizeFrame, &ResizeFrame::MouseReleased, this, changeShape);
    connect(resizeFrame, &ResizeFrame::HandleReleased, this, changeShape);
    connect(resizeFrame, &ResizeFrame::DoubleClicked, this, &ViewWindow::ShapeDoubleClicked);
    shapePlacement_ = std::make_unique<ShapePlacement>(*shape, *resizeFrame, *picture);
    shapeNudger_ = new ShapeNudger(*shapePlacement_, *shape, *resizeFrame, *picture, this);
    connect(shapeNudger_, &ShapeNudger::GroupStepped, this, &ViewWindow::GroupStepped);
    // A step lets the shape go where it is put, as a drag would, but off the grid: the key moves
    // it by exactly one pixel.
    connect(shapeNudger_, &ShapeNudger::Nudged, this, [this](const vemo::Box &box) {
        SetShapeBox(box);
        emit ShapeChanged(shape->ShapeKind(), shapePlacement_->TakeFromDrag());
    });

    areaPicker_ = new AreaPicker(*picture, this);
    connect(areaPicker_, &AreaPicker::Clicked, this, &ViewWindow::AreaClicked);
    connect(areaPicker_, &AreaPicker::DoubleClicked, this, &ViewWindow::AreaDoubleClicked);
    connect(areaPicker_, &AreaPicker::ClickedAdding, this, &ViewWindow::AreaClickedAdding);
    rectangleMarker_ = new RectangleMarker(picture, *areaPicker_, this);
    connect(rectangleMarker_, &RectangleMarker::Marked, this, &ViewWindow::RectangleDragged);
    groupDragger_ = new GroupDragger(*picture, *areaPicker_, this);
    connect(groupDragger_, &GroupDragger::Dragged, this, &ViewWindow::GroupStepped);
    traceMode_ = new TraceMode(*picture, *statusBar_, this);
    connect(traceMode_, &TraceMode::Clicked, this, &ViewWindow::TraceClicked);
    connect(traceMode_, &TraceMode::ToleranceChanged, this, &ViewWindow::TraceToleranceChanged);
    connect(traceMode_, &TraceMode::Ended, this, &ViewWindow::TracingEnded);

    dragAutoScroll_ = new DragAutoScroll(*this, *scrollArea_, *resizeFrame);
    zoomControls_ = new ZoomControls(*this, *scrollArea_->viewport());
    FitToPicture();
}

ViewWindow::~ViewWindow() = default;

void ViewWindow::SetStatusPanel(int panel, const QString &text)
{
    statusBar_->SetPanel(panel, text);
}

QString ViewWindow::StatusPanel(int panel) const
{
    return statusBar_->Panel(panel);
}

void ViewWindow::SetAreaText(std::function<QString(int line)> areaText)
{
    statusBar_->SetAreaText(std::move(areaText));
}

void ViewWindow::SetRectangleDrawing(bool allowed)
{
    rectangleMarker_->SetAllowed(allowed);
}

void ViewWindow::ShowPicture(QPixmap image)
{
    // The mode holds the old picture's pixels.
    traceMode_->Stop();
    picture->SetPicture(std::move(image));
    scrollArea_->horizontalScrollBar()->setValue(0);
    scrollArea_->verticalScrollBar()->setValue(0);
    // The mouse has not been over this picture yet: no position of the last one stays.
    statusBar_->ResetPosition();
}

void ViewWindow::KeepClearOf(const QRect &frame, const QRect &client)
{
    room_.KeepClearOf(frame, client);
}

QSize ViewWindow::RoomForPicture(QSize pictureArea) const
{
    const QSize bar(0, ViewStatusBar::kHeight);
    return room_.RoomFor(pictureArea + bar) - bar;
}

void ViewWindow::FitToPicture()
{
    const QSize content = picture->size();
    const QSize room = RoomForPicture(content);
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scrollArea_);
    // A scroll bar along one side takes room from the other, which may then need one too.
    QSize area = content;
    for (int pass = 0; pass < 2; ++pass) {
        const bool wide = area.width() > room.width();
        const bool tall = area.height() > room.height();
        area = content + QSize(tall ? bar : 0, wide ? bar : 0);
    }
    area = area.boundedTo(room);
    scrollArea_->setGeometry(QRect(QPoint(0, 0), area));
    statusBar_->LayOut(area.height(), area.width());
    setFixedSize(area.width(), area.height() + ViewStatusBar::kHeight);
    // Placed before its first show, while it has no native window yet, so that the window
    // manager puts the frame, not the client area, at that place.
    if (!placed_)
        move(room_.Placement(size().grownBy(WindowFrameMargins(*this))).topLeft());
    SetStatusPanel(2, ZoomText(Zoom()));
    room_.KeepOnScreen();
}

double ViewWindow::Zoom() const
{
    return picture->Zoom();
}

void ViewWindow::SetZoom(double zoom)
{
    SetZoom(zoom, QRect(QPoint(0, 0), scrollArea_->viewport()->size()).center());
}

void ViewWindow::SetZoom(double zoom, QPoint anchor)
{
    // An outline under way is in the old display pixels: it is dropped, as when a popup takes
    // the mouse, and the shape stays where it was.
    if (resizeFrame->DragInProgress())
        resizeFrame->AbandonDrag();
    const double before = Zoom();
    QScrollBar *across = scrollArea_->horizontalScrollBar();
    QScrollBar *down = scrollArea_->verticalScrollBar();
    const QPointF anchored((across->value() + anchor.x()) / before, (down->value() + anchor.y()) / before);
    const vemo::Box box = ShapeBox();
    picture->SetZoom(zoom);
    shapePlacement_->Place(box);
    FitToPicture();
    across->setValue(qRound(anchored.x() * zoom - anchor.x()));
    down->setValue(qRound(anchored.y() * zoom - anchor.y()));
}

void ViewWindow::ZoomIn()
{
    SetZoom(vemo::SteppedZoom(Zoom(), +1));
}

void ViewWindow::ZoomOut()
{
    SetZoom(vemo::SteppedZoom(Zoom(), -1));
}

void ViewWindow::ZoomToNatural()
{
    SetZoom(1.0);
}

void ViewWindow::ZoomToFit()
{
    const QSize room = RoomForPicture();
    SetZoom(vemo::FittingZoom(picture->PictureWidth(), picture->PictureHeight(), room.width(), room.height()));
}

vemo::Box ViewWindow::VisiblePart() const
{
    const QRect seen = picture->visibleRegion().boundingRect();
    return vemo::ToPictureBox({seen.x(), seen.y(), seen.width(), seen.height()}, Zoom());
}

vemo::Box ViewWindow::PicturePixelsUnder(const QRect &onScreen) const
{
    const QPoint from = picture->mapFromGlobal(onScreen.topLeft());
    const QPoint to = picture->mapFromGlobal(onScreen.bottomRight());
    const double zoom = Zoom();
    const int left = vemo::PicturePixel(from.x(), zoom), top = vemo::PicturePixel(from.y(), zoom);
    return {left, top, vemo::PicturePixel(to.x(), zoom) + 1 - left, vemo::PicturePixel(to.y(), zoom) + 1 - top};
}

QSize ViewWindow::PictureSize() const
{
    return {picture->PictureWidth(), picture->PictureHeight()};
}

vemo::Box ViewWindow::ShapeBox() const
{
    return shapePlacement_->Box();
}

void ViewWindow::SetShapeKind(Shape::Kind kind)
{
    shape->SetShapeKind(kind);
}

void ViewWindow::ShowHint(const QString &text)
{
    statusBar_->ShowHint(text);
}

QString ViewWindow::Hint() const
{
    return statusBar_->Hint();
}

void ViewWindow::SetShapeBox(const vemo::Box &box)
{
    shapePlacement_->Place(box);
    ScrollIntoView(shapePlacement_->Shown());
}

void ViewWindow::ScrollIntoView(const QRect &displayed)
{
    const QSize port = scrollArea_->viewport()->size();
    if (displayed.width() <= port.width() && displayed.height() <= port.height()) {
        // The least scrolling that shows the whole of it.
        scrollArea_->ensureVisible(displayed.center().x(), displayed.center().y(), displayed.width() / 2 + 1,
                                   displayed.height() / 2 + 1);
    } else {
        // Larger than the visible part: its top-left corner goes to the visible top-left.
        scrollArea_->ensureVisible(displayed.left() + port.width() / 2, displayed.top() + port.height() / 2,
                                   port.width() / 2, port.height() / 2);
    }
}

void ViewWindow::EditShape(Shape::Kind kind, const vemo::Box &box, CornerResizeStyle cornerResize)
{
    // A shape still held from an earlier edit would otherwise get a second cover.
    resizeFrame->DetachAll();
    shape->SetShapeKind(kind);
    SetShapeBox(box);
    shape->show();
    resizeFrame->SetCornerResize(cornerResize);
    resizeFrame->AttachControl(shape);
}

bool ViewWindow::HoldsShape(Shape::Kind kind, const vemo::Box &box) const
{
    return shape->isVisible() && !resizeFrame->Covers().isEmpty() && shape->ShapeKind() == kind && ShapeBox() == box
           && polygon->CurrentMode() == PolygonFrame::Mode::Hidden;
}

bool ViewWindow::EditsPolygon(const std::vector<vemo::Point> &points) const
{
    return polygon->CurrentMode() == PolygonFrame::Mode::Editing && polygon->Points() == points;
}

void ViewWindow::LetGoShape()
{
    resizeFrame->DetachAll();
    if (polygon->CurrentMode() == PolygonFrame::Mode::Editing)
        polygon->Show(polygon->Points());
}

void ViewWindow::ClearShape()
{
    resizeFrame->DetachAll();
    shape->hide();
    polygon->Clear();
}

void ViewWindow::DrawPolygon()
{
    traceMode_->Stop();
    ClearShape();
    polygon->StartDrawing();
    // The clicks that place the vertices go to this window.
    raise();
    activateWindow();
}

void ViewWindow::StartTracing()
{
    traceMode_->Start();
    // The keys that end the mode or change the tolerance go to this window.
    raise();
    activateWindow();
}

void ViewWindow::StopTracing()
{
    traceMode_->Stop();
}

TracedArea ViewWindow::TraceAt(vemo::Point pixel)
{
    return traceMode_->TraceAt(pixel);
}

int ViewWindow::TraceTolerance() const
{
    return traceMode_->Tolerance();
}

double ViewWindow::TraceDistance() const
{
    return traceMode_->MaxDistance();
}

void ViewWindow::SetTraceSettings(int tolerance, double distance)
{
    traceMode_->SetTolerance(tolerance);
    traceMode_->SetMaxDistance(distance);
}

void ViewWindow::EditPolygon(const std::vector<vemo::Point> &points)
{
    ClearShape();
    polygon->Edit(points);
    ScrollPolygonIntoView(points);
}

void ViewWindow::ShowPolygon(const std::vector<vemo::Point> &points)
{
    ClearShape();
    polygon->Show(points);
    ScrollPolygonIntoView(points);
}

void ViewWindow::ScrollPolygonIntoView(const std::vector<vemo::Point> &points)
{
    const vemo::Box shown = vemo::ToDisplayBox(vemo::PolygonBounds(points), Zoom());
    ScrollIntoView(QRect(shown.left, shown.top, shown.width, shown.height));
}

void ViewWindow::SetPolygonPoints(const std::vector<vemo::Point> &points)
{
    polygon->SetPoints(points);
}

QColor ViewWindow::ShapeColor() const
{
    return shape->PenColor();
}

void ViewWindow::SetShapeColor(const QColor &color)
{
    shape->SetPenColor(color);
    polygon->SetColor(color);
    picture->SetOutlineColor(color);
    resizeFrame->SetHandleColor(color);
}

void ViewWindow::MarkSelectedAreas(std::vector<int> lines)
{
    if (lines.size() < 2)
        lines.clear();
    picture->SetMarkedLines(std::move(lines));
}

void ViewWindow::SetGroupStepping(bool on)
{
    groupStepping_ = on;
    if (!on)
        picture->SetMarkOffset(QPoint());
}

void ViewWindow::ShowMapAreas(std::shared_ptr<const vemo::AreaSet> areas)
{
    picture->SetOutlines(std::move(areas));
    areaPicker_->ForgetPress();
    // The mouse may rest on an area whose line changed, moved or went away.
    if (statusBar_->HoveredLine() >= 0)
        statusBar_->RefreshHoveredLine(areaPicker_->LineAt(picture->mapFrom(this, lastMousePos_.toPoint())));
}

void ViewWindow::TakeShapeFromDrag()
{
    const vemo::Box before = shapePlacement_->Box();
    vemo::Box box = shapePlacement_->TakeFromDrag();
    if (const int grid = picture->GridSize(); grid > 0) {
        const int width = picture->PictureWidth(), height = picture->PictureHeight();
        // A move keeps the size: only its corner goes to the grid.
        const bool moved = box.width == before.width && box.height == before.height;
        const vemo::Box snapped = moved ? vemo::SnappedBoxPosition(box, grid, width, height)
                                        : vemo::SnappedBoxCorners(box, grid, width, height);
        if (snapped != box) {
            box = snapped;
            SetShapeBox(box);
        }
    }
    emit ShapeChanged(shape->ShapeKind(), box);
}

void ViewWindow::SetGrid(int size)
{
    picture->SetGridSize(size);
}

std::vector<vemo::Point> ViewWindow::SnappedCorners(std::vector<vemo::Point> points)
{
    const int grid = picture->GridSize();
    if (grid <= 0)
        return points;
    for (vemo::Point &point : points)
        point = vemo::SnappedPoint(point, grid, picture->PictureWidth(), picture->PictureHeight());
    polygon->SetPoints(points);
    return points;
}

void ViewWindow::FollowMouse(const QPointF &windowPos)
{
    const QPoint at = windowPos.toPoint();
    const QWidget *port = scrollArea_->viewport();
    const QPoint onPort = port->mapFrom(this, at);
    const QPoint onPicture = picture->mapFrom(this, at);
    const bool overPicture = port->rect().contains(onPort) && picture->rect().contains(onPicture);
    if (overPicture) {
        SetStatusPanel(0, QStringLiteral("( %1 , %2 )")
                              .arg(vemo::PicturePixel(onPicture.x(), Zoom()))
                              .arg(vemo::PicturePixel(onPicture.y(), Zoom())));
    }
    statusBar_->ShowHoveredLine(overPicture ? areaPicker_->LineAt(onPicture) : -1);
}

bool ViewWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == picture) {
        // Only presses on the bare picture come here: the shape's cover and the handles lie above.
        const QEvent::Type type = event->type();
        bool taken = false;
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease
            || type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            RunGuarded(this, [&] { taken = traceMode_->Follow(*mouse); });
            if (!taken)
                RunGuarded(this, [&] { taken = rectangleMarker_->Follow(*mouse); });
            if (!taken && groupStepping_)
                RunGuarded(this, [&] { taken = groupDragger_->Follow(*mouse); });
            if (!taken && type != QEvent::MouseMove)
                RunGuarded(this, [&] { areaPicker_->FollowClick(*mouse); });
        }
        return taken;
    }
    if (watched != windowHandle())
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        // Seen by the window before any of its widgets, so the shape, its cover, its handles
        // and a drag under way all show the position alike.
        const auto *mouse = static_cast<QMouseEvent *>(event);
        lastMousePos_ = mouse->position();
        FollowMouse(lastMousePos_);
        dragAutoScroll_->Follow(*mouse);
        return false;
    }
    case QEvent::MouseButtonRelease:
        dragAutoScroll_->Stop();
        emit BroughtToFront();
        return false;
    case QEvent::Leave:
        statusBar_->ShowHoveredLine(-1);
        return false;
    case QEvent::KeyPress: {
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && traceMode_->Active()) {
            traceMode_->Stop();
            return true;
        }
        // Seen before the focused widget, so that the scroll area does not take the arrows.
        bool nudged = false;
        RunGuarded(this, [&] { nudged = shapeNudger_->TakeKey(*static_cast<QKeyEvent *>(event)); });
        if (!nudged && groupStepping_)
            nudged = shapeNudger_->TakeGroupKey(*static_cast<QKeyEvent *>(event));
        return nudged;
    }
    case QEvent::Wheel:
        return zoomControls_->TakeWheel(*static_cast<QWheelEvent *>(event));
    default:
        return false;
    }
}

void ViewWindow::closeEvent(QCloseEvent *event)
{
    // Closing the view closes the map: the window stays until the map is closed, which hides it,
    // and stays on when the user cancels.
    event->ignore();
    emit CloseRequested();
}

void ViewWindow::showEvent(QShowEvent *event)
{
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        if (QWindow *handle = windowHandle())
            handle->installEventFilter(this);
    }
    QWidget::showEvent(event);
}
