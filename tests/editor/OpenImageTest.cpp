// Opening pictures: the generated or loaded map, the JPEG written beside other formats, and failures.
#include <QDir>
#include <QFileInfo>

#include "EditorFixture.h"
#include "ModalAnswerer.h"
#include "TestPictures.h"
#include "desktop/MessageDialogs.h"
#include "imagelib/ImageLibrary.h"
#include "widgets/PictureBox.h"

namespace {

class OpenImageTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        Start();
    }
};

TEST_F(OpenImageTest, GifWithoutSideFileGetsThreeLinesAndStaysAsItIs)
{
    const QString gif = Path("photo.gif");
    ASSERT_TRUE(testpics::MakePicture(gif, 320, 200));
    Main().OpenPictureFile(gif);

    EXPECT_EQ(ListLines(), (QStringList{
                               R"(<IMG SRC="photo.gif" ALT="photo.gif" BORDER="0" WIDTH=320 HEIGHT=200 USEMAP="#photo">)",
                               R"(<MAP NAME="photo">)", "</MAP>"}));
    EXPECT_EQ(Document().PicturePath(), gif);
    EXPECT_EQ(Document().MapName(), "photo");
    EXPECT_EQ(Document().MapFilePath(), Path("photo.vmo"));
    EXPECT_FALSE(Document().Modified());
    EXPECT_FALSE(QFileInfo::exists(Path("photo.jpg")));
    EXPECT_TRUE(editor->View().isVisible());
    EXPECT_EQ(editor->View().windowTitle(), "photo.gif in " + dir.path());
    EXPECT_EQ(editor->View().StatusPanel(1), "GIF 320 x 200");
    EXPECT_EQ(Main().StatusPanel(1), dir.path() + "/");
    EXPECT_TRUE(Action(Main(), "saveAction")->isEnabled());
    EXPECT_EQ(List()->SelectedIndex(), -1);
}

TEST_F(OpenImageTest, MapNameStopsAtTheFirstDot)
{
    const QString gif = Path("a.b.GIF");
    ASSERT_TRUE(testpics::MakePicture("GIF:" + gif, 8, 6));
    Main().OpenPictureFile(gif);
    EXPECT_EQ(Document().MapName(), "a");
    EXPECT_EQ(ListLines().value(1), R"(<MAP NAME="a">)");
    EXPECT_EQ(editor->View().StatusPanel(1), "GIF 8 x 6");
}

TEST_F(OpenImageTest, AQuoteInTheFileNameStaysInsideTheNewLinesAttributes)
{
    const QString gif = Path("say\"hi\".gif");
    ASSERT_TRUE(testpics::MakePicture(gif, 8, 6));
    Main().OpenPictureFile(gif);
    EXPECT_EQ(ListLines().mid(0, 2),
              (QStringList{R"(<IMG SRC="say&quot;hi&quot;.gif" ALT="say&quot;hi&quot;.gif" BORDER="0" WIDTH=8 HEIGHT=6 USEMAP="#say&quot;hi&quot;">)",
                           R"(<MAP NAME="say&quot;hi&quot;">)"}));
}

struct ConvertedFormat {
    const char *fileName;
    const char *convertTarget; // ImageMagick's format prefix
};

class ConvertedFormatTest : public OpenImageTest, public ::testing::WithParamInterface<ConvertedFormat> {};

TEST_P(ConvertedFormatTest, IsWrittenAsJpegBesideTheSourceAndTheMapRefersToIt)
{
    const QString source = Path(GetParam().fileName);
    ASSERT_TRUE(testpics::MakePicture(QString::fromLatin1(GetParam().convertTarget) + ":" + source, 40, 30));
    Main().OpenPictureFile(source);

    const QString expectedJpeg = Path(QFileInfo(source).fileName().section('.', 0, -2) + ".jpg");
    ASSERT_TRUE(QFileInfo::exists(expectedJpeg));
    EXPECT_TRUE(QFileInfo::exists(source)) << "the source picture stays where it was";
    EXPECT_EQ(Document().PicturePath(), expectedJpeg);
    EXPECT_EQ(Document().MapFilePath(), Path(QFileInfo(expectedJpeg).completeBaseName() + ".vmo"));
    EXPECT_TRUE(ListLines().value(0).startsWith("<IMG SRC=\"" + QFileInfo(expectedJpeg).fileName() + "\""));
    EXPECT_EQ(editor->View().StatusPanel(1), "JPEG 40 x 30");

    ImageLibrary reader;
    const QImage written = reader.Load(expectedJpeg, 1);
    EXPECT_EQ(written.size(), QSize(40, 30));
}

INSTANTIATE_TEST_SUITE_P(EveryOtherFormat, ConvertedFormatTest,
                         ::testing::Values(ConvertedFormat{"photo.bmp", "BMP3"}, ConvertedFormat{"photo.dib", "BMP3"},
                                           ConvertedFormat{"photo.rle", "BMP3"}, ConvertedFormat{"photo.pcx", "PCX"},
                                           ConvertedFormat{"photo.tga", "TGA"}, ConvertedFormat{"photo.jif", "JPEG"},
                                           ConvertedFormat{"photo.jpeg", "JPEG"}, ConvertedFormat{"photo.TGA", "TGA"}),
                         [](const auto &info) {
                             std::string name = info.param.fileName;
                             for (char &c : name)
                                 if (c == '.')
                                     c = '_';
                             return name;
                         });

struct KeptFormat {
    const char *fileName;
    const char *convertTarget;
    const char *kind;
};

class KeptFormatTest : public OpenImageTest, public ::testing::WithParamInterface<KeptFormat> {};

// With Keep PNG and WebP on, the map refers to the picture itself and no JPEG is written; off, it
// is converted as every other format is.
TEST_P(KeptFormatTest, IsUsedAsItIsOnlyWhileTheOptionIsOn)
{
    const QString source = Path(GetParam().fileName);
    const QString jpeg = Path("photo.jpg");
    // Half-transparent, which a JPEG could not keep.
    ASSERT_TRUE(testpics::MakePicture(QString::fromLatin1(GetParam().convertTarget) + ":" + source, 40, 30,
                                      {"-alpha", "set", "-channel", "A", "-evaluate", "set", "50%"}));

    QAction *keep = Action(Main(), "keepPngAction");
    ASSERT_TRUE(keep->isCheckable());
    keep->setChecked(true);
    Main().OpenPictureFile(source);
    EXPECT_EQ(Document().PicturePath(), source);
    EXPECT_TRUE(ListLines().value(0).startsWith("<IMG SRC=\"" + QFileInfo(source).fileName() + "\""));
    EXPECT_EQ(editor->View().StatusPanel(1), QString::fromLatin1(GetParam().kind) + " 40 x 30");
    EXPECT_FALSE(QFileInfo::exists(jpeg));
    ImageLibrary reader;
    EXPECT_TRUE(reader.Load(source, 1).hasAlphaChannel());

    keep->setChecked(false);
    Main().OpenPictureFile(source);
    EXPECT_EQ(Document().PicturePath(), jpeg);
    EXPECT_TRUE(QFileInfo::exists(jpeg));
}

INSTANTIATE_TEST_SUITE_P(PngAndWebp, KeptFormatTest,
                         ::testing::Values(KeptFormat{"photo.png", "PNG32", "PNG"}, KeptFormat{"photo.webp", "WEBP", "WebP"},
                                           KeptFormat{"photo.PNG", "PNG32", "PNG"}),
                         [](const auto &info) { return std::string(info.param.convertTarget) + "_" + std::to_string(info.index); });

TEST_F(OpenImageTest, UpperCaseJpgIsNeverRewritten)
{
    const QString jpg = Path("PHOTO.JPG");
    ASSERT_TRUE(testpics::MakePicture("JPEG:" + jpg, 20, 10));
    const QByteArray before = testpics::ReadBytes(jpg);
    Main().OpenPictureFile(jpg);
    EXPECT_EQ(testpics::ReadBytes(jpg), before);
    EXPECT_FALSE(QFileInfo::exists(Path("PHOTO.jpg")));
    EXPECT_EQ(editor->View().StatusPanel(1), "JPEG 20 x 10");
}

TEST_F(OpenImageTest, AnUnrelatedJpegOfTheSameNameIsReplacedOnlyWithConsent)
{
    const QString bmp = Path("photo.bmp");
    const QString jpg = Path("photo.jpg");
    ASSERT_TRUE(testpics::MakePicture(bmp, 40, 30));
    ASSERT_TRUE(testpics::MakePicture(jpg, 90, 70));
    const QByteArray usersJpeg = testpics::ReadBytes(jpg);

    {
        ModalAnswerer answerer({"いいえ(&N)"});
        Main().OpenPictureFile(bmp);
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen()[0].title, "警告");
        EXPECT_TRUE(answerer.Seen()[0].text.startsWith("photo.jpg already exists!"));
    }
    EXPECT_EQ(testpics::ReadBytes(jpg), usersJpeg);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(Action(Main(), "saveAction")->isEnabled());

    {
        ModalAnswerer answerer({"はい(&Y)"});
        Main().OpenPictureFile(bmp);
        EXPECT_EQ(answerer.Seen().size(), 1);
    }
    EXPECT_NE(testpics::ReadBytes(jpg), usersJpeg);
    EXPECT_EQ(ListLines().value(0).section(' ', 1, 1), R"(SRC="photo.jpg")");

    // Opening the same picture again replaces our own conversion without asking.
    ModalAnswerer answerer({"いいえ(&N)"});
    Main().OpenPictureFile(bmp);
    EXPECT_TRUE(answerer.Seen().isEmpty());
    EXPECT_EQ(List()->count(), 3);
}

TEST_F(OpenImageTest, AJpegThatCannotBeWrittenIsReportedAndLeavesNoDocument)
{
    const QString bmp = Path("photo.bmp");
    ASSERT_TRUE(testpics::MakePicture(bmp, 40, 30));
    ASSERT_TRUE(QDir(dir.path()).mkdir("photo.jpg")); // a folder where the JPEG should go

    ModalAnswerer answerer({"はい(&Y)", "OK"});
    RunGuarded(&Main(), [&] { Main().OpenPictureFile(bmp); });
    ASSERT_EQ(answerer.Seen().size(), 2);
    EXPECT_EQ(answerer.Seen()[1].title, "Vemo-Editor");
    EXPECT_TRUE(answerer.Seen()[1].text.contains(Path("photo.jpg")));
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(editor->View().isVisible());
    EXPECT_FALSE(Action(Main(), "saveAction")->isEnabled());
}

TEST_F(OpenImageTest, ASideFileThatCannotBeReadIsReportedAndLeavesNoDocument)
{
    const QString gif = Path("photo.gif");
    ASSERT_TRUE(testpics::MakePicture(gif, 20, 10));
    ASSERT_TRUE(QDir(dir.path()).mkdir("photo.vmo")); // named like the side file, but no file

    ModalAnswerer answerer;
    RunGuarded(&Main(), [&] { Main().OpenPictureFile(gif); });
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, "Cannot read " + Path("photo.vmo") + ".");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(editor->View().isVisible());
    EXPECT_FALSE(Action(Main(), "closeAction")->isEnabled());
    EXPECT_EQ(Document().PicturePath(), "");
    EXPECT_EQ(Document().MapFilePath(), "");
}

struct BrokenPicture {
    const char *name;
    QByteArray bytes;
};

class LoadFailureTest : public OpenImageTest, public ::testing::WithParamInterface<BrokenPicture> {};

TEST_P(LoadFailureTest, ShowsTheLoadFailureAndLeavesTheOpenMapAsItWas)
{
    const QString good = Path("good.gif");
    ASSERT_TRUE(testpics::MakePicture(good, 10, 10));
    Main().OpenPictureFile(good);
    Document().InsertLine(2, "<AREA SHAPE=\"RECT\" COORDS=\"1,1,5,5\" HREF=\"a.htm\" ALT=\"A\">");
    const QStringList changed = ListLines();

    const QString broken = Path(GetParam().name);
    ASSERT_TRUE(testpics::WriteBytes(broken, GetParam().bytes));
    ModalAnswerer answerer;
    Main().OpenPictureFile(broken);

    // No question about saving the map: it is not closed.
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].title, "ｴﾗｰ");
    EXPECT_EQ(answerer.Seen()[0].text, "Cannot load this Graphic file!");
    EXPECT_EQ(answerer.Seen()[0].buttons, QStringList{"OK"});
    EXPECT_EQ(ListLines(), changed);
    EXPECT_EQ(Document().PicturePath(), good);
    EXPECT_TRUE(Document().Modified());
    EXPECT_EQ(Document().History().undoText(), "New Area");
    EXPECT_TRUE(editor->View().isVisible());
    EXPECT_EQ(editor->View().PictureSize().width(), 10);
    EXPECT_TRUE(Action(Main(), "closeAction")->isEnabled());
    EXPECT_FALSE(QFileInfo::exists(Path("broken.jpg")));
}

// A picture replaces the open map only after the save question, and its JPEG is written only
// once the user has let the old map go.
TEST_F(OpenImageTest, APictureToConvertWaitsForTheOldMapToClose)
{
    const QString good = Path("good.gif");
    ASSERT_TRUE(testpics::MakePicture(good, 10, 10));
    ASSERT_TRUE(testpics::MakePicture(Path("photo.bmp"), 30, 20));
    Main().OpenPictureFile(good);
    Document().MarkModified();
    const struct {
        const char *answer;
        QString pictureAfter;
        bool jpegWritten;
    } cases[] = {{"ｷｬﾝｾﾙ", good, false}, {"いいえ(&N)", Path("photo.jpg"), true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer);
        ModalAnswerer answerer({QString::fromUtf8(c.answer)});
        Main().OpenPictureFile(Path("photo.bmp"));
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen()[0].text, "This image map is changed!!\r\nDo you save now?");
        EXPECT_EQ(Document().PicturePath(), c.pictureAfter);
        EXPECT_EQ(QFileInfo::exists(Path("photo.jpg")), c.jpegWritten);
    }
}

INSTANTIATE_TEST_SUITE_P(Broken, LoadFailureTest,
                         ::testing::Values(BrokenPicture{"broken.gif", QByteArray()},
                                           BrokenPicture{"broken.bmp", QByteArray("BM\x10\x00\x00\x00garbage", 13)},
                                           BrokenPicture{"broken.pcx", QByteArray("not a picture at all")},
                                           BrokenPicture{"broken.jif", QByteArray("\xFF\xD8\xFF\xE0", 4)}));

TEST_F(OpenImageTest, LoadFailureIsSaidInJapaneseToo)
{
    environment.language = "ja";
    Start();
    ModalAnswerer answerer;
    Main().OpenPictureFile(dir.path()); // a folder is not a picture
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen()[0].text, "画像ファイルが読み込めませんでした。");
}

} // namespace
