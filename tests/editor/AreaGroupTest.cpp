// Several areas selected together in the real windows: arranged, duplicated, copied and pasted,
// deleted and moved, each change one step to undo.
#include <QApplication>
#include <QClipboard>

#include <gmock/gmock.h>

#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"
#include "editor/MapListBox.h"

namespace {

const QString kImage = "<IMG SRC=\"pic.gif\" USEMAP=\"#pic\">";
const QString kMapStart = "<MAP NAME=\"pic\">";
const QString kRectA = "<AREA SHAPE=\"RECT\" COORDS=\"10,20,60,50\" HREF=\"a.htm\" ALT=\"A\">";
const QString kRectB = "<AREA SHAPE=\"RECT\" COORDS=\"100,30,140,90\" HREF=\"b.htm\" ALT=\"B\">";
const QString kCircle = "<AREA SHAPE=\"CIRCLE\" COORDS=\"150,100,20\" HREF=\"c.htm\" ALT=\"C\">";
const QString kPoly = "<AREA SHAPE=\"POLY\" COORDS=\"20,100,60,100,40,140\" HREF=\"p.htm\" ALT=\"P\">";
const QString kComment = "<!-- kept as it is -->";

QString Coords(const QString &line, const QString &coords)
{
    QString changed = line;
    const qsizetype start = changed.indexOf("COORDS=\"") + 8;
    return changed.replace(start, changed.indexOf('"', start) - start, coords);
}

class AreaGroupTest : public AreaEditingFixture {
protected:
    // Clicks a line of the list as the user does, with Ctrl to add it to the selection.
    void ClickLine(int line, Qt::KeyboardModifiers modifiers = {})
    {
        MapListBox *list = Named<MapListBox>(Main(), "lineList");
        const QRect row = list->visualRect(list->model()->index(line, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, row.center());
    }
    void Trigger(const char *action) { Action(Main(), action)->trigger(); }
};

TEST_F(AreaGroupTest, ArrangeRewritesTheSelectedAreasAgainstTheFirstAsOneStep)
{
    const QStringList map{kImage, kMapStart, kRectA, kRectB, kCircle, kPoly, kComment, "</MAP>"};
    OpenMap(map);
    const struct {
        const char *action;
        QStringList areas; // B, circle, polygon after the command; A is the reference
    } cases[] = {
        {"alignLeftAction", {"10,30,50,90", "29,100,20", "10,100,50,100,30,140"}},
        {"alignRightAction", {"20,30,60,90", "41,100,20", "20,100,60,100,40,140"}},
        {"alignTopAction", {"100,20,140,80", "150,39,20", "20,20,60,20,40,60"}},
        {"alignBottomAction", {"100,0,140,60", "150,31,20", "20,10,60,10,40,50"}},
        {"alignHorizontalCentresAction", {"15,30,55,90", "35,100,20", "15,100,55,100,35,140"}},
        {"alignVerticalCentresAction", {"100,5,140,65", "150,35,20", "20,15,60,15,40,55"}},
        {"sameWidthAction", {"100,30,150,90", "150,100,26", "20,100,70,100,45,140"}},
        {"sameHeightAction", {"100,30,140,60", "150,100,16", "20,100,60,100,40,130"}},
        {"sameSizeAction", {"100,30,150,60", "150,100,16", "20,100,70,100,45,130"}},
        // Lefts 10 (A), 20 (P), 100 (B), 131 (C): A and C stay, and every gap is -4, as the
        // widths add up to more than the span.
        {"distributeAcrossAction", {"94,30,134,90", "150,100,20", "57,100,97,100,77,140"}},
        // Tops 20 (A), 30 (B), 81 (C), 100 (P): every gap is -17.
        {"distributeDownAction", {"100,34,140,94", "150,97,20", "20,100,60,100,40,140"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.action);
        // A first: the reference. The comment, selected too, is no area and stays.
        ClickLine(2);
        for (const int line : {3, 4, 5, 6})
            ClickLine(line, Qt::ControlModifier);
        ASSERT_TRUE(Action(Main(), c.action)->isEnabled());
        Trigger(c.action);
        EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, kRectA, Coords(kRectB, c.areas[0]),
                                        Coords(kCircle, c.areas[1]), Coords(kPoly, c.areas[2]), kComment, "</MAP>"}));
        Trigger("undoAction");
        EXPECT_EQ(Lines(), map);
    }
    // Two areas align but do not distribute; one does neither.
    ClickLine(2);
    ClickLine(3, Qt::ControlModifier);
    EXPECT_TRUE(Action(Main(), "alignLeftAction")->isEnabled());
    EXPECT_FALSE(Action(Main(), "distributeAcrossAction")->isEnabled());
    ClickLine(3);
    EXPECT_FALSE(Action(Main(), "alignLeftAction")->isEnabled());
}

TEST_F(AreaGroupTest, DuplicateCopyAndPasteAddAreasAsOneStep)
{
    const QStringList map{kImage, kMapStart, kRectA, kCircle, "</MAP>"};
    OpenMap(map);
    ClickLine(2);
    ClickLine(3, Qt::ControlModifier);
    Trigger("duplicateAction");
    EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, kRectA, Coords(kRectA, "20,30,70,60"), kCircle,
                                    Coords(kCircle, "160,110,20"), "</MAP>"}));
    // The copies are selected.
    EXPECT_EQ(Named<MapListBox>(Main(), "lineList")->SelectedLines(), (std::vector<int>{3, 5}));
    Trigger("undoAction");
    EXPECT_EQ(Lines(), map);

    ClickLine(3);
    Trigger("copyAreasAction");
    EXPECT_EQ(QApplication::clipboard()->text(), kCircle + "\r\n");
    Trigger("pasteAreasAction");
    EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, kRectA, kCircle, kCircle, "</MAP>"}));
    Trigger("undoAction");
    EXPECT_EQ(Lines(), map);

    // A line that holds no area is told, and the areas beside it are still taken.
    QApplication::clipboard()->setText("not an area\r\n" + kRectB + "\r\n");
    {
        ModalAnswerer answerer;
        Trigger("pasteAreasAction");
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_THAT(answerer.Seen()[0].text.toStdString(), ::testing::HasSubstr("Line 1: not an area"));
    }
    EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, kRectA, kCircle, kRectB, "</MAP>"}));
    // An area of megabytes is refused whole, as an import refuses it.
    QApplication::clipboard()->setText("<area shape=rect coords=1,2,3,4 href=\"" + QString(1100000, 'x') + "\">");
    {
        ModalAnswerer answerer;
        Trigger("pasteAreasAction");
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_THAT(answerer.Seen()[0].text.toStdString(), ::testing::HasSubstr("too long to paste"));
    }
    EXPECT_EQ(Lines().size(), 6);

    // Into an HTML5 map, a classic line comes in the map's style.
    const QStringList html5{"<img src=\"pic.gif\" usemap=\"#pic\">", "<map name=\"pic\">", "</map>"};
    {
        ModalAnswerer answerer({"いいえ(&N)"});
        ASSERT_TRUE(Main().CloseMap());
    }
    OpenMap(html5);
    QApplication::clipboard()->setText(kRectA);
    Trigger("pasteAreasAction");
    EXPECT_EQ(Lines(), html5.mid(0, 2) + QStringList{"<area shape=\"rect\" coords=\"10,20,60,50\" href=\"a.htm\" alt=\"A\">"}
                           + html5.mid(2));
}

TEST_F(AreaGroupTest, DeleteAndArrowKeysActOnAreasSelectedOnThePicture)
{
    const QStringList map{kImage, kMapStart, kRectA, kRectB, kCircle, "</MAP>"};
    OpenMap(map);
    Activate(&View());
    // A click selects A, a Ctrl click adds the circle.
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InView({30, 30}));
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, Qt::ControlModifier, InView({150, 100}));
    EXPECT_EQ(Named<MapListBox>(Main(), "lineList")->SelectedLines(), (std::vector<int>{2, 4}));
    EXPECT_EQ(ViewPicture()->MarkedLines(), (std::vector<int>{2, 4}));
    EXPECT_FALSE(ViewShape()->isVisible());

    QTest::keyClick(ViewHandle(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, Coords(kRectA, "20,20,70,50"), kRectB,
                                    Coords(kCircle, "160,100,20"), "</MAP>"}));
    // The group stops at the picture's edge as one: the circle reaches x 199.
    QTest::keyClick(ViewHandle(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(ViewHandle(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(ViewHandle(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Lines()[4], Coords(kCircle, "180,100,20"));
    EXPECT_EQ(Lines()[2], Coords(kRectA, "40,20,90,50"));
    for (int step = 0; step < 4; ++step)
        Trigger("undoAction");
    EXPECT_EQ(Lines(), map);

    // A drag on one of them moves both, as one step.
    const QPoint from = InView({30, 30}), to = InView({43, 34});
    QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, from);
    QTest::mouseMove(ViewHandle(), from + QPoint(5, 5));
    QTest::mouseMove(ViewHandle(), to);
    QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, to);
    EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, Coords(kRectA, "23,24,73,54"), kRectB,
                                    Coords(kCircle, "163,104,20"), "</MAP>"}));
    EXPECT_EQ(ViewPicture()->MarkedLines(), (std::vector<int>{2, 4})) << "still selected together";
    Trigger("undoAction");
    EXPECT_EQ(Lines(), map);

    Trigger("deleteAction");
    EXPECT_EQ(Lines(), (QStringList{kImage, kMapStart, kRectB, "</MAP>"}));
    Trigger("undoAction");
    EXPECT_EQ(Lines(), map);
}

TEST_F(AreaGroupTest, OnTheGridADrawnOrDraggedShapeSnapsButATypedValueDoesNot)
{
    OpenMap({kImage, kMapStart, kRectA, "</MAP>"});
    Action(Main(), "gridAction")->setChecked(true);
    const auto drag = [this](QPoint fromPixel, QPoint toPixel) {
        const QPoint from = InView(fromPixel), to = InView(toPixel);
        QTest::mousePress(ViewHandle(), Qt::LeftButton, {}, from);
        QTest::mouseMove(ViewHandle(), from + QPoint(5, 5));
        QTest::mouseMove(ViewHandle(), to);
        QTest::mouseRelease(ViewHandle(), Qt::LeftButton, {}, to);
    };
    // The selected rectangle moved by (13, 4) lands with its corner on the grid, its size kept.
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, InView({30, 30}));
    drag({30, 30}, {43, 34});
    EXPECT_EQ(Lines()[2], Coords(kRectA, "20,20,70,50"));
    // Pixels 113..147 across and 57..92 down drawn: the box from grid line 110 to 150, 60 to 90.
    drag({113, 57}, {147, 92});
    ASSERT_TRUE(Rect().isVisible());
    EXPECT_EQ(RectFields(), (QStringList{"110", "60", "149", "89"}));
    // A typed corner is taken as typed.
    Type(Field(Rect(), "x0Field"), "113");
    EXPECT_EQ(View().ShapeBox().left, 113);
    Button(Rect(), "setButton")->click();
    EXPECT_THAT(Lines()[3].toStdString(), ::testing::HasSubstr("COORDS=\"113,60,149,89\""));
}

} // namespace
