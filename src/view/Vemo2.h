#pragma once
// The view window: the current picture at its natural size, the hatched shape that marks the
// region being made, edited or shown, and a two-panel status bar below the picture.
#include <QWidget>

#include "core/AreaGeometry.h"
#include "view/OutlineGeometry.h"
#include "widgets/Shape.h"

class PictureBox;
class QLabel;
class TResizeFrame;
struct EditorState;

class TViewFrm : public QWidget {
    Q_OBJECT
public:
    explicit TViewFrm(EditorState &state, QWidget *parent = nullptr);

    PictureBox *Image1 = nullptr;
    Shape *Shape1 = nullptr;
    TResizeFrame *ResizeFrame1 = nullptr;

    // Sets the text of status bar panel 0 (mouse position) or 1 (picture kind and size).
    void SetStatusPanel(int panel, const QString &text);
    QString StatusPanel(int panel) const;

    // Gives the window a fixed size whose client area is exactly the picture above the status bar.
    void FitToPicture();

    // The shape's bounds in picture pixels.
    vemo::Box ShapeBox() const;
    // Moves and sizes the shape, and its cover and handles while the frame holds it.
    void SetShapeBox(const vemo::Box &box);
    // Shows the shape at box and hands it to the frame, for the user to move and resize it.
    void EditShape(Shape::Kind kind, const vemo::Box &box, TcrStyle cornerResize);
    // Takes the shape back from the frame and hides it.
    void ClearShape();

    // The outline colour of the shape and the colour of the frame's handles, which go together.
    void SetShapeColor(const QColor &color);

    void Image1MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void Shape1MouseMove(Qt::KeyboardModifiers shift, int x, int y);
    // Writes the released shape into the area dialog of its kind; a circle is squared first.
    void ChangeShape();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void ShowPosition(int x, int y);

    EditorState &state_;
    QWidget *statusBar_ = nullptr;
    QLabel *panels_[2] = {nullptr, nullptr};
    bool placed_ = false; // centred once; later shows keep the window where the user left it
};
