#pragma once
// The rectangle dialog: the corners of one rectangular region, its link and its ALT text.
#include "core/AreaGeometry.h"
#include "dialogs/AreaDialog.h"

class TRectFrm : public TAreaDialog {
    Q_OBJECT
public:
    explicit TRectFrm(EditorState &state);

    QLineEdit *X0 = nullptr;
    QLineEdit *Y0 = nullptr;
    QLineEdit *X1 = nullptr;
    QLineEdit *Y1 = nullptr;

    // Writes the corners into the coordinate fields as decimal numbers.
    void ShowCorners(const vemo::RectCorners &corners);

    // Circle: turns the rectangle into the largest circle at its top-left corner and hands
    // over to the circle dialog.
    void BitBtn3Click() override;

protected:
    std::string AreaLine() const override;
    void MoveShape() override;
};
