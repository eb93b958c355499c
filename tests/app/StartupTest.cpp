// Start-up and shut-down: settings read and written, language, the picture named on the command
// line, and the test page cleaned up at close.
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "OpenedUrls.h"
#include "TestPictures.h"
#include "TinyDisk.h"
#include "desktop/SettingsLocation.h"

namespace {

class NoActivation : public QObject {
protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::WindowActivate; }
};

class StartupTest : public EditorFixture {
protected:
    QString IniPath() { return Path("vemo-editor.INI"); }
    void WriteIni(const QByteArray &text) { ASSERT_TRUE(testpics::WriteBytes(IniPath(), text)); }
    void Activate()
    {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&Main(), &activate);
    }
};

TEST_F(StartupTest, WithoutSettingsTheWindowSitsAtTheOriginWithTheDefaultFont)
{
    Start();
    EXPECT_EQ(Main().SettingsPath(), IniPath()) << "a writable program folder keeps the settings";
    EXPECT_EQ(Main().pos(), QPoint(0, 0));
    EXPECT_EQ(List()->font().family(), "ＭＳ ゴシック");
    EXPECT_EQ(List()->font().pointSize(), 10);
    EXPECT_EQ(Main().size(), QSize(522, 335));
    EXPECT_EQ(Main().statusBar()->font().family(), "Arial");
    EXPECT_TRUE(Main().OpensPictureOnActivation());
    EXPECT_FALSE(Action(Main(), "saveAction")->isEnabled());
}

TEST_F(StartupTest, WindowSizeFollowsTheScreenResolution)
{
    environment.logicalDpi = 120;
    Start();
    EXPECT_EQ(Main().size(), QSize(652, 418));
}

TEST_F(StartupTest, SettingsValuesAreReadByTheirRules)
{
    WriteIni("; kept comment\r\n[other]\r\nLEFT=5\r\n[main]\r\nleft=0x20\r\nTOP=-2000\r\nFONTNAME=Courier\r\n"
             "FONTSIZE=abc\r\nJAPAN=1\r\n");
    Start();
    EXPECT_EQ(Main().pos(), QPoint(32, -2000)) << "a stored position is applied unchecked";
    EXPECT_EQ(List()->font().family(), "Courier");
    EXPECT_EQ(List()->font().pointSize(), 10);
    EXPECT_EQ(Main().statusBar()->font().family(), "Arial") << "JAPAN is written, never read";
}

TEST_F(StartupTest, JapaneseLocaleSwitchesMessagesAndFonts)
{
    environment.language = "ja";
    Start();
    EXPECT_EQ(Main().menuBar()->actions().first()->text(), "ファイル(&F)");
    const QFont statusFont = Main().statusBar()->font();
    EXPECT_EQ(statusFont.family(), "ＭＳ Ｐゴシック");
    // The face that is drawn has Japanese glyphs, whether or not the named face is installed.
    const QString shown = QFontInfo(statusFont).family();
    EXPECT_TRUE(QFontDatabase::writingSystems(shown).contains(QFontDatabase::Japanese)) << shown.toStdString();
}

TEST_F(StartupTest, FirstActivationOpensTheFirstMatchOfTheCommandLineOnly)
{
    ASSERT_TRUE(testpics::MakePicture(Path("picture.gif"), 12, 8));
    ASSERT_TRUE(testpics::MakePicture(Path("second.gif"), 12, 8));
    environment.arguments = {Path("pic*.gif"), Path("second.gif")};
    Start();

    Activate();
    EXPECT_FALSE(Main().OpensPictureOnActivation());
    EXPECT_EQ(Document().PicturePath(), Path("picture.gif"));

    Main().CloseMap();
    Activate();
    EXPECT_EQ(List()->count(), 0) << "later activations open nothing";
}

TEST_F(StartupTest, TheCommandLinePictureOpensOnceTheWindowIsShownWithoutAnActivation)
{
    ASSERT_TRUE(testpics::MakePicture(Path("picture.gif"), 12, 8));
    environment.arguments = {Path("picture.gif")};
    Start();
    // As under a window manager that never activates the window.
    NoActivation noActivation;
    Main().installEventFilter(&noActivation);
    Main().show();
    EXPECT_TRUE(Main().OpensPictureOnActivation()) << "not while the window is being shown";
    EXPECT_TRUE(QTest::qWaitFor([this] { return !Document().PicturePath().isEmpty(); }, 2000));
    EXPECT_EQ(Document().PicturePath(), Path("picture.gif"));
    EXPECT_FALSE(Main().OpensPictureOnActivation());
}

TEST_F(StartupTest, CommandLineWithoutMatchSaysSoThroughTheLoadFailure)
{
    environment.arguments = {Path("nothing*.gif")};
    Start();
    ModalAnswerer answerer;
    Activate();
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, "Cannot load this Graphic file!");
    EXPECT_FALSE(Main().OpensPictureOnActivation());
}

TEST_F(StartupTest, StoredFileNameTakesBracketsLiterally)
{
    ASSERT_TRUE(testpics::MakePicture(Path("pic[1].gif"), 4, 4));
    EXPECT_EQ(GetStoredFileName(Path("pic[1].gif")), "pic[1].gif");
    EXPECT_EQ(GetStoredFileName(Path("pic*")), "pic[1].gif");
    EXPECT_EQ(GetStoredFileName(Path("none*")), "");
}

TEST_F(StartupTest, ClosingWritesTheSettingsAndKeepsTheRestOfTheFile)
{
    WriteIni("; kept comment\r\n[other]\r\nA=1\r\n");
    Start();
    Main().move(40, 50);
    QFont font = List()->font();
    font.setPointSize(14);
    List()->setFont(font);

    EXPECT_TRUE(Main().close());
    EXPECT_EQ(testpics::ReadBytes(IniPath()),
              QByteArray("; kept comment\r\n[other]\r\nA=1\r\n[MAIN]\r\nLEFT=40\r\nTOP=50\r\n"
                         "FONTNAME=ＭＳ ゴシック\r\nFONTSIZE=14\r\nJAPAN=0\r\n"));
}

TEST_F(StartupTest, CancelledCloseKeepsSettingsButDeletesTheTestPage)
{
    ASSERT_TRUE(testpics::MakePicture(Path("one.gif"), 10, 10));
    Start();
    Main().show();
    Main().OpenPictureFile(Path("one.gif"));
    OpenedUrls opened;
    Action(Main(), "testAction")->trigger();
    ASSERT_TRUE(QFileInfo::exists(Path("$$TEMP$$.HTML")));
    Document().MarkModified();

    {
        ModalAnswerer cancel({"ｷｬﾝｾﾙ"});
        EXPECT_FALSE(Main().close());
    }
    EXPECT_TRUE(Main().isVisible());
    EXPECT_FALSE(QFileInfo::exists(IniPath()));
    EXPECT_FALSE(QFileInfo::exists(Path("$$TEMP$$.HTML")));
    EXPECT_EQ(List()->count(), 3);

    ModalAnswerer no({"いいえ(&N)"});
    EXPECT_TRUE(Main().close());
    EXPECT_TRUE(QFileInfo::exists(IniPath()));
}

TEST_F(StartupTest, UnwritableSettingsAreReportedButNeverKeepTheProgramOpen)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("vemo-editor.INI")); // a folder where the file should be
    Start();
    Main().show();
    ModalAnswerer answerer;
    EXPECT_TRUE(Main().close());
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].title, "Vemo-Editor");
    EXPECT_EQ(answerer.Seen()[0].text, IniPath() + " に書き込めません.");
}

TEST_F(StartupTest, ClosingWithoutAPictureKeepsAFileOfThePageNameInTheCurrentFolder)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    ASSERT_TRUE(testpics::WriteBytes(Path("$$TEMP$$.HTML"), "<html>"));
    Start();
    Main().close();
    QDir::setCurrent(previous);
    EXPECT_EQ(testpics::ReadBytes(Path("$$TEMP$$.HTML")), "<html>") << "this run wrote no page";
}

} // namespace

TEST(SettingsLocation, OnlyAFolderThatTakesNewFilesIsWritable)
{
    QTemporaryDir writable;
    EXPECT_TRUE(IsFolderWritable(writable.path()));
    EXPECT_TRUE(QDir(writable.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty())
        << "the probe leaves nothing behind";
    EXPECT_FALSE(IsFolderWritable(writable.filePath("missing")));

    TinyDisk disk;
    if (disk.Refused())
        GTEST_SKIP() << "no read-only mount here: " << disk.Problem().toStdString();
    ASSERT_TRUE(disk.Mounted()) << disk.Problem().toStdString();
    ASSERT_TRUE(disk.MakeReadOnly());
    EXPECT_FALSE(IsFolderWritable(disk.Folder())) << "a read-only mount refuses even root";
}

TEST_F(StartupTest, ProgramOnAReadOnlyDiskKeepsItsSettingsInTheUserConfigFolder)
{
    TinyDisk disk;
    if (disk.Refused())
        GTEST_SKIP() << "no read-only mount here: " << disk.Problem().toStdString();
    ASSERT_TRUE(disk.Mounted()) << disk.Problem().toStdString();
    ASSERT_TRUE(testpics::WriteBytes(disk.Path("vemo-editor"), "the program"));
    ASSERT_TRUE(disk.MakeReadOnly());
    environment.programPath = disk.Path("vemo-editor");
    const QString userIni = Path("config/Vemo-Editor/vemo-editor.INI");

    Start();
    EXPECT_EQ(Main().SettingsPath(), userIni);
    Main().show();
    Main().move(40, 50);
    {
        ModalAnswerer answerer;
        EXPECT_TRUE(Main().close());
        EXPECT_TRUE(answerer.Seen().isEmpty()) << "closing reports no write error";
    }
    EXPECT_EQ(testpics::ReadBytes(userIni),
              QByteArray("[MAIN]\r\nLEFT=40\r\nTOP=50\r\nFONTNAME=ＭＳ ゴシック\r\nFONTSIZE=10\r\nJAPAN=0\r\n"));

    editor.reset();
    Start();
    EXPECT_EQ(Main().pos(), QPoint(40, 50)) << "the next start reads them back";
}
