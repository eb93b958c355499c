// The list of map lines: exact bytes through every edit, which selection changes are reported,
// long lines within the scroll range, and the mouse on a line in the main window.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>

#include <algorithm>

#include "AreaEditingFixture.h"
#include "map/MapLineModel.h"

namespace {

// Bytes that are not valid UTF-8 (Shift-JIS) and a NUL inside a line.
const std::string kForeign = "ALT=\"\x95\x5C\x8E\xA6\"";
const std::string kWithNul = std::string("a\0b", 3);

TEST(MapListBoxTest, EditsKeepTheBytesAndIndexesOutsideTheListDoNothing)
{
    TMapListBox list;
    list.SetLines({"first", kForeign, ""});
    list.InsertLine(-5, "prepended");
    list.InsertLine(99, kWithNul);
    list.SetLineAt(1, "rewritten");
    list.SetLineAt(-1, "lost");
    list.SetLineAt(list.count(), "lost");
    list.RemoveLine(list.count());
    list.RemoveLine(-1);
    list.RemoveLine(3);

    const std::vector<std::string> expected{"prepended", "rewritten", kForeign, kWithNul};
    EXPECT_EQ(list.Lines(), expected);
    EXPECT_EQ(list.LineAt(-1), "");
    EXPECT_EQ(list.LineAt(list.count()), "");
    // Shown as the local encoding reads the bytes, the NUL and what follows it included.
    EXPECT_EQ(list.model()->index(2, 0).data().toString(), QString::fromLocal8Bit(QByteArray::fromStdString(kForeign)));
    EXPECT_EQ(list.model()->index(3, 0).data().toString(), QString::fromLocal8Bit(QByteArray("a\0b", 3)));

    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_TRUE(list.Lines().empty());
}

TEST(MapListBoxTest, TheUsersSelectionIsReportedAndTheProgramsIsNot)
{
    TMapListBox list;
    list.SetLines({"0", "1", "2", "3"});
    QSignalSpy reported(&list, &TMapListBox::itemSelectionChanged);

    list.setCurrentRow(1);
    EXPECT_EQ(reported.count(), 1);
    EXPECT_EQ(list.SelectedIndex(), 1);

    list.SelectLine(2);
    for (int none : {-1, 99}) {
        list.SelectLine(3);
        list.SelectLine(none);
        EXPECT_EQ(list.SelectedIndex(), -1) << none;
    }
    list.SelectLine(2);
    EXPECT_EQ(reported.count(), 1);
    EXPECT_EQ(list.SelectedIndex(), 2);
    EXPECT_EQ(list.currentRow(), 2);

    // A line inserted above moves the selection down with its line.
    list.InsertLine(0, "new");
    EXPECT_EQ(list.SelectedIndex(), 3);
    EXPECT_EQ(list.LineAt(3), "2");
    // Emptying the list drops the selection and says so.
    reported.clear();
    list.clear();
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(reported.count(), 1);
}

TEST(MapListBoxTest, TheLongestLinesFitTheScrollRangeWhereverTheyStand)
{
    TMapListBox list;
    list.resize(200, 120);
    std::vector<std::string> lines(1000, "<AREA>");
    lines[500] = std::string(150, 'W');
    list.SetLines(lines);
    list.show();
    QApplication::processEvents();
    const auto reach = [&list] { return list.horizontalScrollBar()->maximum() + list.viewport()->width(); };
    const auto textWidth = [&list](int row) {
        return list.fontMetrics().horizontalAdvance(QString::fromStdString(list.LineAt(row)));
    };
    EXPECT_GE(reach(), textWidth(500));

    // A rewritten line that becomes the longest widens the range at once.
    list.SetLineAt(10, std::string(300, 'W'));
    QApplication::processEvents();
    EXPECT_GE(reach(), textWidth(10));
}

TEST(MapLineModelTest, LongestRowsAreTheLinesWithTheMostBytes)
{
    MapLineModel model;
    model.SetLines({"ccc", "a", "eeeee", "", "dddd", "bb", "ffffff"});
    std::vector<int> rows = model.LongestRows(3);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<int>{2, 4, 6}));
    EXPECT_EQ(model.LongestRows(99).size(), 7U);
}

class MapListMouseTest : public AreaEditingFixture {};

TEST_F(MapListMouseTest, ClickDoubleClickAndContextMenuOnALine)
{
    OpenMapWithAreas({"<AREA SHAPE=\"RECT\" COORDS=\"10,20,59,69\" HREF=\"a.htm\" ALT=\"A\">"});
    TMapListBox *list = Main().ListBox1;
    const QPoint onArea = list->visualRect(list->model()->index(2, 0)).center();

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onArea);
    EXPECT_EQ(list->SelectedIndex(), 2);
    EXPECT_TRUE(View().Shape1->isVisible());
    EXPECT_EQ(ShapeBounds(), QRect(10, 20, 50, 50));

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onArea);
    EXPECT_TRUE(Rect().isVisible());
    EXPECT_TRUE(State().EditMode);
    Rect().BitBtn2->click();

    QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, onArea, list->viewport()->mapToGlobal(onArea));
    QApplication::sendEvent(list->viewport(), &menuAsked);
    EXPECT_TRUE(Main().PopupMenu1->isVisible());
    Main().PopupMenu1->hide();
}

} // namespace
