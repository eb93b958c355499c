// Option > Responsive Output in the test page, an exported page and the settings file, and
// File > Export SVG Overlay.
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>

#include <stdexcept>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "OpenedUrls.h"
#include "TestPictures.h"
#include "WhenShown.h"
#include "core/ResponsiveScript.h"
#include "core/SvgOverlay.h"
#include "core/TestPage.h"
#include "editor/EditorSettings.h"
#include "editor/SvgOverlayExporter.h"

namespace {

class MapDisplayOptionsTest : public EditorFixture {
protected:
    OpenedUrls opened;
};

TEST_F(MapDisplayOptionsTest, ResponsiveOutputShapesTheTestPageAndIsKeptInTheSettings)
{
    ASSERT_TRUE(testpics::MakePicture(Path("photo.gif"), 30, 20));
    for (const bool responsive : {true, false}) {
        SCOPED_TRACE(responsive);
        Start();
        EXPECT_FALSE(Action(Main(), "responsiveAction")->isChecked()) << "off at first, and as the last run left it";
        Action(Main(), "responsiveAction")->setChecked(responsive);
        Main().OpenPictureFile(Path("photo.gif"));
        Action(Main(), "testAction")->trigger();
        EXPECT_EQ(testpics::ReadBytes(Path("$$TEMP$$.HTML")),
                  QByteArray::fromStdString(vemo::TestPageText(Document().Lines(), responsive)));

        // Export Map to Page puts the script into the page along with the map.
        ASSERT_TRUE(testpics::WriteBytes(Path("page.html"), "<html><body><img src=\"photo.gif\"></body></html>\n"));
        {
            WhenShown<QFileDialog> choose([&](QFileDialog *chooser) {
                auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                if (!name)
                    return false;
                name->setText(Path("page.html"));
                static_cast<QDialog *>(chooser)->accept();
                return true;
            });
            ModalAnswerer report;
            Action(Main(), "exportAction")->trigger();
        }
        EXPECT_EQ(testpics::ReadBytes(Path("page.html")).contains(vemo::kResponsiveScriptMark), responsive);
        Main().close();
        EXPECT_EQ(EditorSettings(Main().SettingsPath()).Read().responsiveOutput, responsive);
        Start();
        EXPECT_EQ(Action(Main(), "responsiveAction")->isChecked(), responsive);
        Action(Main(), "responsiveAction")->setChecked(false);
        Main().close();
    }
}

TEST_F(MapDisplayOptionsTest, SvgOverlayIsWrittenInUtf8BesideThePictureAndAFailureNamesThePath)
{
    ASSERT_TRUE(testpics::MakePicture(Path("pic.gif"), 200, 150));
    // A side file from Japanese Windows: 表示 in Shift-JIS.
    ASSERT_TRUE(testpics::WriteBytes(Path("pic.vmo"),
                                     "<IMG SRC=\"pic.gif\" ALT=\"pic\" BORDER=\"0\" WIDTH=200 HEIGHT=150 USEMAP=\"#pic\">\r\n"
                                     "<MAP NAME=\"pic\">\r\n"
                                     "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"\x95\x5C\x8E\xA6\">\r\n"
                                     "</MAP>\r\n"));
    Start();
    Main().OpenPictureFile(Path("pic.gif"));
    QString offered;
    WhenShown<QFileDialog> accept([&](QFileDialog *chooser) {
        auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        if (!name)
            return false;
        offered = QDir(chooser->directory()).filePath(name->text());
        static_cast<QDialog *>(chooser)->accept();
        return true;
    });
    Action(Main(), "svgAction")->trigger();
    EXPECT_EQ(offered, Path("pic.svg"));
    std::vector<std::string> utf8 = Document().Lines();
    utf8[2] = "<AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"表示\">";
    EXPECT_EQ(testpics::ReadBytes(Path("pic.svg")), QByteArray::fromStdString(vemo::SvgOverlayText(utf8, 200, 150)));

    SvgOverlayExporter exporter(Document(), Main());
    try {
        exporter.Export(Path("missing/pic.svg"));
        ADD_FAILURE() << "a file in a missing folder was reported written";
    } catch (const std::runtime_error &failure) {
        EXPECT_TRUE(QString::fromUtf8(failure.what()).startsWith("Cannot write " + Path("missing/pic.svg")));
    }
}

} // namespace
