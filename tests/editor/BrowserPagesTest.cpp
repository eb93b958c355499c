// Pages the editor hands to the desktop's browser: the test page for the map, and the help pages.
#include <QDir>
#include <QFileInfo>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "OpenedUrls.h"
#include "TestPictures.h"
#include "core/TestPage.h"

namespace {

class BrowserPagesTest : public EditorFixture {
protected:
    OpenedUrls opened;
};

TEST_F(BrowserPagesTest, TestWritesThePageBesideThePictureAndOpensIt)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("pics"));
    ASSERT_TRUE(testpics::MakePicture(Path("pics/photo.gif"), 30, 20));
    Start();
    Main().OpenPictureFile(Path("pics/photo.gif"));
    Document().InsertLine(2, R"(<AREA SHAPE="RECT" COORDS="1,2,3,4" HREF="a.cgi?x=1&y=2" ALT="B &amp; C">)");

    Main().testAction->trigger();
    const QString page = Path("pics/$$TEMP$$.HTML");
    EXPECT_EQ(testpics::ReadBytes(page), QByteArray::fromStdString(vemo::TestPageText(Document().Lines())));
    EXPECT_EQ(opened.Urls(), QList<QUrl>{QUrl::fromLocalFile(page)});
}

TEST_F(BrowserPagesTest, TopicsOpensTheHelpIndexBesideTheProgram)
{
    environment.programPath = QStringLiteral(VEMO_PROGRAM_PATH);
    Start();
    Main().helpAction->trigger();
    const QString index = QFileInfo(environment.programPath).absolutePath() + "/HELP/index.html";
    ASSERT_TRUE(QFileInfo(index).isFile()) << "the build puts the help pages beside the program";
    EXPECT_EQ(opened.Urls(), QList<QUrl>{QUrl::fromLocalFile(index)});
}

TEST_F(BrowserPagesTest, MissingHelpIsReportedAndOpensNothing)
{
    Start();
    ModalAnswerer answerer;
    Main().helpAction->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, "Help pages not found: " + Path("HELP/index.html"));
    EXPECT_TRUE(opened.Urls().isEmpty());
}

} // namespace
