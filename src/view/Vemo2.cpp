#include "view/Vemo2.h"

#include <QCloseEvent>
#include <QLabel>
#include <QScreen>

#include <algorithm>

#include "app/MessageDialogs.h"
#include "dialogs/CircSet.h"
#include "dialogs/RectSet.h"
#include "map/EditorState.h"
#include "map/Vemo1.h"
#include "view/ResizeFrame.h"
#include "widgets/PictureBox.h"
#include "widgets/WidgetGeometry.h"

namespace {

constexpr int kStatusBarHeight = 19;
constexpr int kPositionPanelWidth = 100;
constexpr QRect kShapeDesignBounds(24, 16, 65, 65);

QLabel *NewPanel(QWidget *bar, QFrame::Shadow bevel, const char *designText)
{
    auto *panel = new QLabel(QString::fromUtf8(designText), bar);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(bevel);
    panel->setAlignment(Qt::AlignCenter);
    return panel;
}

} // namespace

TViewFrm::TViewFrm(EditorState &state, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint
                          | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      state_(state)
{
    Image1 = new PictureBox(this);
    Shape1 = new Shape(Image1);
    Shape1->setGeometry(kShapeDesignBounds);
    Shape1->hide();

    // The bar is laid out by hand: a layout would widen the window past a picture narrower
    // than the panels.
    statusBar_ = new QWidget(this);
    QFont statusFont(QStringLiteral("Times New Roman"));
    statusFont.setStyleHint(QFont::Serif);
    statusFont.setPixelSize(12);
    statusFont.setBold(true);
    statusBar_->setFont(statusFont);
    panels_[0] = NewPanel(statusBar_, QFrame::Raised, "(640,480)");
    panels_[1] = NewPanel(statusBar_, QFrame::Sunken, "GIF 640x400");

    ResizeFrame1 = new TResizeFrame(this, false);
    // The shape is used for the whole run: the frame's Delete key must never destroy it.
    ResizeFrame1->SetDeleteProtected(Shape1, true);
    auto changeShape = [this] { RunGuarded(this, [this] { ChangeShape(); }); };
    connect(ResizeFrame1, &TResizeFrame::OnMouseUp, this, changeShape);
    connect(ResizeFrame1, &TResizeFrame::OnHandleMouseUp, this, changeShape);
    connect(Image1, &PictureBox::MouseMoved, this, &TViewFrm::Image1MouseMove);
    connect(Shape1, &Shape::MouseMoved, this, &TViewFrm::Shape1MouseMove);

    FitToPicture();
}

void TViewFrm::SetStatusPanel(int panel, const QString &text)
{
    panels_[panel]->setText(text);
}

QString TViewFrm::StatusPanel(int panel) const
{
    return panels_[panel]->text();
}

void TViewFrm::FitToPicture()
{
    const int width = Image1->PictureWidth();
    const int height = Image1->PictureHeight();
    Image1->move(0, 0);
    statusBar_->setGeometry(0, height, width, kStatusBarHeight);
    panels_[0]->setGeometry(0, 0, kPositionPanelWidth, kStatusBarHeight);
    // The last panel reaches to the right end of the bar.
    panels_[1]->setGeometry(kPositionPanelWidth, 0, std::max(0, width - kPositionPanelWidth), kStatusBarHeight);
    setFixedSize(width, height + kStatusBarHeight);
}

vemo::Box TViewFrm::ShapeBox() const
{
    const QRect bounds = Shape1->geometry();
    return {bounds.left(), bounds.top(), bounds.width(), bounds.height()};
}

void TViewFrm::SetShapeBox(const vemo::Box &box)
{
    Shape1->setGeometry(BoundedGeometry(box.left, box.top, box.width, box.height));
    ResizeFrame1->SetControlBounds(Shape1, box.left, box.top, box.width, box.height);
}

void TViewFrm::EditShape(Shape::Kind kind, const vemo::Box &box, TcrStyle cornerResize)
{
    // A shape still held from an earlier edit would otherwise get a second cover.
    ResizeFrame1->DetachAll();
    Shape1->SetShapeKind(kind);
    SetShapeBox(box);
    Shape1->show();
    ResizeFrame1->SetCornerResize(cornerResize);
    ResizeFrame1->AttachControl(Shape1);
}

void TViewFrm::ClearShape()
{
    ResizeFrame1->DetachAll();
    Shape1->hide();
}

void TViewFrm::SetShapeColor(const QColor &color)
{
    Shape1->SetPenColor(color);
    ResizeFrame1->SetHandleColor(color);
}

void TViewFrm::ShowPosition(int x, int y)
{
    SetStatusPanel(0, QStringLiteral("( %1 , %2 )").arg(x).arg(y));
}

void TViewFrm::Image1MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    ShowPosition(x, y);
}

void TViewFrm::Shape1MouseMove(Qt::KeyboardModifiers, int x, int y)
{
    ShowPosition(x + Shape1->x(), y + Shape1->y());
}

void TViewFrm::ChangeShape()
{
    if (Shape1->ShapeKind() == Shape::Kind::Rectangle) {
        state_.RectFrm->ShowCorners(vemo::CornersFromBox(ShapeBox()));
        return;
    }
    const vemo::Box square = vemo::SquaredBox(ShapeBox());
    if (square != ShapeBox())
        SetShapeBox(square);
    state_.CircFrm->ShowCircle(vemo::CircleFromSquare(ShapeBox()));
}

void TViewFrm::closeEvent(QCloseEvent *event)
{
    // Closing the view closes the map; the window only hides when the user did not cancel.
    bool closed = false;
    RunGuarded(this, [&] { closed = state_.MainFrm && state_.MainFrm->CloseMap(); });
    if (closed)
        event->accept();
    else
        event->ignore();
}

void TViewFrm::showEvent(QShowEvent *event)
{
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        if (const QScreen *display = screen()) {
            const QRect area = display->geometry();
            const QPoint centred = area.center() - QPoint(width() / 2, height() / 2);
            move(std::max(centred.x(), area.left()), std::max(centred.y(), area.top()));
        }
    }
    QWidget::showEvent(event);
}
