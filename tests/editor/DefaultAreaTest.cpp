// The default area: made from the Create menu, kept last, at most one, and shown as no shape.
#include "AreaEditingFixture.h"
#include "editor/DefaultAreaDialog.h"

namespace {

const QString kRectLine = "<AREA SHAPE=\"RECT\" COORDS=\"10,20,110,70\" HREF=\"a.htm\" ALT=\"A\">";

class DefaultAreaTest : public AreaEditingFixture {
protected:
    DefaultAreaDialog &Default() { return Main().Areas().DefaultArea(); }
};

TEST_F(DefaultAreaTest, StaysTheOneLastAreaWhateverIsAddedOrMoved)
{
    OpenMapWithAreas({kRectLine});
    EXPECT_EQ(Action(Main(), "newDefaultAreaAction")->text(), "&Default Area");
    Action(Main(), "newDefaultAreaAction")->trigger();
    ASSERT_TRUE(Default().isVisible());
    EXPECT_EQ(Default().findChild<QPushButton *>("switchButton"), nullptr);
    Type(Field(Default(), "linkField"), "rest.htm");
    Type(Field(Default(), "altField"), "Rest \"of\" it");
    QTest::keyClick(Field(Default(), "altField"), Qt::Key_Return);
    const QString defaultLine = "<AREA SHAPE=\"DEFAULT\" HREF=\"rest.htm\" ALT=\"Rest &quot;of&quot; it\">";
    EXPECT_EQ(ListLines().mid(2), (QStringList{kRectLine, defaultLine, "</MAP>"}));
    EXPECT_FALSE(ViewShape()->isVisible());

    // A new rectangle goes before it, and no area moves past it.
    Main().NewRectangle();
    Button(Rect(), "setButton")->click();
    EXPECT_EQ(ListLines().indexOf(defaultLine), 4);
    SelectLine(3);
    Action(Main(), "moveDownAction")->trigger();
    SelectLine(4);
    Action(Main(), "moveUpAction")->trigger();
    EXPECT_EQ(ListLines().indexOf(defaultLine), 4);

    // Asking for a default area again opens the one there is.
    SelectLine(2);
    Action(Main(), "newDefaultAreaAction")->trigger();
    ASSERT_TRUE(Default().isVisible());
    EXPECT_TRUE(EditingALine());
    EXPECT_EQ(Field(Default(), "altField")->text(), "Rest \"of\" it");
    Type(Field(Default(), "linkField"), "other.htm");
    Button(Default(), "setButton")->click();
    EXPECT_EQ(ListLines().filter("DEFAULT").size(), 1);
    EXPECT_EQ(ListLines().at(4), "<AREA SHAPE=\"DEFAULT\" HREF=\"other.htm\" ALT=\"Rest &quot;of&quot; it\">");
    EXPECT_EQ(ListLines().size(), 6);
}

} // namespace
