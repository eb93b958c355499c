#pragma once
// The rectangle dialog: the corners of one rectangular region, its link and its ALT text.
#include "core/AreaGeometry.h"
#include "editor/AreaDialog.h"

#include <string>
#include <vector>

class RectangleDialog : public AreaDialog {
    Q_OBJECT
public:
    RectangleDialog(EditedArea &area, ViewWindow &view, MapDocument &document, QWidget &standIn);

    // Writes the corners into the coordinate fields as decimal numbers.
    void ShowCorners(const vemo::RectCorners &corners);
    // Writes texts read from a line into the fields as they stand, for the user to mend what
    // does not read; a missing one leaves its field empty.
    void ShowTexts(const std::vector<std::string> &texts);
    void ShowRegion() override;

protected:
    std::string AreaLine() const override;
    bool ReadyToSet() override;
    void TakeTypedRegion() override;

private:
    QLineEdit *x0Field = nullptr;
    QLineEdit *y0Field = nullptr;
    QLineEdit *x1Field = nullptr;
    QLineEdit *y1Field = nullptr;
};
