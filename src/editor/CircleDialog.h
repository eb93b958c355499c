#pragma once
// The circle dialog: the centre and radius of one circular region, its link and its ALT text.
#include "core/AreaGeometry.h"
#include "editor/AreaDialog.h"

#include <string>
#include <vector>

class CircleDialog : public AreaDialog {
    Q_OBJECT
public:
    CircleDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn);

    // Writes the centre and radius into the coordinate fields as decimal numbers.
    void ShowCircle(const vemo::CircleArea &circle);
    // Writes texts read from a line into the fields as they stand; a missing one leaves its field
    // empty.
    void ShowTexts(const std::vector<std::string> &texts);
    void ShowRegion() override;

protected:
    std::string AreaLine() const override;
    bool ReadyToSet() override;
    void TakeTypedRegion() override;

private:
    QLineEdit *xField = nullptr;
    QLineEdit *yField = nullptr;
    QLineEdit *radiusField = nullptr;
};
