// File > Export Map to Page with real page files: an unchanged import gives the page back and a
// changed map changes only its lines; a link chosen as the page is followed, anything but a regular
// file is refused unopened, and a full or read-only disk leaves the page whole. Import asks before
// it takes the page's names.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"
#include "TinyDisk.h"
#include "editor/PageExporter.h"
#include "editor/PageImporter.h"

namespace {

const QStringList kSideFile = {"<IMG SRC=\"pic.gif\" ALT=\"pic.gif\" BORDER=\"0\" WIDTH=200 HEIGHT=150 USEMAP=\"#pic\">",
                               "<MAP NAME=\"pic\">", "</MAP>"};

// A Shift-JIS page whose map is in the editor's own line forms.
const QByteArray kPage = "<HTML>\r\n<P>\x95\x5c\x8e\xa6</P>\r\n <IMG SRC=\"pic.gif\" USEMAP=\"#pic\">\r\n"
                         " <MAP NAME=\"pic\">\r\n"
                         " <AREA SHAPE=\"RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"\x95\x5c\x8e\xa6\">\r\n"
                         " </MAP>\r\n</HTML>\r\n";

class PageExportTest : public AreaEditingFixture {
protected:
    // Exports into the page at path and gives what the message boxes said.
    QList<SeenMessage> Export(const QString &path)
    {
        ModalAnswerer answerer;
        Main().Exporter().Export(path);
        return answerer.Seen();
    }
};

TEST_F(PageExportTest, AnUnchangedImportGivesThePageBackAndAChangedAreaChangesOnlyItsLine)
{
    OpenMap(kSideFile);
    ASSERT_TRUE(testpics::WriteBytes(Path("page.html"), kPage));
    {
        ModalAnswerer answerer;
        Main().Importer().Import(Path("page.html"));
        EXPECT_TRUE(answerer.Seen().isEmpty()) << "the names agree and nothing was lost";
    }
    QList<SeenMessage> seen = Export(Path("page.html"));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].text.contains("already holds the map pic")) << seen[0].text.toStdString();
    EXPECT_EQ(testpics::ReadBytes(Path("page.html")), kPage);

    Document().ReplaceLine(2, "<AREA SHAPE=\"CIRCLE\" COORDS=\"5,6,7\" HREF=\"b.htm\" ALT=\"表\">");
    seen = Export(Path("page.html"));
    QByteArray expected = kPage;
    expected.replace("RECT\" COORDS=\"1,2,3,4\" HREF=\"a.htm\" ALT=\"\x95\x5c\x8e\xa6",
                     "CIRCLE\" COORDS=\"5,6,7\" HREF=\"b.htm\" ALT=\"\x95\x5c");
    EXPECT_EQ(testpics::ReadBytes(Path("page.html")), expected);
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].text.contains("Lines 4 to 6: the map pic, in place of the page's map of that name (lines 4 to 6 "
                                      "before)"))
        << seen[0].text.toStdString();
}

TEST_F(PageExportTest, ALinkChosenAsThePageIsFollowedAndStaysALink)
{
    OpenMap(kSideFile);
    ASSERT_TRUE(QDir(dir.path()).mkpath("site"));
    ASSERT_TRUE(testpics::WriteBytes(Path("site/page.html"), "<img src=pic.gif>\n"));
    ASSERT_EQ(::chmod(QFile::encodeName(Path("site/page.html")).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(Path("site/page.html"), Path("page.html")));

    const QList<SeenMessage> seen = Export(Path("page.html"));
    ASSERT_EQ(seen.size(), 1);
    EXPECT_TRUE(seen[0].text.contains("Line 1: the picture was given a usemap")) << seen[0].text.toStdString();
    EXPECT_TRUE(QFileInfo(Path("page.html")).isSymLink());
    EXPECT_EQ(testpics::ReadBytes(Path("site/page.html")),
              "<img src=pic.gif usemap=\"#pic\">\n<MAP NAME=\"pic\">\n</MAP>\n");
    EXPECT_EQ(QFileInfo(Path("site/page.html")).permissions() & 0x0777, QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
}

TEST_F(PageExportTest, AnythingButARegularFileIsRefusedUnopened)
{
    OpenMap(kSideFile);
    // Opening the pipe would wait for a writer for ever.
    ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.html")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(Path("nothing.html"), Path("dangling.html")));
    for (const QString name : {"pipe.html", "dangling.html", "folder"}) {
        SCOPED_TRACE(name.toStdString());
        if (name == "folder") {
            ASSERT_TRUE(QDir(dir.path()).mkpath(name));
        }
        const QList<SeenMessage> seen = Export(Path(name));
        ASSERT_EQ(seen.size(), 1);
        EXPECT_EQ(seen[0].text, "The page " + Path(name) + " is missing or is not a regular file.");
    }
    EXPECT_FALSE(QFileInfo::exists(Path("nothing.html")));
}

TEST_F(PageExportTest, AFullOrReadOnlyDiskLeavesThePageWholeAndSaysSo)
{
    TinyDisk disk;
    if (disk.Refused())
        GTEST_SKIP() << "needs a tmpfs mount, which this process may not make: " << disk.Problem().toStdString();
    ASSERT_TRUE(disk.Mounted()) << disk.Problem().toStdString();
    OpenMap(kSideFile);
    const QByteArray page = "<img src=pic.gif>" + QByteArray(8000, ' ');
    ASSERT_TRUE(testpics::WriteBytes(disk.Path("page.html"), page));
    const auto files = [&] { return QDir(disk.Folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); };
    ASSERT_TRUE(disk.Fill());
    const QStringList before = files();
    for (const bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "full");
        if (readOnly) {
            ASSERT_TRUE(disk.MakeReadOnly());
        }
        const QList<SeenMessage> seen = Export(disk.Path("page.html"));
        ASSERT_EQ(seen.size(), 1);
        EXPECT_TRUE(seen[0].text.startsWith("The page " + disk.Path("page.html") + " cannot be written: "));
        EXPECT_TRUE(seen[0].text.endsWith("It was left as it was.")) << seen[0].text.toStdString();
        EXPECT_EQ(testpics::ReadBytes(disk.Path("page.html")), page);
        EXPECT_EQ(files(), before);
    }
}

TEST_F(PageExportTest, ImportTakesThePagesNamesAsPartOfItsStepOnlyWhenTheUserAgrees)
{
    const QByteArray page = "<img src=\"img/pic.gif\" alt=\"Town\" usemap=\"#Nav\">\n"
                            "<map name=\"Nav\"><area coords=\"1,1,5,5\" href=\"a.htm\" alt=\"A\"></map>\n";
    const QString area = R"(<AREA SHAPE="RECT" COORDS="1,1,5,5" HREF="a.htm" ALT="A">)";
    const struct {
        const char *answer;
        QStringList lines;
    } cases[] = {
        {"いいえ(&N)", kSideFile.mid(0, 2) + QStringList{area, "</MAP>"}},
        {"はい(&Y)",
         {"<IMG SRC=\"pic.gif\" ALT=\"Town\" BORDER=\"0\" WIDTH=200 HEIGHT=150 USEMAP=\"#Nav\">", "<MAP NAME=\"Nav\">", area,
          "</MAP>"}},
    };
    ASSERT_TRUE(testpics::WriteBytes(Path("page.html"), page));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.answer);
        OpenMap(kSideFile);
        ModalAnswerer answerer({c.answer});
        Main().Importer().Import(Path("page.html"));
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_TRUE(answerer.Seen()[0].text.contains("Map name: Nav in the page, pic here"));
        EXPECT_TRUE(answerer.Seen()[0].text.contains("Picture ALT: Town in the page, pic.gif here"));
        EXPECT_EQ(ListLines(), c.lines);
        EXPECT_EQ(Document().History().undoText(), "Import Map");
        Document().History().undo();
        EXPECT_EQ(ListLines(), kSideFile);
    }
}

} // namespace
