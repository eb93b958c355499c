#pragma once
// The making and editing of one area at a time. The area under edit is one EditedArea; its dialog
// and the view's shape show it and change it through it, and a Set writes it into the line it was
// opened from, or as a new line. While no area is under edit, the selected line's region is shown
// on the view, where it can be moved and resized at once, each change one step to undo.
#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/AreaGeometry.h"
#include "editor/EditedArea.h"
#include "widgets/Shape.h"

class MapDocument;
class AreaDialog;
class CircleDialog;
class DefaultAreaDialog;
class PolygonDialog;
class MapListBox;
class RectangleDialog;
class ViewWindow;

class AreaEditor : public QObject {
    Q_OBJECT
public:
    AreaEditor(MapDocument &document, ViewWindow &view, MapListBox &list, QWidget &standIn);
    ~AreaEditor() override;

    // Puts a new rectangle or circle on the view, with its dialog, where the dialog leaves it in
    // sight.
    void NewRectangle();
    void NewCircle();
    // Lets the user draw a new polygon on the view; its dialog opens when it is closed.
    void NewPolygon();
    // Create > Trace Area: a click on the picture traces the region around it into a new area, in
    // the dialog of its kind; while that dialog is open, a change of the tolerance traces the
    // click again in its place.
    void StartTracing();
    // Opens the map's default area, or a new one, in its dialog. A map has at most one.
    void NewOrOpenDefaultArea();
    // Opens the selected AREA line in the dialog of its kind, its region on the view. Coordinates
    // that do not read are shown as they stand, for the user to mend them.
    void EditSelectedLine();
    // Shows the selected line's region on the view, ready to be moved or resized; no shape for a
    // line that is no area or whose coordinates do not read. Ends a polygon drawing under way.
    void ShowSelectedArea();

    // Selects line, as a click on its area or a chosen finding asks; or, while an area is under
    // edit, leaves everything as it is and says why. False when refused.
    bool SelectLine(int line);
    // Selects line and opens it, as a double click on its area asks; refused as SelectLine is.
    bool OpenLine(int line);
    // Whether an area is under edit, which refuses a command on the selection; says why.
    bool Refused();

    // The area dialog that is open, or none.
    AreaDialog *OpenDialog() const;
    // Closes the dialogs, ends a drawing and takes the shape away, setting nothing.
    void Abandon();

    // The area under edit, while a dialog is open.
    const EditedArea &Edited() const { return edited_; }
    // A polygon is being drawn, corner by corner.
    bool Drawing() const { return drawing_; }

    RectangleDialog &Rectangle() { return *rectangle_; }
    CircleDialog &Circle() { return *circle_; }
    DefaultAreaDialog &DefaultArea() { return *defaultArea_; }
    PolygonDialog &Polygon() { return *polygon_; }

signals:
    // A short text for the status bars: why a click was refused, or that a drawing was ended.
    void Hint(const QString &text);

private:
    void StartNewArea(EditedArea::Kind kind, const vemo::Box &box);
    // Where a new area of width x height picture pixels starts: the top-left corner of the part of
    // the picture in sight, or the nearest place in sight that the dialog leaves clear.
    vemo::Point NewAreaCorner(int width, int height) const;
    void OpenAreaDialog(AreaDialog &dialog);
    AreaDialog &DialogFor(EditedArea::Kind kind) const;
    std::vector<AreaDialog *> Dialogs() const;
    // Puts a dialog's AREA line into the map: in place of the line the edit was opened from, or
    // as a new line. Selects it.
    void PutAreaLine(const std::string &line);
    void EndEdit();
    // The region under edit as the other kind of area, in the other dialog: a rectangle becomes
    // the largest circle at its top-left corner, a circle its bounding square.
    void SwitchToCircle();
    void SwitchToRectangle();
    void SwitchKind(AreaDialog &from, AreaDialog &to);
    void OpenDrawnPolygon(const std::vector<vemo::Point> &points);
    void OpenTracedArea(vemo::Point clicked);
    // The area under edit from a trace, traced again at the tolerance now set.
    void TraceAgain();
    // Ends a polygon drawing under way, saying so.
    void EndDrawing();
    // The view's shape and the open dialog follow the area under edit.
    void FollowEditedArea(EditedArea::Source source);
    // A drag on the view ended: the area under edit follows it, or else the selected line.
    void FollowShape(const vemo::Box &box);
    void FollowPolygon(const std::vector<vemo::Point> &points);
    // Puts line in place of the selected line, as one step to undo, when it differs.
    void RewriteSelectedLine(const std::string &line);
    // After any change of the map: an edit whose line an undo or redo took away or rewrote is
    // cancelled; the selected line's shape shows the line as it is now.
    void FollowDocument();
    void AllowRectangleDrawing();

    MapDocument &document_;
    ViewWindow &view_;
    MapListBox &list_;
    QWidget &standIn_;
    EditedArea edited_;
    std::unique_ptr<RectangleDialog> rectangle_;
    std::unique_ptr<CircleDialog> circle_;
    std::unique_ptr<DefaultAreaDialog> defaultArea_;
    std::unique_ptr<PolygonDialog> polygon_;
    bool drawing_ = false;
    std::optional<vemo::Point> tracedClick_; // the click the area under edit was traced from
};
