// Side files in UTF-8, in Shift-JIS from Japanese Windows, and in neither: shown and copied
// readably, edited fields written in the file's own encoding, every untouched value byte for byte.
#include <QApplication>
#include <QClipboard>
#include <QPushButton>

#include "AreaEditingFixture.h"
#include "WhenShown.h"
#include "editor/ImagePropertiesDialog.h"
#include "widgets/ClampingSpinBox.h"

namespace {

// The map the tests open, with the same values in the image line and in two area lines.
template <typename Text>
Text SideFile(const Text &alt, const Text &map, const Text &href, const Text &secondAlt, const char *border,
              const char *x0)
{
    return Text("<IMG SRC=\"pic.gif\" ALT=\"") + alt + "\" BORDER=\"" + border
           + "\" WIDTH=200 HEIGHT=150 USEMAP=\"#" + map + "\">\r\n<MAP NAME=\"" + map + "\">\r\n"
           + "<AREA SHAPE=\"RECT\" COORDS=\"" + x0 + ",2,3,4\" HREF=\"" + href + "\" ALT=\"" + alt + "\">\r\n"
           + "<AREA SHAPE=\"CIRCLE\" COORDS=\"50,50,10\" HREF=\"" + href + "\" ALT=\"" + secondAlt + "\">\r\n"
           + "</MAP>\r\n";
}

class SideFileEncodingTest : public AreaEditingFixture {};

TEST_F(SideFileEncodingTest, UntouchedValuesKeepTheirBytesAndTypedOnesTakeTheFilesEncoding)
{
    // 表, ソ and 十: each Shift-JIS code has the trail byte 0x5C, the backslash. 纊 (ED 40) is
    // one Windows writes but a round trip through Unicode would turn into FA 5C.
    const struct {
        const char *what;
        QByteArray alt, map, href;
        QString shownAlt, shownMap, shownHref; // empty where the bytes cannot be read
        QByteArray typed;                      // "ソ十 café" as the file stores it
    } cases[] = {
        {"Shift-JIS", "\x95\x5C\x8E\xA6\xED\x40 &quot;x&quot;", "\x83\x5C", "\x8F\x5C.htm", "表示纊 \"x\"", "ソ", "十.htm",
         "\x83\x5C\x8F\x5C caf&#233;"},
        {"UTF-8", "表示纊 &quot;x&quot;", "ソ", "十.htm", "表示纊 \"x\"", "ソ", "十.htm", "ソ十 café"},
        {"neither", "\x95\x5C\xFF", "\x83\x5C", "\x8F\x5C.htm", {}, {}, {}, "ソ十 café"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(testpics::MakePicture(Path("pic.gif"), 200, 150));
        ASSERT_TRUE(testpics::WriteBytes(Path("pic.vmo"), SideFile(c.alt, c.map, c.href, c.alt, "0", "1")));
        Main().OpenPictureFile(Path("pic.gif"));
        const bool readable = !c.shownAlt.isEmpty();
        if (readable) {
            const QString inLine = QString(c.shownAlt).replace("\"", "&quot;");
            const QString text = SideFile(inLine, c.shownMap, c.shownHref, inLine, "0", "1");
            Main().CopyMap();
            EXPECT_EQ(QApplication::clipboard()->text(), text);
            EXPECT_EQ(List()->model()->index(2, 0).data().toString(), text.split("\r\n")[2]);
        }

        // Image Property: only the border changes.
        QStringList shown;
        WhenShown<ImagePropertiesDialog> answer([&](ImagePropertiesDialog *dialog) {
            shown = {Field(*dialog, "mapNameField")->text(), Field(*dialog, "pictureAltField")->text()};
            Named<ClampingSpinBox>(*dialog, "borderField")->setValue(2);
            Button(*dialog, "setButton")->click();
            return true;
        });
        Main().EditImageProperties();
        if (readable) {
            EXPECT_EQ(shown, (QStringList{c.shownMap, c.shownAlt}));
        }

        // The rectangle: only a coordinate changes.
        SelectLine(2);
        Main().EditSelectedLine();
        if (readable) {
            EXPECT_EQ(LinkAndAlt(Rect()), (QStringList{c.shownHref, c.shownAlt}));
        }
        Type(Field(Rect(), "x0Field"), "5");
        Button(Rect(), "setButton")->click();

        // The circle: a new ALT text, with a character Shift-JIS has no code for.
        SelectLine(3);
        Main().EditSelectedLine();
        Field(Circ(), "altField")->setText("ソ十 café");
        Button(Circ(), "setButton")->click();

        Main().SaveMap();
        EXPECT_EQ(testpics::ReadBytes(Path("pic.vmo")), SideFile(c.alt, c.map, c.href, c.typed, "2", "5"));
        Main().ClosePicture();
    }
}

} // namespace
