#pragma once
// The view window: the current picture at a zoom, in a scroll area when it is larger than the
// screen allows; a faint outline of every area of the map; the hatched shape that marks the
// region being made, edited or shown; and a status bar below the picture with the mouse position,
// the picture's kind and size, and the zoom.
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/AreaGeometry.h"
#include "core/AreaSet.h"
#include "core/MapLines.h"
#include "editor/WindowRoom.h"
#include "imagelib/TracedArea.h"
#include "resizeframe/OutlineGeometry.h"
#include "widgets/Shape.h"

class AreaPicker;
class DragAutoScroll;
class GroupDragger;
class PictureBox;
class PolygonFrame;
class QScrollArea;
class RectangleMarker;
class ResizeFrame;
class ShapeNudger;
class ShapePlacement;
class TraceMode;
class ViewStatusBar;
class ZoomControls;

class ViewWindow : public QWidget {
    Q_OBJECT
public:
    explicit ViewWindow(QWidget *parent = nullptr);
    ~ViewWindow() override;

    // Sets the text of status bar panel 0 (mouse position), 1 (picture kind and size) or 2 (zoom).
    // While the mouse is over an area, panel 1 shows the area's link and ALT instead; the text
    // last set here comes back when the mouse leaves the areas.
    void SetStatusPanel(int panel, const QString &text);
    QString StatusPanel(int panel) const;

    // Shows a new picture at 100 %, scrolled to its top-left corner.
    void ShowPicture(QPixmap image);

    // Gives the window a fixed size: the zoomed picture above the status bar, or, when that is
    // larger than the room the screen leaves (see KeepClearOf), as much of it as fits, with
    // scroll bars.
    void FitToPicture();

    // The outer rectangle of another window (the main window) on the screen that the view keeps
    // clear of: it takes only the room beside, below, left of or above it, and goes there when
    // first shown. Where that room is too small, the view keeps only the window's top-left
    // corner in sight, so one click reaches it. An empty rectangle keeps nothing clear. client
    // is that window's client area: while the two are the same, the window manager has not
    // framed it yet, and the frame the view assumes for itself is counted around it.
    void KeepClearOf(const QRect &frame, const QRect &client);

    // The zoom the picture is shown at (1.0 is 100 %). Changing it keeps the picture point at
    // anchor (in the scroll area's visible part) where it is; without one, the visible centre.
    double Zoom() const;
    void SetZoom(double zoom);
    void SetZoom(double zoom, QPoint anchor);
    void ZoomIn();
    void ZoomOut();
    void ZoomToNatural();
    // The zoom at which the whole picture fits the screen.
    void ZoomToFit();

    // The part of the picture that is scrolled into sight, in picture pixels.
    vemo::Box VisiblePart() const;
    // The picture pixels that a rectangle on the screen covers, whether in sight or not.
    vemo::Box PicturePixelsUnder(const QRect &onScreen) const;
    // The picture's own size in pixels, whatever the zoom.
    QSize PictureSize() const;

    // The shape's bounds in picture pixels, whatever the zoom. After a drag, only the edges the
    // drag moved are read back from the display.
    vemo::Box ShapeBox() const;
    // Moves and sizes the shape, and its cover and handles while the frame holds it, and
    // scrolls it into sight.
    void SetShapeBox(const vemo::Box &box);
    // Makes the shape a rectangle or a circle, where it stands.
    void SetShapeKind(Shape::Kind kind);
    // Shows the shape at box and hands it to the frame, for the user to move and resize it.
    void EditShape(Shape::Kind kind, const vemo::Box &box, CornerResizeStyle cornerResize);
    // Whether the frame holds the shape at box as a shape of kind, or the polygon with these
    // vertices is being edited: showing it again would change nothing.
    bool HoldsShape(Shape::Kind kind, const vemo::Box &box) const;
    bool EditsPolygon(const std::vector<vemo::Point> &points) const;
    // Takes the shape back from the frame, and the polygon's handles away, leaving both shown.
    void LetGoShape();
    // Takes the shape back from the frame and hides it, and the polygon with it.
    void ClearShape();

    // Lets the user draw a new polygon, vertex by vertex, on the picture; reported by
    // PolygonDrawn or PolygonDrawingAbandoned.
    void DrawPolygon();
    // Shows a polygon with a handle on every vertex, for the user to change it.
    void EditPolygon(const std::vector<vemo::Point> &points);
    // Shows a polygon without handles; clicks go to the areas beneath.
    void ShowPolygon(const std::vector<vemo::Point> &points);
    // Moves the polygon to typed points, reporting nothing.
    void SetPolygonPoints(const std::vector<vemo::Point> &points);

    // Outlines the regions of the map's areas (its RECT, CIRCLE and POLY lines whose coordinates
    // read), held as given; clicks on them are reported with the line's index, and the mouse over
    // one shows what SetAreaText gives for its line.
    void ShowMapAreas(std::shared_ptr<const vemo::AreaSet> areas);
    // Marks the areas of these lines as selected together (none for fewer than two, where the
    // shape shows the one selected).
    void MarkSelectedAreas(std::vector<int> lines);
    // While on, an arrow key that the shape does not take (none is held) is reported by
    // GroupStepped: one picture pixel, ten with Shift.
    void SetGroupStepping(bool on);
    // Shows a grid of size picture pixels over the picture (none for 0), which shapes dragged or
    // drawn with the mouse snap to; typed values and arrow keys are never snapped.
    void SetGrid(int size);
    // What panel 1 shows while the mouse is over the area of a line: asked of the map's owner when
    // the mouse comes to the area, so the view keeps no text of the map's own.
    void SetAreaText(std::function<QString(int line)> areaText);

    // The outline colour of the shape, of the map's areas and of the frame's handles, which go
    // together.
    void SetShapeColor(const QColor &color);
    QColor ShapeColor() const;

    // Takes the shape's box from where a drag left it, squares a circle, and reports the box.
    void TakeShapeFromDrag();

    // Whether a press and drag on the bare picture draws a new rectangle: only while no area is
    // being made or edited.
    void SetRectangleDrawing(bool allowed);
    // Create > Trace Area: while on, a click on the picture is reported by TraceClicked, and the
    // status bar shows the tolerance field. Esc, a polygon drawing or another picture ends it.
    void StartTracing();
    void StopTracing();
    // The area traced around a picture pixel at the tolerance and outline distance set.
    TracedArea TraceAt(vemo::Point pixel);
    int TraceTolerance() const;
    double TraceDistance() const;
    void SetTraceSettings(int tolerance, double distance);

    // Shows a short hint over the left of the status bar for a few seconds.
    void ShowHint(const QString &text);
    QString Hint() const;

signals:
    // The shape was let go at box (picture pixels), or its box was taken up for its dialog.
    void ShapeChanged(Shape::Kind kind, const vemo::Box &box);
    // The user asked to close the window; it hides when whoever closes the map agrees.
    void CloseRequested();
    // A click or double click on the picture, away from the shape being edited, fell in the
    // region of line: of all the areas holding the point, the first in the map, as a browser
    // takes it.
    void AreaClicked(int line);
    void AreaDoubleClicked(int line);
    // Such a click with Ctrl or Shift held.
    void AreaClickedAdding(int line);
    // An arrow key or a drag while group stepping is on: the selected areas are to move by (dx, dy).
    void GroupStepped(int dx, int dy);
    // The shape held by the frame was double-clicked.
    void ShapeDoubleClicked();
    // The window was clicked, which brings it to the front.
    void BroughtToFront();
    // A press and drag on the bare picture marked out this box (picture pixels) for a new rectangle.
    void RectangleDragged(const vemo::Box &box);
    // A new polygon was closed with these vertices, and is now being edited; or it was given up.
    void PolygonDrawn(const std::vector<vemo::Point> &points);
    void PolygonDrawingAbandoned();
    // The user moved, added or removed vertices of the polygon being edited.
    void PolygonChanged(const std::vector<vemo::Point> &points);
    // While tracing: a click on this picture pixel; the user changed the tolerance; the mode ended.
    void TraceClicked(vemo::Point pixel);
    void TraceToleranceChanged();
    void TracingEnded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PictureBox *picture = nullptr;
    Shape *shape = nullptr;
    ResizeFrame *resizeFrame = nullptr;
    PolygonFrame *polygon = nullptr; // the hatched polygon, its vertex handles, and its drawing

    void ScrollIntoView(const QRect &displayed);
    void ScrollPolygonIntoView(const std::vector<vemo::Point> &points);
    // The largest size the scroll area may take for a picture area of pictureArea (by default
    // any), on this window's screen and clear of the window kept in sight.
    QSize RoomForPicture(QSize pictureArea = QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX)) const;
    // A drawn polygon's corners on the grid, shown where they now stand.
    std::vector<vemo::Point> SnappedCorners(std::vector<vemo::Point> points);
    // Follows the mouse over the window: the position panel and the area under the mouse.
    void FollowMouse(const QPointF &windowPos);

    QScrollArea *scrollArea_ = nullptr;
    ViewStatusBar *statusBar_ = nullptr;
    AreaPicker *areaPicker_ = nullptr;
    RectangleMarker *rectangleMarker_ = nullptr;
    GroupDragger *groupDragger_ = nullptr;
    TraceMode *traceMode_ = nullptr;
    std::unique_ptr<ShapePlacement> shapePlacement_;
    ShapeNudger *shapeNudger_ = nullptr;
    DragAutoScroll *dragAutoScroll_ = nullptr;
    ZoomControls *zoomControls_ = nullptr;
    WindowRoom room_;
    bool groupStepping_ = false;
    bool placed_ = false; // placed once; later shows keep the window where the user left it

    QPointF lastMousePos_; // in window coordinates
};
