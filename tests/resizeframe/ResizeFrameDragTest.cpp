// Moving and resizing with the mouse: outlines, bounds at release, confinement.
#include "FrameTestForm.h"

#include <QCursor>
#include <QMenu>
#include <QSignalSpy>

namespace {

// Counts the moves and resizes a widget goes through.
class GeometryCounter : public QObject {
public:
    explicit GeometryCounter(QWidget *watched) { watched->installEventFilter(this); }
    int changes = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
            ++changes;
        return false;
    }
};

TEST_F(FrameTest, SelectedControlsMoveTogetherOnceAtTheRelease)
{
    AttachFormControls();
    click(at(shapeA, {5, 5}));
    click(at(shapeB, {5, 5}), Qt::ShiftModifier);
    GeometryCounter movesOfA(shapeA);
    GeometryCounter movesOfB(shapeB);
    press(at(shapeB, {5, 5}));
    move(at(shapeB, {15, 12}));
    move(at(shapeB, {35, 32}));
    EXPECT_EQ(movesOfA.changes + movesOfB.changes, 0);
    EXPECT_EQ(frame->Overlay()->ShownOutlines(), (std::vector<EdgeRect>{{50, 47, 100, 97}, {130, 47, 170, 67}}));
    release(at(shapeB, {35, 32}));
    EXPECT_EQ(shapeA->geometry(), QRect(50, 47, 50, 50));
    EXPECT_EQ(shapeB->geometry(), QRect(130, 47, 40, 20));
    EXPECT_EQ(movesOfA.changes, 1);
    EXPECT_EQ(movesOfB.changes, 1);
    EXPECT_FALSE(handlesVisible());
    EXPECT_EQ(frame->SelectedCount(), 2);
}

TEST_F(FrameTest, MouseUpIsReportedWithTheNewBoundsInPlace)
{
    AttachFormControls();
    QRect boundsAtMouseUp;
    bool handlesAtMouseUp = false;
    QObject::connect(frame, &ResizeFrame::MouseReleased, frame,
                     [&](QWidget *sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         boundsAtMouseUp = sender->geometry();
                         handlesAtMouseUp = handlesVisible();
                     });
    drag(at(shapeA, {5, 5}), at(shapeA, {11, 8}));
    EXPECT_EQ(boundsAtMouseUp, QRect(26, 23, 50, 50));
    EXPECT_TRUE(handlesAtMouseUp);
    EXPECT_EQ(handle(4)->pos(), QPoint(26 + 50 - 3, 23 + 50 - 3));
}

TEST_F(FrameTest, AWindowedControlMovesInItsParentWithItsCoverInside)
{
    button->setEnabled(false);
    AttachFormControls();
    drag(at(button, {5, 5}), at(button, {20, 35}));
    EXPECT_EQ(button->geometry(), QRect(215, 50, 80, 30));
    CoverControl *cover = frame->Covers()[2];
    EXPECT_EQ(cover->parentWidget(), button);
    EXPECT_EQ(cover->geometry(), QRect(0, 0, 80, 30));
    EXPECT_EQ(handle(0)->parentWidget(), form.get());
    EXPECT_EQ(handle(0)->pos(), QPoint(213, 48));
}

TEST_F(FrameTest, EachHandleMovesItsOwnEdges)
{
    frame->AttachControl(shapeA);
    const QRect start(20, 20, 50, 50);
    const QRect expected[HandleCount] = {
        QRect(QPoint(26, 24), QPoint(69, 69)), QRect(QPoint(26, 20), QPoint(69, 69)),
        QRect(QPoint(26, 20), QPoint(69, 73)), QRect(QPoint(20, 20), QPoint(69, 73)),
        QRect(QPoint(20, 20), QPoint(75, 73)), QRect(QPoint(20, 20), QPoint(75, 69)),
        QRect(QPoint(20, 24), QPoint(75, 69)), QRect(QPoint(20, 24), QPoint(69, 69)),
    };
    for (int index = 0; index < HandleCount; ++index) {
        frame->SetControlBounds(shapeA, start.x(), start.y(), start.width(), start.height());
        click(at(shapeA, {25, 25}));
        const QPoint from = handleCentre(index);
        drag(from, from + QPoint(6, 4));
        EXPECT_EQ(shapeA->geometry(), expected[index]) << "handle " << index;
    }
}

TEST_F(FrameTest, AnyButtonOnAHandleResizes)
{
    frame->AttachControl(shapeA);
    click(at(shapeA, {5, 5}));
    const QPoint from = handleCentre(5);
    press(from, {}, Qt::RightButton);
    EXPECT_TRUE(frame->HandleDragging());
    move(from + QPoint(10, 0));
    release(from + QPoint(10, 0), {}, Qt::RightButton);
    EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 60, 50));
    EXPECT_TRUE(handlesVisible());
}

TEST_F(FrameTest, TabAndDeleteWaitForTheDragToEnd)
{
    AttachFormControls();
    click(at(shapeA, {5, 5}));
    const QPoint from = handleCentre(4);
    press(from);
    key(Qt::Key_Tab);
    key(Qt::Key_Delete);
    EXPECT_FALSE(handle(4)->isHidden());
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeA});
    move(from + QPoint(10, 10));
    release(from + QPoint(10, 10));
    EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 60, 60));

    // A resize whose control the host lets go ends with it.
    press(handleCentre(4));
    frame->DetachControl(shapeA);
    release(handleCentre(4));
    EXPECT_FALSE(frame->HandleDragging());
    EXPECT_EQ(frame->Overlay(), nullptr);
}

TEST_F(FrameTest, ADragWhoseReleaseGoesElsewhereIsAbandoned)
{
    AttachFormControls();
    const auto expectAbandoned = [this](const char *how) {
        SCOPED_TRACE(how);
        EXPECT_FALSE(frame->DragInProgress());
        EXPECT_EQ(frame->Overlay(), nullptr);
        EXPECT_TRUE(frame->CursorConfinement().isNull());
        EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 50, 50));
        EXPECT_TRUE(handlesVisible());
    };
    click(at(shapeA, {5, 5}));
    QMenu menu;
    menu.addAction("Item");
    press(at(shapeA, {5, 5}));
    move(at(shapeA, {25, 25}));
    menu.popup(form->mapToGlobal(QPoint(300, 200)));
    release(at(shapeA, {25, 25}));
    menu.close();
    expectAbandoned("a popup opens during a move");

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    press(handleCentre(4));
    move(handleCentre(4) + QPoint(10, 10));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    release(handleCentre(4) + QPoint(10, 10));
    expectAbandoned("the window is deactivated during a resize");

    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QObject::connect(frame, &ResizeFrame::MousePressed, &menu, [&] { menu.popup(form->mapToGlobal(QPoint(300, 200))); });
    press(at(shapeA, {5, 5}));
    expectAbandoned("the host opens a popup on the press");
    menu.close();
}

TEST_F(FrameTest, EqualRatioCornersKeepTheRatioEdgesDoNot)
{
    frame->AttachControl(shapeA);
    frame->AttachControl(shapeB);
    frame->SetCornerResize(CornerKeepsRatio);

    click(at(shapeA, {5, 5}));
    dragInOneStep(handleCentre(4), handleCentre(4) + QPoint(10, 0));
    EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 55, 55));

    // 40 x 20, handle 0 eight pixels left: 44 x 22 about the bottom-right corner.
    click(at(shapeB, {5, 5}));
    dragInOneStep(handleCentre(0), handleCentre(0) - QPoint(8, 0));
    EXPECT_EQ(shapeB->geometry(), QRect(96, 18, 44, 22));

    frame->SetControlBounds(shapeA, 20, 20, 50, 50);
    click(at(shapeA, {5, 5}));
    drag(handleCentre(3), handleCentre(3) + QPoint(0, 10));
    EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 50, 60));
}

TEST_F(FrameTest, CrossedEdgesAreNormalisedAtTheRelease)
{
    frame->AttachControl(shapeA);
    click(at(shapeA, {5, 5}));
    const QPoint from = handleCentre(4);
    press(from);
    move(from - QPoint(40, 40));
    move(from - QPoint(60, 55));
    // While dragging, the outline's edges stay crossed.
    EXPECT_EQ(frame->Overlay()->ShownOutlines(), std::vector<EdgeRect>{EdgeRect({20, 20, 10, 15})});
    release(from - QPoint(60, 55));
    EXPECT_EQ(shapeA->geometry(), QRect(10, 15, 10, 5));
    EXPECT_TRUE(handlesVisible());
    EXPECT_EQ(handle(0)->pos(), QPoint(8, 13));
}

TEST_F(FrameTest, AHandleMayLeaveAZeroSize)
{
    frame->AttachControl(shapeA);
    click(at(shapeA, {5, 5}));
    drag(handleCentre(5), handleCentre(5) - QPoint(50, 0));
    EXPECT_EQ(shapeA->geometry().topLeft(), QPoint(20, 20));
    EXPECT_EQ(shapeA->width(), 0);
    EXPECT_EQ(frame->Covers()[0]->width(), 0);
    // Equal-ratio corners have no ratio to keep now and resize freely.
    frame->SetCornerResize(CornerKeepsRatio);
    drag(handleCentre(4), handleCentre(4) + QPoint(8, 4));
    EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 8, 54));
}

TEST_F(FrameTest, TheDragStaysInsideTheParentAndIsFreeAfterTheRelease)
{
    frame->AttachControl(inPanel);
    frame->AttachControl(shapeA);
    const QRect panelOnScreen(panel->mapToGlobal(QPoint(0, 0)), panel->size());
    press(at(inPanel, {5, 5}));
    EXPECT_EQ(frame->CursorConfinement(), panelOnScreen);
    QSignalSpy moves(frame, &ResizeFrame::MouseMoved);
    // Far beyond the panel's bottom-right corner: the drag sees the corner.
    move(at(inPanel, {5, 5}) + QPoint(300, 300));
    ASSERT_GE(moves.count(), 1);
    const QPoint corner = panelOnScreen.bottomRight();
    EXPECT_EQ(inPanel->mapToGlobal(QPoint(moves.last()[2].toInt(), moves.last()[3].toInt())), corner);
    EXPECT_EQ(QCursor::pos(), corner);
    release(at(inPanel, {5, 5}) + QPoint(300, 300));
    EXPECT_EQ(inPanel->geometry(), QRect(10 + 199 - 15, 10 + 99 - 15, 30, 30));
    EXPECT_TRUE(frame->CursorConfinement().isNull());

    // Over a control outside the panel the mouse reports where it is.
    moves.clear();
    move(at(shapeA, {7, 8}));
    ASSERT_GE(moves.count(), 1);
    EXPECT_EQ(moves.last()[0].value<QWidget *>(), shapeA);
    EXPECT_EQ(moves.last()[3].toInt(), 8);
}

TEST_F(FrameTest, AResizeStaysInsideTheParentToo)
{
    frame->AttachControl(shapeA);
    click(at(shapeA, {5, 5}));
    const QPoint from = handleCentre(4);
    press(from);
    EXPECT_EQ(frame->CursorConfinement(), QRect(form->mapToGlobal(QPoint(0, 0)), form->size()));
    move(from + QPoint(1000, 1000));
    release(from + QPoint(1000, 1000));
    EXPECT_TRUE(frame->CursorConfinement().isNull());
    // The handle's point went to the form's last pixel, (399, 299).
    EXPECT_EQ(shapeA->geometry(), QRect(QPoint(20, 20), QPoint(69 + 399 - 69, 69 + 299 - 69)));
}

TEST_F(FrameTest, SetControlBoundsMovesTheControlAndOnlyItsOwnHandles)
{
    AttachFormControls();
    click(at(shapeA, {5, 5}));
    const QPoint handlePos = handle(4)->pos();
    frame->SetControlBounds(shapeB, 150, 120, 30, 40);
    EXPECT_EQ(shapeB->geometry(), QRect(150, 120, 30, 40));
    EXPECT_EQ(handle(4)->pos(), handlePos);
    frame->SetControlBounds(shapeA, 100, 120, 30, 40);
    EXPECT_EQ(shapeA->geometry(), QRect(100, 120, 30, 40));
    EXPECT_EQ(frame->Covers()[0]->geometry(), QRect(100, 120, 30, 40));
    EXPECT_EQ(handle(4)->pos(), QPoint(127, 157));
    // A control without a cover is left alone.
    QWidget stranger(form.get());
    stranger.setGeometry(1, 2, 3, 4);
    frame->SetControlBounds(&stranger, 10, 10, 10, 10);
    EXPECT_EQ(stranger.geometry(), QRect(1, 2, 3, 4));
}

TEST_F(FrameTest, AHostThatSquaresTheControlAtTheReleaseGetsHandlesAroundTheSquare)
{
    AttachFormControls();
    const auto square = [this](QWidget *control) {
        const int side = std::min(control->width(), control->height());
        frame->SetControlBounds(control, control->x(), control->y(), side, side);
    };
    QObject::connect(frame, &ResizeFrame::MouseReleased, frame,
                     [square](QWidget *control, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { square(control); });
    QObject::connect(frame, &ResizeFrame::HandleReleased, frame,
                     [square](QWidget *control, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { square(control); });
    click(at(shapeB, {5, 5}));
    EXPECT_EQ(shapeB->geometry(), QRect(100, 20, 20, 20));
    EXPECT_EQ(handle(4)->pos(), QPoint(117, 37));
    dragInOneStep(handleCentre(4), handleCentre(4) + QPoint(20, 10));
    EXPECT_EQ(shapeB->geometry(), QRect(100, 20, 30, 30));
    EXPECT_EQ(handle(4)->pos(), QPoint(127, 47));
}

TEST_F(FrameTest, DetachAllLeavesNothingSelectedOrAttached)
{
    AttachFormControls();
    click(at(shapeA, {5, 5}));
    frame->DetachAll();
    EXPECT_TRUE(frame->Covers().isEmpty());
    EXPECT_EQ(frame->CurrentCover(), nullptr);
    EXPECT_EQ(frame->SelectedCount(), 0);
    EXPECT_FALSE(handlesVisible());
    // The shape gets its own mouse input again.
    QSignalSpy shapeMoves(shapeA, &Shape::MouseMoved);
    move(at(shapeA, {7, 8}));
    ASSERT_EQ(shapeMoves.count(), 1);
    EXPECT_EQ(shapeMoves[0][2].toInt(), 8);
}

} // namespace
