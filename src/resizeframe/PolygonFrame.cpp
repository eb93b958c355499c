#include "resizeframe/PolygonFrame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <utility>

#include "core/PolygonEditing.h"
#include "core/PolygonGeometry.h"
#include "core/ZoomMapping.h"
#include "widgets/PictureBox.h"

using Part = PolygonDisplay::Part;

PolygonFrame::PolygonFrame(PictureBox *picture) : QWidget(picture), picture_(picture)
{
    // The frame follows the picture control's size, so it covers every zoomed picture pixel.
    setGeometry(picture->rect());
    picture->installEventFilter(this);
    // Moves without a button held draw the line to the next vertex and set the cursor.
    setMouseTracking(true);
    EnterMode(Mode::Hidden);
}

void PolygonFrame::Show(std::vector<vemo::Point> points)
{
    points_ = std::move(points);
    selected_.reset();
    EnterMode(Mode::Shown);
}

void PolygonFrame::StartDrawing()
{
    points_.clear();
    selected_.reset();
    EnterMode(Mode::Drawing);
}

void PolygonFrame::Edit(std::vector<vemo::Point> points)
{
    points_ = std::move(points);
    selected_.reset();
    EnterMode(Mode::Editing);
}

void PolygonFrame::Clear()
{
    points_.clear();
    selected_.reset();
    EnterMode(Mode::Hidden);
}

void PolygonFrame::SetPoints(std::vector<vemo::Point> points)
{
    dragging_ = false;
    if (selected_ && *selected_ >= points.size())
        selected_.reset();
    Replace(std::move(points));
}

double PolygonFrame::Zoom() const
{
    return picture_->Zoom();
}

void PolygonFrame::SetColor(const QColor &color)
{
    color_ = color;
    update();
}

void PolygonFrame::EnterMode(Mode mode)
{
    mode_ = mode;
    dragging_ = false;
    mouse_.reset();
    const bool interactive = mode == Mode::Drawing || mode == Mode::Editing;
    // Only a frame the user works with takes the mouse and the keys; a shown polygon leaves
    // clicks to the picture beneath, where they select areas.
    setAttribute(Qt::WA_TransparentForMouseEvents, !interactive);
    setFocusPolicy(interactive ? Qt::StrongFocus : Qt::NoFocus);
    if (mode == Mode::Drawing)
        setCursor(Qt::CrossCursor);
    else
        unsetCursor();
    setVisible(mode != Mode::Hidden);
    if (interactive) {
        raise();
        setFocus();
    } else if (hasFocus()) {
        clearFocus();
    }
    update();
}

void PolygonFrame::Replace(std::vector<vemo::Point> points)
{
    const QRect before = PaintedArea();
    points_ = std::move(points);
    update(before | PaintedArea());
}

bool PolygonFrame::eventFilter(QObject *watched, QEvent *event)
{
    // A new zoom resizes the picture control, which moves every vertex on the display.
    if (watched == picture_ && event->type() == QEvent::Resize)
        setGeometry(picture_->rect());
    return false;
}

bool PolygonFrame::event(QEvent *event)
{
    // The keys the frame acts on come to it before any shortcut of the window on the same key.
    if (event->type() == QEvent::ShortcutOverride && TakesKey(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

vemo::Point PolygonFrame::PixelAt(QPoint display) const
{
    return {vemo::PicturePixel(display.x(), Zoom()), vemo::PicturePixel(display.y(), Zoom())};
}

vemo::Point PolygonFrame::PixelOnPicture(QPoint display) const
{
    return vemo::MovedVertex(PixelAt(display), 0, 0, picture_->PictureWidth(), picture_->PictureHeight());
}

PolygonDisplay PolygonFrame::Display() const
{
    return {points_, Zoom()};
}

QRect PolygonFrame::PaintedArea() const
{
    return Display().Area(mouse_, rect());
}

void PolygonFrame::mousePressEvent(QMouseEvent *event)
{
    // A drag whose release went elsewhere (a popup took the mouse) ends here.
    if (dragging_)
        FinishDrag();
    const QPoint at = event->position().toPoint();
    pressTaken_ = true;
    if (mode_ == Mode::Drawing) {
        // Every press is taken while drawing: none selects an area beneath.
        if (event->button() == Qt::LeftButton) {
            if (!points_.empty() && Display().Handle(0).contains(at))
                CloseDrawing();
            else
                AddVertex(at);
        }
        return;
    }
    const PolygonDisplay::Hit hit = Display().HitAt(at);
    if (hit.part == Part::Nothing) {
        pressTaken_ = false;
        event->ignore();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (hit.part == Part::Handle && selected_ != hit.index) {
        selected_ = hit.index;
        update(PaintedArea());
    }
    dragging_ = true;
    dragVertex_ = hit.part == Part::Handle ? std::optional<std::size_t>(hit.index) : std::nullopt;
    dragFrom_ = PixelAt(at);
    pointsBeforeDrag_ = points_;
}

void PolygonFrame::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (mode_ == Mode::Drawing) {
        if (mouse_ != at) {
            const QRect before = PaintedArea();
            mouse_ = at;
            update(before | PaintedArea());
        }
        return;
    }
    if (dragging_ && !event->buttons().testFlag(Qt::LeftButton))
        FinishDrag();
    if (dragging_) {
        DragTo(at);
        return;
    }
    switch (Display().HitAt(at).part) {
    case Part::Handle:
        setCursor(Qt::PointingHandCursor);
        break;
    case Part::Edge:
    case Part::Inside:
        setCursor(Qt::SizeAllCursor);
        break;
    case Part::Nothing:
        unsetCursor();
        break;
    }
    // The view follows the mouse over the picture.
    event->ignore();
}

void PolygonFrame::mouseReleaseEvent(QMouseEvent *event)
{
    // A release goes where its press went: the release of a press the picture took goes there too.
    if (!std::exchange(pressTaken_, false))
        event->ignore();
    if (dragging_ && event->button() == Qt::LeftButton) {
        DragTo(event->position().toPoint());
        FinishDrag();
    }
}

void PolygonFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    pressTaken_ = true;
    if (mode_ == Mode::Drawing) {
        // The press before the double click has placed its vertex already: this only closes.
        if (event->button() == Qt::LeftButton)
            CloseDrawing();
        return;
    }
    const QPoint at = event->position().toPoint();
    const PolygonDisplay::Hit hit = Display().HitAt(at);
    if (hit.part == Part::Nothing) {
        pressTaken_ = false;
        event->ignore();
    } else if (hit.part == Part::Edge && event->button() == Qt::LeftButton) {
        InsertVertex(at, hit.index);
    } else if (hit.part == Part::Inside && event->button() == Qt::LeftButton) {
        emit InsideDoubleClicked();
    }
}

void PolygonFrame::keyPressEvent(QKeyEvent *event)
{
    if (!TakesKey(*event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        CloseDrawing();
        break;
    case Qt::Key_Escape:
        Clear();
        emit DrawingAbandoned();
        break;
    default:
        DeleteSelected();
        break;
    }
}

void PolygonFrame::leaveEvent(QEvent *event)
{
    if (mouse_) {
        const QRect before = PaintedArea();
        mouse_.reset();
        update(before);
    }
    QWidget::leaveEvent(event);
}

bool PolygonFrame::TakesKey(const QKeyEvent &key) const
{
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return mode_ == Mode::Drawing;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
        return mode_ == Mode::Editing;
    default:
        return false;
    }
}

void PolygonFrame::AddVertex(QPoint display)
{
    const vemo::Point pixel = PixelOnPicture(display);
    // A second click on the same pixel adds no edge of no length.
    if (!points_.empty() && points_.back() == pixel)
        return;
    std::vector<vemo::Point> points = points_;
    points.push_back(pixel);
    Replace(std::move(points));
}

void PolygonFrame::CloseDrawing()
{
    if (mode_ != Mode::Drawing || vemo::DistinctPointCount(points_) < 3)
        return;
    EnterMode(Mode::Editing);
    emit PolygonDrawn(points_);
}

void PolygonFrame::DragTo(QPoint display)
{
    const vemo::Point now = PixelAt(display);
    const int dx = now.x - dragFrom_.x, dy = now.y - dragFrom_.y;
    const int width = picture_->PictureWidth(), height = picture_->PictureHeight();
    std::vector<vemo::Point> moved = pointsBeforeDrag_;
    if (dragVertex_)
        moved[*dragVertex_] = vemo::MovedVertex(moved[*dragVertex_], dx, dy, width, height);
    else
        moved = vemo::MovedPolygon(moved, dx, dy, width, height);
    if (moved != points_)
        Replace(std::move(moved));
}

void PolygonFrame::FinishDrag()
{
    dragging_ = false;
    if (points_ != pointsBeforeDrag_)
        emit PolygonChanged(points_);
}

void PolygonFrame::InsertVertex(QPoint display, std::size_t edge)
{
    std::vector<vemo::Point> points = vemo::WithVertexOnEdge(points_, edge, PixelOnPicture(display));
    if (points.size() == points_.size())
        return;
    selected_ = edge + 1;
    Replace(std::move(points));
    emit PolygonChanged(points_);
}

void PolygonFrame::DeleteSelected()
{
    // A vertex being dragged stays until the drag ends.
    if (dragging_ || !selected_)
        return;
    std::vector<vemo::Point> points = vemo::WithoutVertex(points_, *selected_);
    if (points.size() == points_.size())
        return;
    selected_.reset();
    Replace(std::move(points));
    emit PolygonChanged(points_);
}

void PolygonFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const PolygonDisplay display = Display();
    if (mode_ == Mode::Drawing)
        display.PaintOpen(painter, color_, mouse_);
    else
        display.PaintHatched(painter, color_);
    if (mode_ == Mode::Drawing || mode_ == Mode::Editing)
        display.PaintHandles(painter, color_, selected_);
}
