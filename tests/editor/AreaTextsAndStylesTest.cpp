// TITLE and TARGET typed in an area dialog, kept by the rewrites that follow, and the map's
// output style: chosen for new maps, converted as one step, a Shift-JIS map becoming UTF-8.
#include <QAction>
#include <QApplication>
#include <QComboBox>

#include "AreaEditingFixture.h"
#include "TestPictures.h"
#include "core/MapFile.h"

namespace {

class AreaTextsAndStylesTest : public AreaEditingFixture {
protected:
    QComboBox *TargetField() { return Named<QComboBox>(Rect(), "targetField"); }
};

TEST_F(AreaTextsAndStylesTest, TitleAndTargetReachTheLineAndSurviveANudgeAndUndo)
{
    const QString plain = R"(<AREA SHAPE="RECT" COORDS="10,20,59,69" HREF="a.htm" ALT="A">)";
    OpenMapWithAreas({plain});
    SelectLine(2);
    Main().EditSelectedLine();
    // Tab goes on from ALT to the title and then the target.
    Activate(&Rect());
    Field(Rect(), "altField")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), Field(Rect(), "titleField"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), TargetField());
    EXPECT_EQ(TargetField()->findText("_parent"), 3);

    Type(Field(Rect(), "titleField"), "Tips & \"tricks\"");
    TargetField()->setCurrentIndex(TargetField()->findText("_blank"));
    Button(Rect(), "setButton")->click();
    const QString titled =
        R"(<AREA SHAPE="RECT" COORDS="10,20,59,69" HREF="a.htm" ALT="A" TITLE="Tips & &quot;tricks&quot;" TARGET="_blank">)";
    ASSERT_EQ(Lines()[2], titled);

    // The selected line's shape nudged by an arrow key rewrites the line, texts and all.
    SelectLine(2);
    Activate(&View());
    QTest::mouseClick(ViewHandle(), Qt::LeftButton, {}, ViewShape()->mapTo(&View(), QPoint(3, 3)));
    QTest::keyClick(ViewHandle(), Qt::Key_Right);
    EXPECT_EQ(Lines()[2],
              R"(<AREA SHAPE="RECT" COORDS="11,20,60,69" HREF="a.htm" ALT="A" TITLE="Tips & &quot;tricks&quot;" TARGET="_blank">)");

    // Opened again, the fields show the texts as typed; undo takes the steps back one by one.
    Main().EditSelectedLine();
    EXPECT_EQ(Field(Rect(), "titleField")->text(), "Tips & \"tricks\"");
    EXPECT_EQ(TargetField()->currentText(), "_blank");
    Rect().Cancel();
    Document().History().undo();
    EXPECT_EQ(Lines()[2], titled);
    Document().History().undo();
    EXPECT_EQ(Lines()[2], plain);
}

TEST_F(AreaTextsAndStylesTest, ConvertRewritesTheMapAsOneStepAndAShiftJisMapBecomesUtf8)
{
    // ソ十 in Shift-JIS: both second bytes are 0x5C.
    const QByteArray shiftJis = "<IMG SRC=\"pic.gif\" ALT=\"\x83\x5C\" BORDER=\"0\" WIDTH=200 HEIGHT=150 USEMAP=\"#pic\">\r\n"
                                "<MAP NAME=\"pic\">\r\n"
                                "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"\x8F\x5C\" TITLE=\"T\">\r\n"
                                "</MAP>\r\n";
    ASSERT_TRUE(testpics::MakePicture(Path("pic.gif"), 200, 150));
    ASSERT_TRUE(testpics::WriteBytes(Path("pic.vmo"), shiftJis));
    Main().OpenPictureFile(Path("pic.gif"));
    QAction *convert = Action(Main(), "convertStyleAction");
    ASSERT_EQ(convert->text(), "Con&vert to HTML5");

    convert->trigger();
    const QStringList html5 = {
        R"(<img src="pic.gif" alt="ソ" width="200" height="150" usemap="#pic">)", R"(<map name="pic">)",
        R"(<area shape="rect" coords="1,2,3,4" href="a.htm" alt="十" title="T">)", "</map>"};
    EXPECT_EQ(Document().Codec().Text(vemo::JoinMapFileLines(Document().Lines())),
              html5.join("\r\n") + "\r\n");
    EXPECT_EQ(convert->text(), "Con&vert to Classic");
    ASSERT_TRUE(Document().Save());
    EXPECT_EQ(testpics::ReadBytes(Path("pic.vmo")), (html5.join("\r\n") + "\r\n").toUtf8());

    // One step back gives the Shift-JIS map byte for byte; converting back gives Classic lines in UTF-8.
    EXPECT_EQ(Action(Main(), "undoAction")->text(), "&Undo Convert to HTML5");
    Document().History().undo();
    EXPECT_EQ(vemo::JoinMapFileLines(Document().Lines()), shiftJis.toStdString());
    EXPECT_EQ(convert->text(), "Con&vert to HTML5");
    Document().History().redo();
    convert->trigger();
    EXPECT_EQ(Document().Style(), vemo::MapStyle::Classic);
    EXPECT_EQ(Document().Codec().Text(vemo::JoinMapFileLines(Document().Lines())), QString::fromUtf8(
        "<IMG SRC=\"pic.gif\" ALT=\"ソ\" BORDER=\"0\" WIDTH=200 HEIGHT=150 USEMAP=\"#pic\">\r\n<MAP NAME=\"pic\">\r\n"
        "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"十\" TITLE=\"T\">\r\n</MAP>\r\n"));
}

TEST_F(AreaTextsAndStylesTest, ANewMapTakesTheChosenStyleAndItsAttributeRule)
{
    Action(Main(), "html5StyleAction")->trigger();
    EXPECT_FALSE(Action(Main(), "classicStyleAction")->isChecked());
    OpenMap();
    EXPECT_EQ(Lines()[0], R"(<img src="pic.gif" alt="pic.gif" width="200" height="150" usemap="#pic">)");
    Main().NewRectangle();
    Type(Field(Rect(), "altField"), "R&D &amp; more");
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(Lines()[2], R"(<area shape="rect" coords="0,0,49,49" href="" alt="R&amp;D &amp; more">)");
    SelectLine(2);
    Main().EditSelectedLine();
    EXPECT_EQ(Field(Rect(), "altField")->text(), "R&D & more");
    Rect().Cancel();
}

} // namespace
