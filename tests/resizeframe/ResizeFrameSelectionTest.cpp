// Selection by click, Shift-click, rubber band and Tab; the event order; Delete.
#include "FrameTestForm.h"

#include <QApplication>
#include <QMenu>
#include <QSignalSpy>

namespace {

TEST_F(FrameTest, PressSelectsAndShowsTheOutlineAtOnceReleaseShowsHandles)
{
    AttachFormControls();
    press(at(shapeA, {10, 10}));
    EXPECT_EQ(frame->SelectedCount(), 1);
    EXPECT_EQ(frame->CurrentCover()->AttachedControl(), shapeA);
    ASSERT_NE(frame->Overlay(), nullptr);
    EXPECT_EQ(frame->Overlay()->ShownOutlines(), std::vector<EdgeRect>{EdgeRect({20, 20, 70, 70})});
    EXPECT_EQ(log->withoutMoves(), QStringList{"MouseDown(A 10,10)"});
    release(at(shapeA, {10, 10}));
    EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 50, 50));
    EXPECT_TRUE(handlesVisible());
    EXPECT_EQ(frame->Overlay(), nullptr);
    EXPECT_EQ(log->withoutMoves(), (QStringList{"MouseDown(A 10,10)", "Click(A)", "MouseUp(A 10,10)"}));
}

TEST_F(FrameTest, EventsComeInTheOrderTheUserActs)
{
    AttachFormControls();
    move(at(shapeA, {5, 5}));
    log->clear();
    press(at(shapeA, {5, 5}));
    move(at(shapeA, {6, 5}));
    release(at(shapeA, {6, 5}));
    EXPECT_EQ(log->events, (QStringList{"MouseDown(A 5,5)", "MouseMove(A 6,5)", "Click(A)", "MouseUp(A 6,5)"}));

    // A release outside the control reports no click.
    log->clear();
    press(at(shapeB, {5, 5}));
    release(at(shapeB, {5, 50}));
    EXPECT_EQ(log->withoutMoves(), (QStringList{"MouseDown(B 5,5)", "MouseUp(B 5,50)"}));

    log->clear();
    QTest::mouseDClick(window(), Qt::LeftButton, {}, at(shapeB, {5, 5}));
    EXPECT_EQ(log->withoutMoves(), (QStringList{"MouseDown(B 5,5)", "Click(B)", "MouseUp(B 5,5)", "DblClick(B)",
                                                "MouseDown(B 5,5)", "Click(B)", "MouseUp(B 5,5)"}));

    log->clear();
    press(handleCentre(4));
    move(handleCentre(4) + QPoint(3, 3));
    release(handleCentre(4) + QPoint(3, 3));
    EXPECT_EQ(log->events, (QStringList{"HandleMouseDown(B)", "HandleMouseMove(B)", "HandleMouseUp(B)"}));
}

TEST_F(FrameTest, AHostThatDetachesOnAClickOrDoubleClickGetsNothingMore)
{
    const auto detachAll = [this](QWidget *) { frame->DetachAll(); };
    AttachFormControls();
    QMetaObject::Connection detacher = QObject::connect(frame, &ResizeFrame::Clicked, frame, detachAll);
    click(at(shapeA, {5, 5}));
    EXPECT_EQ(log->withoutMoves(), (QStringList{"MouseDown(A 5,5)", "Click(A)"}));
    QObject::disconnect(detacher);

    AttachFormControls();
    QObject::connect(frame, &ResizeFrame::DoubleClicked, frame, detachAll);
    log->clear();
    QTest::mouseDClick(window(), Qt::LeftButton, {}, at(shapeB, {5, 5}));
    EXPECT_EQ(log->withoutMoves(), (QStringList{"MouseDown(B 5,5)", "Click(B)", "MouseUp(B 5,5)", "DblClick(B)"}));
    EXPECT_TRUE(frame->Covers().isEmpty());
}

TEST_F(FrameTest, ShiftPressOnTheOnlySelectionDeselectsIt)
{
    AttachFormControls();
    click(at(shapeA, {5, 5}));
    log->clear();
    press(at(shapeA, {5, 5}), Qt::ShiftModifier);
    EXPECT_EQ(frame->SelectedCount(), 0);
    EXPECT_FALSE(frame->Dragging());
    EXPECT_FALSE(handlesVisible());
    release(at(shapeA, {5, 5}), Qt::ShiftModifier);
    EXPECT_FALSE(handlesVisible());
    EXPECT_EQ(log->withoutMoves(), (QStringList{"MouseDown(A 5,5)", "Click(A)", "MouseUp(A 5,5)"}));
}

TEST_F(FrameTest, ShiftPressAddsAndRemovesControls)
{
    AttachFormControls();
    click(at(shapeA, {5, 5}));
    ASSERT_TRUE(handlesVisible());
    press(at(shapeB, {5, 5}), Qt::ShiftModifier);
    EXPECT_FALSE(handlesVisible());
    EXPECT_EQ(frame->SelectedCount(), 2);
    EXPECT_TRUE(frame->Covers()[0]->MultiMark());
    EXPECT_TRUE(frame->Covers()[1]->MultiMark());
    release(at(shapeB, {5, 5}), Qt::ShiftModifier);
    EXPECT_FALSE(handlesVisible());
    EXPECT_EQ(frame->GetSelectedControls(), (QList<QWidget *>{shapeA, shapeB}));

    // Shift-deselecting B leaves A current; its handles come at the release.
    click(at(shapeB, {5, 5}), Qt::ShiftModifier);
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeA});
    EXPECT_EQ(frame->CurrentCover()->AttachedControl(), shapeA);
    EXPECT_FALSE(frame->Covers()[0]->MultiMark());
    EXPECT_TRUE(handlesVisible());
    EXPECT_EQ(handle(0)->pos(), QPoint(18, 18));
}

TEST_F(FrameTest, PressWithoutShiftOnAnotherControlSelectsOnlyIt)
{
    AttachFormControls();
    click(at(shapeA, {5, 5}));
    click(at(shapeB, {5, 5}), Qt::ShiftModifier);
    click(at(button, {5, 5}));
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{button});
    EXPECT_FALSE(frame->Covers()[0]->MultiMark());
}

TEST_F(FrameTest, AMoveDropsSelectedControlsOfAnotherParent)
{
    AttachFormControls();
    click(at(inPanel, {5, 5}));
    click(at(shapeA, {5, 5}), Qt::ShiftModifier);
    ASSERT_EQ(frame->SelectedCount(), 2);
    press(at(shapeA, {5, 5}));
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeA});
    release(at(shapeA, {5, 5}));
}

TEST_F(FrameTest, RightClickOnlyMovesTheFocus)
{
    QMenu menu;
    QSignalSpy opened(&menu, &QMenu::aboutToShow);
    frame->SetPopUpMenu(&menu);
    AttachFormControls();
    click(at(shapeA, {5, 5}));
    button->setFocus();
    log->clear();
    click(at(shapeB, {5, 5}), {}, Qt::RightButton);
    EXPECT_EQ(log->withoutMoves(), QStringList{});
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeA});
    EXPECT_TRUE(handlesVisible());
    EXPECT_TRUE(qobject_cast<KeyCatcher *>(QApplication::focusWidget()));
    EXPECT_EQ(opened.count(), 1);
    menu.close();
}

TEST_F(FrameTest, SelectOperationsRunASimulatedShiftClick)
{
    AttachFormControls();
    frame->SelectControl(shapeB);
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeB});
    EXPECT_TRUE(handlesVisible());
    EXPECT_EQ(log->events, (QStringList{"MouseDown(B 0,0)", "MouseUp(B 0,0)"}));

    frame->SelectControls({shapeA, button});
    EXPECT_EQ(frame->GetSelectedControls(), (QList<QWidget *>{shapeA, shapeB, button}));
    EXPECT_FALSE(handlesVisible());

    // A control without a cover: everything is deselected, nothing selected.
    QWidget stranger(form.get());
    frame->SelectControl(&stranger);
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{});
    EXPECT_EQ(frame->SelectedCount(), 0);
}

class RubberBandTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        frame->AttachAll();
    }
    // Draws a band on the empty form from a to b.
    void band(QPoint a, QPoint b) { drag(a, b); }
};

TEST_F(RubberBandTest, ABandSelectsExactlyTheControlsItEncloses)
{
    // From (L + W, T + H), just outside the control, to (L, T).
    band({70, 70}, {20, 20});
    EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 50, 50));
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeA});
    EXPECT_TRUE(handlesVisible());
    EXPECT_EQ(frame->Overlay(), nullptr);

    // From the far corner back works the same.
    band({145, 75}, {15, 15});
    EXPECT_EQ(frame->GetSelectedControls(), (QList<QWidget *>{shapeA, shapeB}));
    EXPECT_TRUE(frame->Covers()[0]->MultiMark());
}

TEST_F(RubberBandTest, ABandOnePixelSmallerOnAnySideSelectsNothing)
{
    // Each band starts at its bottom-right corner, on the empty form.
    const QPoint topLeft(20, 20);
    const QPoint bottomRight(70, 70);
    for (const auto &[a, b] : {std::pair{bottomRight, topLeft + QPoint(1, 0)}, std::pair{bottomRight, topLeft + QPoint(0, 1)},
                               std::pair{bottomRight - QPoint(1, 0), topLeft}, std::pair{bottomRight - QPoint(0, 1), topLeft}}) {
        band(a, b);
        EXPECT_EQ(frame->SelectedCount(), 0) << a.x() << "," << a.y() << " " << b.x() << "," << b.y();
    }
    EXPECT_EQ(shapeA->geometry(), QRect(20, 20, 50, 50));
}

TEST_F(RubberBandTest, ABandNeverSelectsControlsInsideContainers)
{
    // The panel itself is attached and enclosed; the shape inside it is not taken.
    frame->AttachControl(inPanel);
    band({10, 140}, {300, 290});
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{panel});
}

TEST_F(RubberBandTest, WithoutFormDragSelectTheBandOnlyClearsTheSelection)
{
    frame->SetFormDragSelect(false);
    frame->SelectControl(shapeB);
    press({10, 10});
    move({40, 40});
    EXPECT_EQ(frame->Overlay()->ShownOutlines(), std::vector<EdgeRect>{EdgeRect({10, 10, 40, 40})});
    move({80, 80});
    release({80, 80});
    EXPECT_EQ(frame->SelectedCount(), 0);
    EXPECT_EQ(frame->Overlay(), nullptr);
}

TEST_F(RubberBandTest, DetachAllGivesTheFormBackAndKeepsItsOwnHandling)
{
    frame->DetachAll();
    press({10, 10});
    EXPECT_FALSE(frame->Dragging());
    release({10, 10});
    EXPECT_TRUE(frame->Covers().isEmpty());
}

TEST(ResizeFrameForm, DetachAllWithoutAttachAllLeavesTheFormsHandlersAlone)
{
    class CountingForm : public QWidget {
    public:
        int presses = 0;
    protected:
        void mousePressEvent(QMouseEvent *) override { ++presses; }
    };
    CountingForm form;
    form.resize(100, 100);
    ResizeFrame frame(&form);
    frame.SetAutoAttach(false);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    frame.DetachAll();
    QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(form.presses, 1);
}

TEST(ResizeFrameForm, AutoAttachCoversEveryControlOfTheOwnerOnceLoaded)
{
    QWidget form;
    auto *label = new QWidget(&form);
    auto *shape = new Shape(&form);
    ResizeFrame frame(&form);
    EXPECT_TRUE(frame.Covers().isEmpty());
    QCoreApplication::processEvents();
    ASSERT_EQ(frame.Covers().size(), 2);
    EXPECT_EQ(frame.Covers()[0]->AttachedControl(), label);
    EXPECT_EQ(frame.Covers()[1]->AttachedControl(), shape);
}

TEST(ResizeFrameForm, AFrameMadeWithoutAutoAttachNeverAttachesByItself)
{
    QWidget form;
    new Shape(&form);
    ResizeFrame frame(&form, false);
    QCoreApplication::processEvents();
    EXPECT_FALSE(frame.AutoAttach());
    EXPECT_TRUE(frame.Covers().isEmpty());
}

TEST(ResizeFrameForm, AFrameOutsideAnyFormAttachesNothing)
{
    QObject owner;
    Shape loose;
    ResizeFrame frame(&owner);
    EXPECT_EQ(frame.GetOwnerForm(), nullptr);
    frame.AttachControl(&loose);
    frame.AttachAll();
    EXPECT_TRUE(frame.Covers().isEmpty());
}

TEST_F(FrameTest, FormActivationGivesTheKeyCatcherTheFocusAfterAttachAll)
{
    frame->AttachAll();
    button->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(qobject_cast<KeyCatcher *>(QApplication::focusWidget()));
}

TEST_F(FrameTest, TabStepsForwardAndWraps)
{
    AttachFormControls();
    click(at(button, {5, 5}));
    key(Qt::Key_Tab);
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{inPanel});
    key(Qt::Key_Tab);
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeA});
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeB});
    EXPECT_TRUE(handlesVisible());
}

TEST_F(FrameTest, TabWithOneControlSelectsItAgain)
{
    frame->AttachControl(shapeA);
    click(at(shapeA, {5, 5}));
    QSignalSpy downs(frame, &ResizeFrame::MousePressed);
    key(Qt::Key_Tab);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs[0][2].value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(downs[0][3].toInt(), 0);
    EXPECT_EQ(downs[0][4].toInt(), 0);
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeA});
    EXPECT_TRUE(handlesVisible());
}

TEST_F(FrameTest, DeleteDestroysTheSelectedControls)
{
    AttachFormControls();
    QPointer<QWidget> a = shapeA;
    QPointer<QWidget> b = shapeB;
    click(at(shapeA, {5, 5}));
    click(at(shapeB, {5, 5}), Qt::ShiftModifier);
    log->clear();
    key(Qt::Key_Delete);
    EXPECT_TRUE(a.isNull());
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(frame->Covers().size(), 2);
    EXPECT_EQ(frame->SelectedCount(), 0);
    // B was current: its cover is let go by a simulated Shift-click.
    EXPECT_EQ(log->events, (QStringList{"MouseDown(B 0,0)", "MouseUp(B 0,0)"}));
}

TEST_F(FrameTest, DeleteSkipsControlsTheHostStillNeeds)
{
    AttachFormControls();
    frame->SetDeleteProtected(shapeA, true);
    QPointer<QWidget> b = shapeB;
    frame->SelectControls({shapeA, shapeB, button});
    key(Qt::Key_Delete);
    EXPECT_TRUE(b.isNull());
    EXPECT_TRUE(frame->IsDeleteProtected(shapeA));
    EXPECT_EQ(frame->GetSelectedControls(), QList<QWidget *>{shapeA});
    // Once unprotected it goes like any other.
    frame->SetDeleteProtected(shapeA, false);
    QPointer<QWidget> a = shapeA;
    key(Qt::Key_Delete);
    EXPECT_TRUE(a.isNull());
    EXPECT_EQ(frame->Covers().size(), 1);
}

TEST_F(FrameTest, AProtectedSurvivorOfDeleteBecomesTheSingleSelection)
{
    AttachFormControls();
    frame->SetDeleteProtected(shapeA, true);
    frame->SelectControls({shapeA, shapeB});
    // A press on A makes it current without changing the selection.
    click(at(shapeA, {5, 5}));
    key(Qt::Key_Delete);
    EXPECT_EQ(frame->SelectedCount(), 1);
    EXPECT_EQ(frame->CurrentCover()->AttachedControl(), shapeA);
    EXPECT_FALSE(frame->Covers()[0]->MultiMark());
    EXPECT_TRUE(handlesVisible());
}

TEST_F(FrameTest, DeleteCopesWithAControlInsideAnotherSelectedOne)
{
    frame->AttachControl(panel);
    frame->AttachControl(inPanel);
    frame->SelectControls({panel, inPanel});
    QPointer<QWidget> p = panel;
    key(Qt::Key_Delete);
    EXPECT_TRUE(p.isNull());
    EXPECT_TRUE(frame->Covers().isEmpty());
    EXPECT_EQ(frame->SelectedCount(), 0);
}

} // namespace
