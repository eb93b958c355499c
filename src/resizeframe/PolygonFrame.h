#pragma once
// The polygon region over the picture: shown hatched, placed point by point with the mouse, or
// edited with a handle on every vertex.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <cstddef>
#include <optional>
#include <vector>

#include "core/AreaGeometry.h"
#include "resizeframe/PolygonDisplay.h"

class PictureBox;

// PolygonFrame is a transparent child of the picture control that always covers all of it and
// paints only the polygon. Its points are picture pixels whatever the zoom: where they fall on the
// display is worked out when painting, and mouse positions are taken back to picture pixels.
//
// Hidden: nothing is drawn.
// Shown: the outline with a back-diagonal hatch, the picture showing through its gaps; every
//   mouse event goes through to the picture beneath, where clicks select areas.
// Drawing: each left click adds the picture pixel under the mouse as a vertex; the vertices so far
//   are drawn with their handles and edges, and a line follows the mouse from the last one. A
//   double click, Enter or a click on the first vertex's handle closes the polygon once it has
//   three different points (PolygonDrawn, then Editing); Esc gives it up (DrawingAbandoned, then
//   Hidden).
// Editing: the hatched polygon with a handle on each vertex. Dragging a handle moves its vertex,
//   dragging the polygon elsewhere moves all of it, always within the picture. A press on a handle
//   selects its vertex, which Delete or Backspace removes while more than three are left; a double
//   click on an edge puts a vertex there, and one inside is reported. Each finished change is
//   reported by PolygonChanged. A press away from the polygon is left to the picture beneath.
// While Drawing or Editing the frame holds the keyboard focus, for Enter, Esc and Delete.
class PolygonFrame : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Hidden, Shown, Drawing, Editing };

    // Lives on picture, over all of it; picture must not be null.
    explicit PolygonFrame(PictureBox *picture);

    void Show(std::vector<vemo::Point> points);
    // Starts a new polygon with no points.
    void StartDrawing();
    void Edit(std::vector<vemo::Point> points);
    // Hides the polygon and drops its points.
    void Clear();
    // Moves the polygon to points in whichever mode it is, without reporting a change; a drag
    // under way is dropped.
    void SetPoints(std::vector<vemo::Point> points);

    Mode CurrentMode() const { return mode_; }
    const std::vector<vemo::Point> &Points() const { return points_; }
    // The vertex whose handle was pressed last while Editing, if any.
    std::optional<std::size_t> SelectedVertex() const { return selected_; }

    // Display pixels per picture pixel: the zoom the picture beneath is shown at.
    double Zoom() const;
    // The colour of the outline, the hatch and the handles.
    void SetColor(const QColor &color);
    QColor Color() const { return color_; }

signals:
    // The user closed the polygon being drawn; it is now being edited.
    void PolygonDrawn(std::vector<vemo::Point> points);
    // The user gave up the polygon being drawn with Esc; the frame is hidden.
    void DrawingAbandoned();
    // The user finished moving a vertex or the polygon, or put in or took out a vertex.
    void PolygonChanged(std::vector<vemo::Point> points);
    // The user double-clicked inside the polygon being edited, away from its edges and handles.
    void InsideDoubleClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    void EnterMode(Mode mode);
    void Replace(std::vector<vemo::Point> points);
    vemo::Point PixelAt(QPoint display) const;
    // The pixel under display, kept on the picture.
    vemo::Point PixelOnPicture(QPoint display) const;
    PolygonDisplay Display() const;
    // The display area the polygon, its handles and the line to the mouse take up now.
    QRect PaintedArea() const;
    void AddVertex(QPoint display);
    void CloseDrawing();
    void DragTo(QPoint display);
    void FinishDrag();
    void InsertVertex(QPoint display, std::size_t edge);
    void DeleteSelected();
    bool TakesKey(const QKeyEvent &key) const;

    PictureBox *picture_;
    Mode mode_ = Mode::Hidden;
    std::vector<vemo::Point> points_;
    std::optional<std::size_t> selected_;
    QColor color_ = Qt::black;
    std::optional<QPoint> mouse_; // while Drawing, where the line from the last vertex ends
    bool pressTaken_ = false;     // the frame took the press whose release is still to come

    // A left-button drag under way: the vertex it moves, or none for the whole polygon.
    bool dragging_ = false;
    std::optional<std::size_t> dragVertex_;
    vemo::Point dragFrom_;
    std::vector<vemo::Point> pointsBeforeDrag_;
};
