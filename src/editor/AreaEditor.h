#pragma once
// The making and editing of one area at a time: the view's shape, the area dialogs, and the AREA
// line a Set puts into the map. A dialog takes the place of the window it
// stands in for while the user places the region.
#include <QObject>
#include <QPersistentModelIndex>

#include <memory>
#include <string>
#include <vector>

#include "core/AreaGeometry.h"
#include "resizeframe/OutlineGeometry.h"
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
    AreaEditor(MapDocument &document, ViewWindow &view, MapListBox &list, QWidget &standIn, bool japanese);
    ~AreaEditor() override;

    // Puts a new rectangle or circle on the view, with its dialog.
    void NewRectangle();
    void NewCircle();
    // Lets the user draw a new polygon on the view; its dialog opens when it is closed.
    void NewPolygon();
    // Opens the map's default area, or a new one, in its dialog. A map has at most one.
    void NewOrOpenDefaultArea();
    // Opens the selected AREA line in the dialog of its kind, its region on the view.
    void EditSelectedLine();
    // Shows the selected line's region on the view, or no shape for a line that is no area.
    void ShowSelectedArea();

    // The area dialog that is open, or none.
    AreaDialog *OpenDialog() const;
    // Closes the dialogs and takes the shape away, setting nothing.
    void Abandon();

    // A Set rewrites the selected line instead of adding one.
    bool EditMode() const { return editMode_; }

    RectangleDialog &Rectangle() { return *rectangle_; }
    CircleDialog &Circle() { return *circle_; }
    DefaultAreaDialog &DefaultArea() { return *defaultArea_; }
    PolygonDialog &Polygon() { return *polygon_; }

private:
    void StartNewArea(Shape::Kind kind, const vemo::Box &box, CornerResizeStyle cornerResize, AreaDialog &dialog);
    void OpenAreaDialog(AreaDialog &dialog);
    std::vector<AreaDialog *> Dialogs() const;
    // Puts a dialog's AREA line into the map: in place of the selected line when an edit is
    // under way, else as a new line before the map end line. Selects it.
    void PutAreaLine(const std::string &line);
    void Cancel();
    void OpenDrawnPolygon(const std::vector<vemo::Point> &points);
    // An edit whose line an undo or redo took away or rewrote has nothing left to set.
    void CancelEditOfChangedLine();

    MapDocument &document_;
    ViewWindow &view_;
    MapListBox &list_;
    QWidget &standIn_;
    std::unique_ptr<RectangleDialog> rectangle_;
    std::unique_ptr<CircleDialog> circle_;
    std::unique_ptr<DefaultAreaDialog> defaultArea_;
    std::unique_ptr<PolygonDialog> polygon_;
    bool editMode_ = false;
    // The line being edited, followed through insertions and removals above it, and its bytes
    // when the edit began.
    QPersistentModelIndex editedLine_;
    std::string editedText_;
};
