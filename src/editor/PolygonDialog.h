#pragma once
// The polygon dialog: the vertices of one polygonal region as an editable text of comma-separated
// numbers ("x1,y1,x2,y2,..."), its link and its ALT text.
#include <vector>

#include "core/AreaGeometry.h"
#include "editor/AreaDialog.h"

class PolygonDialog : public AreaDialog {
    Q_OBJECT
public:
    PolygonDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn);

    // Writes the vertices into the points field.
    void ShowPoints(const std::vector<vemo::Point> &points);
    // Writes a coordinates text read from a line into the points field as it stands.
    void ShowText(const std::string &coords);
    void ShowRegion() override;

protected:
    std::string AreaLine() const override;
    // The points must read as numbers, in pairs, at least three of them.
    bool ReadyToSet() override;
    void TakeTypedRegion() override;

private:
    QLineEdit *pointsField = nullptr;
};
