// The image property dialog's round trip through the image line and the map start line.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"
#include "WhenShown.h"
#include "editor/ImagePropertiesDialog.h"
#include "widgets/ClampingSpinBox.h"

namespace {

const QString kArea = "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"A\">";

class ImagePropertyTest : public AreaEditingFixture {
protected:
    ImagePropertiesDialog &Dialog() { return Main().ImageProperties(); }

    // Runs the command; while the dialog is up, records its fields, lets edit change them,
    // and closes it with Set or Cancel.
    QStringList RunDialog(bool set, const std::function<void(ImagePropertiesDialog *)> &edit = {})
    {
        QStringList shown;
        WhenShown<ImagePropertiesDialog> answer([&](ImagePropertiesDialog *dialog) {
            shown = {Field(*dialog, "pictureField")->text(), Named<ClampingSpinBox>(*dialog, "borderField")->text(),
                     Field(*dialog, "mapNameField")->text(), Field(*dialog, "pictureAltField")->text()};
            if (edit)
                edit(dialog);
            (set ? Button(*dialog, "setButton") : Button(*dialog, "cancelButton"))->click();
            return true;
        });
        Main().EditImageProperties();
        return shown;
    }
};

TEST_F(ImagePropertyTest, SetRewritesTheImageAndMapStartLinesOnly)
{
    OpenMap();
    Main().NewRectangle();
    Button(Rect(), "setButton")->click();
    ASSERT_TRUE(Document().Save());
    const QStringList shown = RunDialog(true, [](ImagePropertiesDialog *dialog) {
        Named<ClampingSpinBox>(*dialog, "borderField")->setValue(2);
        Field(*dialog, "mapNameField")->setText("nav");
        Field(*dialog, "pictureAltField")->setText("Menu");
    });
    EXPECT_EQ(shown, (QStringList{Path("pic.gif"), "0", "pic", "pic.gif"}));
    EXPECT_EQ(ListLines(),
              (QStringList{"<IMG SRC=\"pic.gif\" ALT=\"Menu\" BORDER=\"2\" WIDTH=200 HEIGHT=150 USEMAP=\"#nav\">",
                           "<MAP NAME=\"nav\">", "<AREA SHAPE=\"RECT\" COORDS=\"0,0,49,49\" HREF=\"\" ALT=\"\">",
                           "</MAP>"}));
    EXPECT_EQ(List()->SelectedIndex(), 2);
    EXPECT_TRUE(Document().Modified());
    EXPECT_EQ(Document().Border(), 2);
    EXPECT_EQ(Document().MapName(), "nav");
}

TEST_F(ImagePropertyTest, ReturnOnAFocusedCancelCancels)
{
    OpenMap();
    const QStringList before = ListLines();
    WhenShown<ImagePropertiesDialog> answer([](ImagePropertiesDialog *dialog) {
        Field(*dialog, "mapNameField")->setText("nav");
        Button(*dialog, "cancelButton")->setFocus();
        QTest::keyClick(Button(*dialog, "cancelButton"), Qt::Key_Return);
        return true;
    });
    Main().EditImageProperties();
    EXPECT_EQ(ListLines(), before);
    EXPECT_FALSE(Document().Modified());
}

TEST_F(ImagePropertyTest, StoredValuesComeBackClampedWithTheirCaseAndThePicturesSize)
{
    OpenMap({"<IMG SRC=\"pic.gif\" ALT=\"the view\" BORDER=\"1500\" WIDTH=9 HEIGHT=9 USEMAP=\"#mainMap\">",
             "<map name=\"mainMap\">", kArea, "</MAP>"});
    EXPECT_EQ(RunDialog(false), (QStringList{Path("pic.gif"), "999", "mainMap", "the view"}));
    EXPECT_EQ(Document().LineAt(1), "<map name=\"mainMap\">");
    EXPECT_FALSE(Document().Modified());
    // Whichever button closed the dialog, the border and map name are taken from it.
    EXPECT_EQ(Document().Border(), 999);

    RunDialog(true);
    EXPECT_EQ(ListLines().mid(0, 2),
              (QStringList{"<IMG SRC=\"pic.gif\" ALT=\"the view\" BORDER=\"999\" WIDTH=200 HEIGHT=150 USEMAP=\"#mainMap\">",
                           "<MAP NAME=\"mainMap\">"}));
    EXPECT_EQ(List()->count(), 4);
}

TEST_F(ImagePropertyTest, BorderFieldTakesDigitsOnlyAndClampsWhatIsTyped)
{
    ClampingSpinBox &border = *Named<ClampingSpinBox>(Dialog(), "borderField");
    const struct {
        QString typed;
        QString kept;
    } cases[] = {{"12", "12"}, {"1500", "999"}, {"-7", "0"}, {"4x2", "42"}};
    for (const auto &c : cases) {
        border.setValue(5);
        border.selectAll();
        QTest::keyClicks(&border, c.typed);
        QTest::keyClick(&border, Qt::Key_Return);
        EXPECT_EQ(border.text(), c.kept) << c.typed.toStdString();
    }
}

TEST_F(ImagePropertyTest, APastedLineBreakStaysInItsLineAndTheMapReopens)
{
    OpenMap();
    QApplication::clipboard()->setText("Menu\r\nBar");
    RunDialog(true, [](ImagePropertiesDialog *dialog) {
        for (const char *name : {"pictureAltField", "mapNameField"}) {
            QLineEdit *field = Field(*dialog, name);
            field->selectAll();
            QTest::keySequence(field, QKeySequence::Paste);
            EXPECT_EQ(field->text(), "Menu\r\nBar");
        }
    });
    EXPECT_EQ(ListLines().mid(0, 2),
              (QStringList{"<IMG SRC=\"pic.gif\" ALT=\"Menu Bar\" BORDER=\"0\" WIDTH=200 HEIGHT=150 USEMAP=\"#Menu Bar\">",
                           "<MAP NAME=\"Menu Bar\">"}));

    Main().SaveMap();
    Main().ClosePicture();
    Main().OpenPictureFile(Path("pic.gif"));
    EXPECT_EQ(List()->count(), 3);
    EXPECT_EQ(RunDialog(false), (QStringList{Path("pic.gif"), "0", "Menu Bar", "Menu Bar"}));
}

TEST_F(ImagePropertyTest, AnUnreadableBorderStopsBeforeTheDialog)
{
    OpenMap({"<IMG SRC=\"pic.gif\" BORDER=\"1;\">", "<MAP NAME=\"pic\">", "</MAP>"});
    ModalAnswerer ok;
    Action(Main(), "imagePropertiesAction")->trigger();
    ASSERT_EQ(ok.Seen().size(), 1);
    EXPECT_EQ(ok.Seen()[0].text, "'1;' は整数ではありません.");
    EXPECT_FALSE(Dialog().isVisible());
}

} // namespace
