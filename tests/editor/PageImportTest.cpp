// File > Import Map from Page with real page files: which map is taken, the page's encoding
// turned into the map's, the report of what could not be kept, and undo.
#include <QComboBox>
#include <QInputDialog>
#include <QStatusBar>
#include <QTimer>

#include "AreaEditingFixture.h"
#include "ModalAnswerer.h"
#include "core/PageMapReader.h"
#include "editor/PageImporter.h"

namespace {

class PageImportTest : public AreaEditingFixture {
protected:
    void Import(const QByteArray &page)
    {
        ASSERT_TRUE(testpics::WriteBytes(Path("page.html"), page));
        Main().Importer().Import(Path("page.html"));
    }
};

TEST_F(PageImportTest, TakesThePicturesMapIntoTheMapsEncodingAndUndoesAtOnce)
{
    OpenMapWithAreas({R"(<AREA SHAPE="RECT" COORDS="0,0,9,9" HREF="old.htm" ALT="Old">)"});
    const QStringList before = ListLines();
    // The page's name for the map is not taken.
    ModalAnswerer answerer({"いいえ(&N)", "OK"});
    // Shift-JIS bytes of 表示 (the second byte of 表 is a backslash), in a page of two maps whose
    // picture, under another folder and in another case, is this one.
    Import("<map name=other><area href=x.htm coords='1,1,2,2'></map>\r\n"
           "<IMG SRC='img\\PIC.GIF' usemap=\"#Nav\">\r\n"
           "<MAP NAME=\"Nav\">\r\n"
           "<area shape=circ coords=\"50 50 10\" href=\"c.htm\" alt=\"\x95\x5C\x8E\xA6\">\r\n"
           "<area shape=default href=\"rest.htm\" alt=\"Rest\">\r\n"
           "<area shape=poly coords=\"0,0 10,0 5,8\" href='p.htm' alt='P' target=_blank>\r\n"
           "</MAP>\r\n");
    const QStringList imported{"<AREA SHAPE=\"CIRCLE\" COORDS=\"50,50,10\" HREF=\"c.htm\" ALT=\"表示\">",
                               "<AREA SHAPE=\"POLY\" COORDS=\"0,0,10,0,5,8\" HREF=\"p.htm\" ALT=\"P\" TARGET=\"_blank\">",
                               "<AREA SHAPE=\"DEFAULT\" HREF=\"rest.htm\" ALT=\"Rest\">"};
    EXPECT_EQ(ListLines(), before.mid(0, 2) + imported + QStringList{"</MAP>"});
    ASSERT_EQ(answerer.Seen().size(), 2);
    EXPECT_TRUE(answerer.Seen().front().text.contains("Map name: Nav in the page, pic here"));
    EXPECT_TRUE(answerer.Seen().back().text.contains("Line 5: the default area was moved to the end"));
    EXPECT_TRUE(Main().statusBar()->currentMessage().contains("3"));
    EXPECT_EQ(Document().History().undoText(), "Import Map");
    Document().History().undo();
    EXPECT_EQ(ListLines(), before);
}

TEST_F(PageImportTest, ReportsWhatItCannotKeepAndAsksWhichMapWhenThePageDoesNotSay)
{
    OpenMap();
    const QStringList before = ListLines();
    {
        ModalAnswerer answerer;
        Import("<p>No map here, only <img src=pic.gif usemap=#gone></p>");
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen().front().text, "The page " + Path("page.html") + " holds no image map.");
    }
    EXPECT_EQ(ListLines(), before);
    EXPECT_FALSE(Document().History().canUndo());

    // Two maps and no picture of this name: the user picks the second.
    QTimer chooser;
    QStringList offered;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            offered = dialog->comboBoxItems();
            dialog->setTextValue(offered.value(1));
            dialog->accept();
        }
    });
    chooser.start(10);
    ModalAnswerer answerer;
    Import("<map name=a><area coords=1,1,2,2 href=a.htm alt=A></map>\n"
           "<map id=b>\n<area shape=rect coords=\"10%,0,50,20.5\" href=b.htm alt=B title=Bee onclick=go()>\n"
           "<area shape=star coords=1,2,3 nohref>\n</map>");
    EXPECT_EQ(offered, (QStringList{"a (1 areas, line 1)", "b (2 areas, line 2)"}));
    EXPECT_EQ(ListLines().mid(2, 2), (QStringList{R"(<AREA SHAPE="RECT" COORDS="10,0,50,20" HREF="b.htm" ALT="B" TITLE="Bee">)",
                                                  R"(<AREA SHAPE="RECT" COORDS="1,2,3," HREF="" ALT="">)"}));
    ASSERT_EQ(answerer.Seen().size(), 1);
    const QString report = answerer.Seen().front().text;
    for (const char *said : {"Line 3: the percentages", "Line 3: the fractions",
                                "Line 3: the attribute onclick", "Line 4: the unknown shape star",
                                "Line 4: the coordinates \"1,2,3\"", "Line 4: no link", "Line 4: the attribute nohref"})
        EXPECT_TRUE(report.contains(QString::fromUtf8(said))) << said << " in " << report.toStdString();
}

TEST_F(PageImportTest, TwoMapsThatReadAlikeAreTakenByTheirPlaceInTheChoice)
{
    OpenMap();
    QTimer chooser;
    QStringList offered;
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        if (auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
            offered = dialog->comboBoxItems();
            dialog->findChild<QComboBox *>()->setCurrentIndex(1);
            dialog->accept();
        }
    });
    chooser.start(10);
    Import("<map name=m><area coords=1,1,2,2 href=first.htm alt=F></map>"
           "<map name=m><area coords=1,1,2,2 href=second.htm alt=S></map>");
    EXPECT_EQ(offered, (QStringList{"m (1 areas, line 1)", "m (1 areas, line 1)"}));
    EXPECT_EQ(ListLines().value(2), R"(<AREA SHAPE="RECT" COORDS="1,1,2,2" HREF="second.htm" ALT="S">)");
}

TEST_F(PageImportTest, AMapPastTheAreaLimitIsRefusedWithTheMapUnchangedAndOneAtItIsTaken)
{
    OpenMap();
    const QStringList before = ListLines();
    const auto pageOf = [](std::size_t areas) {
        QByteArray page = "<map name=big>";
        for (std::size_t i = 0; i < areas; ++i)
            page += "<area>";
        return page + "</map>";
    };
    {
        ModalAnswerer answerer;
        Import(pageOf(vemo::kMostMapAreas + 1));
        ASSERT_EQ(answerer.Seen().size(), 1);
        EXPECT_EQ(answerer.Seen().front().text, "The map big has more than 250000 areas; at most 250000 can be imported.");
    }
    EXPECT_EQ(ListLines(), before);
    EXPECT_FALSE(Document().History().canUndo());

    ModalAnswerer answerer;
    Import(pageOf(vemo::kMostMapAreas));
    EXPECT_EQ(ListLines().size(), before.size() + static_cast<qsizetype>(vemo::kMostMapAreas));
    EXPECT_EQ(ListLines().value(2), R"(<AREA SHAPE="RECT" COORDS=",,," HREF="" ALT="">)");
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_TRUE(answerer.Seen().front().text.endsWith("and 499988 more (see Details)"));
}

TEST_F(PageImportTest, AnAreaOfMoreThanAMebibyteIsRefusedWithTheMapUnchanged)
{
    OpenMap();
    const QStringList before = ListLines();
    ModalAnswerer answerer;
    Import("<map name=long><area shape=poly href=a.htm coords=\"" + QByteArray(1024 * 1024, '1') + "\"></map>");
    ASSERT_EQ(answerer.Seen().size(), 1);
    EXPECT_EQ(answerer.Seen().front().text, "The map long has an area of more than 1048576 bytes, too long to import.");
    EXPECT_EQ(ListLines(), before);
    EXPECT_FALSE(Document().History().canUndo());
}

TEST_F(PageImportTest, ALongTextIsCutInTheReportBetweenCharacters)
{
    OpenMap();
    ModalAnswerer answerer;
    // Shift-JIS 表 is 0x95 0x5C: after one ASCII byte, the cut falls between two of them.
    QByteArray coords = "x";
    for (int i = 0; i < 5000; ++i)
        coords += "\x95\x5C";
    Import("<map name=m><area coords=\"" + coords + "\" href=a.htm></map>");
    ASSERT_EQ(answerer.Seen().size(), 1);
    const QString shown = "Line 1: the coordinates \"x" + QString::fromUtf8("表").repeated(99) + QChar(0x2026)
                          + "\" make no such shape; please mend them";
    EXPECT_TRUE(answerer.Seen().front().text.endsWith(shown)) << answerer.Seen().front().text.toStdString();
}

} // namespace
