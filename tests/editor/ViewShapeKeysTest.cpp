// Arrow keys on the view move and resize the shape being edited, and its dialog follows.
#include <QSignalSpy>

#include "AreaEditingFixture.h"
#include "core/ZoomMapping.h"

namespace {

class ViewShapeKeysTest : public AreaEditingFixture {};

TEST_F(ViewShapeKeysTest, ArrowsStepTheEditedShapeByPicturePixelsWithinThePicture)
{
    OpenMap(); // 200 x 150
    const Qt::KeyboardModifiers modifiers = Qt::ShiftModifier, alt = Qt::AltModifier;
    const struct {
        double zoom;
        bool circle;
        vemo::Box start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        vemo::Box moved;
        QStringList fields;
    } cases[] = {
        {1.0, false, {10, 20, 50, 50}, Qt::Key_Right, {}, {11, 20, 50, 50}, {"11", "20", "60", "69"}},
        {2.0, false, {10, 20, 50, 50}, Qt::Key_Down, {}, {10, 21, 50, 50}, {"10", "21", "59", "70"}},
        {2.0, false, {10, 5, 50, 50}, Qt::Key_Up, modifiers, {10, 0, 50, 50}, {"10", "0", "59", "49"}},
        {1.0, false, {145, 20, 50, 50}, Qt::Key_Right, modifiers, {150, 20, 50, 50}, {"150", "20", "199", "69"}},
        {0.5, false, {10, 20, 50, 50}, Qt::Key_Right, alt, {10, 20, 51, 50}, {"10", "20", "60", "69"}},
        {2.0, false, {10, 20, 50, 50}, Qt::Key_Up, alt | modifiers, {10, 20, 50, 40}, {"10", "20", "59", "59"}},
        {1.0, false, {10, 20, 50, 50}, Qt::Key_Right, Qt::ControlModifier, {10, 20, 50, 50}, {"10", "20", "59", "69"}},
        {2.0, true, {10, 20, 49, 49}, Qt::Key_Down, alt | modifiers, {10, 20, 59, 59}, {"39", "49", "30"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 at %2 %").arg(c.fields.join(',')).arg(c.zoom * 100).toStdString());
        View().SetZoom(c.zoom);
        c.circle ? Main().NewCircle() : Main().NewRectangle();
        View().SetShapeBox(c.start);
        Activate(&View());
        // Clicked first, as the user does: the click shows the handles and focuses the view.
        QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, ViewShape()->mapTo(&View(), QPoint(3, 3)));
        QTest::keyClick(ViewHandle(), c.key, c.modifiers);
        EXPECT_EQ(View().ShapeBox(), c.moved);
        EXPECT_EQ(c.circle ? CircFields() : RectFields(), c.fields);
        const vemo::Box shown = vemo::ToDisplayBox(c.moved, c.zoom);
        EXPECT_EQ(ShapeBounds(), QRect(shown.left, shown.top, shown.width, shown.height));
        const QList<QWidget *> handles = ViewFrame()->Handles();
        ASSERT_EQ(handles.size(), HandleCount);
        EXPECT_EQ(handles[4]->geometry().center(), ShapeBounds().bottomRight());
        c.circle ? Circ().Cancel() : Rect().Cancel();
    }
    // With no shape being edited the arrows are the scroll area's again.
    QSignalSpy changes(&View(), &ViewWindow::ShapeChanged);
    QTest::keyClick(ViewHandle(), Qt::Key_Right);
    EXPECT_TRUE(changes.isEmpty());
}

} // namespace
