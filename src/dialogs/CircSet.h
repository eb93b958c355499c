#pragma once
// The circle dialog: the centre and radius of one circular region, its link and its ALT text.
#include "core/AreaGeometry.h"
#include "dialogs/AreaDialog.h"

class TCircFrm : public TAreaDialog {
    Q_OBJECT
public:
    explicit TCircFrm(EditorState &state);

    QLineEdit *X = nullptr;
    QLineEdit *Y = nullptr;
    QLineEdit *R = nullptr;

    // Writes the centre and radius into the coordinate fields as decimal numbers.
    void ShowCircle(const vemo::CircleArea &circle);

    // Rect: the circle's bounding square becomes the rectangle, handed over to the rectangle dialog.
    void BitBtn3Click() override;

protected:
    std::string AreaLine() const override;
    void MoveShape() override;
};
