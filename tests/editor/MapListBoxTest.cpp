// The list of map lines: exact bytes through every edit, which selection changes are reported,
// long lines within the scroll range, and the mouse on a line in the main window.
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>

#include <algorithm>

#include "AreaEditingFixture.h"
#include "editor/MapLineModel.h"

namespace {

// Bytes that are not valid UTF-8 (Shift-JIS) and a NUL inside a line.
const std::string kForeign = "ALT=\"\x95\x5C\x8E\xA6\"";
const std::string kWithNul = std::string("a\0b", 3);

TEST(MapLineModelTest, EditsKeepTheBytesAndRowsOutsideTheListDoNothing)
{
    MapLineModel lines;
    lines.SetLines({"first", kForeign, ""});
    lines.InsertLine(-5, "prepended");
    lines.InsertLine(99, kWithNul);
    lines.SetLineAt(1, "rewritten");
    lines.SetLineAt(-1, "lost");
    lines.SetLineAt(lines.rowCount(), "lost");
    lines.RemoveLine(lines.rowCount());
    lines.RemoveLine(-1);
    lines.RemoveLine(3);

    const std::vector<std::string> expected{"prepended", "rewritten", kForeign, kWithNul};
    EXPECT_EQ(lines.Lines(), expected);
    EXPECT_EQ(lines.LineAt(-1), "");
    EXPECT_EQ(lines.LineAt(lines.rowCount()), "");
    // Shown as the local encoding reads the bytes, the NUL and what follows it included.
    EXPECT_EQ(lines.index(2, 0).data().toString(), QString::fromLocal8Bit(QByteArray::fromStdString(kForeign)));
    EXPECT_EQ(lines.index(3, 0).data().toString(), QString::fromLocal8Bit(QByteArray("a\0b", 3)));
}

TEST(MapListBoxTest, TheUsersSelectionIsReportedAndTheProgramsIsNot)
{
    MapLineModel lines;
    MapListBox list(&lines);
    lines.SetLines({"0", "1", "2", "3"});
    QSignalSpy reported(&list, &MapListBox::itemSelectionChanged);

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
    lines.InsertLine(0, "new");
    EXPECT_EQ(list.SelectedIndex(), 3);
    EXPECT_EQ(lines.LineAt(3), "2");
    // Emptying the list drops the selection and says so.
    reported.clear();
    lines.SetLines({});
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_EQ(reported.count(), 1);
}

TEST(MapListBoxTest, TheLongestLinesFitTheScrollRangeWhereverTheyStand)
{
    MapLineModel lines;
    MapListBox list(&lines);
    list.resize(200, 120);
    std::vector<std::string> many(1000, "<AREA>");
    many[500] = std::string(150, 'W');
    lines.SetLines(many);
    list.show();
    QApplication::processEvents();
    const auto reach = [&list] { return list.horizontalScrollBar()->maximum() + list.viewport()->width(); };
    const auto textWidth = [&](int row) {
        return list.fontMetrics().horizontalAdvance(QString::fromStdString(lines.LineAt(row)));
    };
    EXPECT_GE(reach(), textWidth(500));

    // A rewritten line that becomes the longest widens the range at once.
    lines.SetLineAt(10, std::string(300, 'W'));
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
    MapListBox *list = List();
    const QPoint onArea = list->visualRect(list->model()->index(2, 0)).center();

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, onArea);
    EXPECT_EQ(list->SelectedIndex(), 2);
    EXPECT_TRUE(ViewShape()->isVisible());
    EXPECT_EQ(ShapeBounds(), QRect(10, 20, 50, 50));

    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, onArea);
    EXPECT_TRUE(Rect().isVisible());
    EXPECT_TRUE(EditingALine());
    Button(Rect(), "cancelButton")->click();

    QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, onArea, list->viewport()->mapToGlobal(onArea));
    QApplication::sendEvent(list->viewport(), &menuAsked);
    EXPECT_TRUE(Named<QMenu>(Main(), "lineMenu")->isVisible());
    Named<QMenu>(Main(), "lineMenu")->hide();
}

} // namespace
