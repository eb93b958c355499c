// Pages the editor hands to the desktop's browser: the test page for the map, and the help pages.
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrl>
#include <QFileInfo>
#include <QStatusBar>
#include <QTest>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "OpenedUrls.h"
#include "TestPictures.h"
#include "core/TestPage.h"
#include "editor/BrowserOpener.h"

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

    Action(Main(), "testAction")->trigger();
    const QString page = Path("pics/$$TEMP$$.HTML");
    EXPECT_EQ(testpics::ReadBytes(page), QByteArray::fromStdString(vemo::TestPageText(Document().Lines())));
    EXPECT_EQ(opened.Urls(), QList<QUrl>{QUrl::fromLocalFile(page)});
}

TEST_F(BrowserPagesTest, TopicsOpensTheHelpIndexBesideTheProgram)
{
    environment.programPath = QStringLiteral(VEMO_PROGRAM_PATH);
    Start();
    Action(Main(), "helpAction")->trigger();
    const QString index = QFileInfo(environment.programPath).absolutePath() + "/HELP/index.html";
    ASSERT_TRUE(QFileInfo(index).isFile()) << "the build puts the help pages beside the program";
    EXPECT_EQ(opened.Urls(), QList<QUrl>{QUrl::fromLocalFile(index)});
}

TEST_F(BrowserPagesTest, MissingHelpIsReportedAndOpensNothing)
{
    Start();
    ModalAnswerer answerer;
    Action(Main(), "helpAction")->trigger();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, "Help pages not found: " + Path("HELP/index.html"));
    EXPECT_TRUE(opened.Urls().isEmpty());
}

TEST_F(BrowserPagesTest, WhenNoBrowserOpensTestAndHelpSaySoAndNameThePage)
{
    ASSERT_TRUE(testpics::MakePicture(Path("photo.gif"), 30, 20));
    environment.programPath = QStringLiteral(VEMO_PROGRAM_PATH);
    Start();
    Main().OpenPictureFile(Path("photo.gif"));
    // A handler without the slot it names: QDesktopServices then answers that nothing opened,
    // as it does where it finds no opener to start.
    QObject noOpener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &noOpener, "NoSuchSlot");
    const QString help = QFileInfo(environment.programPath).absolutePath() + "/HELP/index.html";
    const struct {
        QAction *command;
        QString page;
    } cases[] = {{Action(Main(), "testAction"), Path("$$TEMP$$.HTML")}, {Action(Main(), "helpAction"), help}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.page.toStdString());
        ModalAnswerer answerer;
        c.command->trigger();
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen()[0].text, "No browser could be opened.\r\nPlease open " + c.page + " yourself.");
        EXPECT_EQ(Main().statusBar()->currentMessage(), "No browser opened: " + c.page);
    }
}

// Where Qt would hand the page to xdg-open and forget it, the editor runs xdg-open itself and
// hears when it fails. Here xdg-open is a script on the PATH that notes the page it was given.
TEST_F(BrowserPagesTest, AnXdgOpenThatFailsIsReportedAndOneThatWorksIsNot)
{
    Start();
    ASSERT_TRUE(QDir(dir.path()).mkdir("bin"));
    const struct PathKept {
        QByteArray path = qgetenv("PATH");
        ~PathKept() { qputenv("PATH", path); }
    } kept;
    qputenv("PATH", Path("bin").toLocal8Bit());
    const QString page = Path("page.html");
    const QString asked = Path("asked");
    BrowserOpener browser(Main(), true);
    for (const int exitCode : {0, 4}) {
        SCOPED_TRACE(exitCode);
        const QString script = Path("bin/xdg-open");
        QFile::remove(script);
        QFile::remove(asked);
        ASSERT_TRUE(testpics::WriteBytes(
            script, QStringLiteral("#!/bin/sh\necho \"$1\" > '%1'\nexit %2\n").arg(asked).arg(exitCode).toLocal8Bit()));
        ASSERT_TRUE(QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ModalAnswerer answerer;
        browser.Open(page);
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(asked); }, 5000));
        if (exitCode == 0) {
            QTest::qWait(300);
            EXPECT_TRUE(answerer.Seen().isEmpty());
        } else {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !answerer.Seen().isEmpty(); }, 5000));
            EXPECT_EQ(answerer.Seen()[0].text, "No browser could be opened.\r\nPlease open " + page
                                                   + " yourself.\r\nxdg-open ended with exit code 4.");
            EXPECT_EQ(Main().statusBar()->currentMessage(), "No browser opened: " + page);
        }
        // Given as a file URL, as Qt's own opener gives it.
        EXPECT_EQ(testpics::ReadBytes(asked), QUrl::fromLocalFile(page).toEncoded() + "\n");
    }
}

} // namespace
