#pragma once
// The rectangle dialog: the corners of one rectangular region, its link and its ALT text.
#include "core/AreaGeometry.h"
#include "editor/AreaDialog.h"

class TCircFrm;

class TRectFrm : public TAreaDialog {
    Q_OBJECT
public:
    TRectFrm(TViewFrm &view, MapDocument &document, QWidget &standIn, bool japanese);

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
    void ShowShape(const vemo::Box &box) override;
    Shape::Kind Kind() const override { return Shape::Kind::Rectangle; }

private:
    // The circle dialog, which makes itself known when it is made.
    friend class TCircFrm;
    TCircFrm *circle_ = nullptr;
};
