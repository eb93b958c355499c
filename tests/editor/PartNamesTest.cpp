// The windows' parts are found by name from outside: each name must name exactly one part of its
// window, or a lookup would act on the wrong field; and the view says which picture pixels lie
// under a place on the screen at any zoom.
#include "AreaEditingFixture.h"
#include "editor/AboutBox.h"
#include "editor/DefaultAreaDialog.h"
#include "editor/ImagePropertiesDialog.h"
#include "editor/MapCheckWindow.h"
#include "editor/PolygonDialog.h"

namespace {

class PartNamesTest : public AreaEditingFixture {};

TEST_F(PartNamesTest, EachNameFindsExactlyOnePartOfItsWindow)
{
    const std::vector<std::pair<QObject *, std::vector<const char *>>> windows = {
        {&Main(),
         {"lineList", "lineMenu", "recentPictures", "toolStrip", "openButton", "saveButton", "clipButton", "editButton",
          "rectangleButton", "circleButton", "testButton", "helpButton", "imageButton", "openAction", "closeAction",
          "importAction", "saveAction", "exitAction", "undoAction", "redoAction", "moveUpAction", "moveDownAction",
          "checkAction", "copyAction", "editAction", "deleteAction", "imagePropertiesAction", "testAction",
          "newRectangleAction", "newCircleAction", "newPolygonAction", "newDefaultAreaAction", "fontAction",
          "colourAction", "helpAction", "aboutAction", "lineMenuEdit", "lineMenuDelete", "lineMenuTest",
          "lineMenuFont"}},
        {&View(), {"picture", "shape", "polygon", "resizeFrame"}},
        {&Rect(), {"x0Field", "y0Field", "x1Field", "y1Field", "linkField", "altField", "browseButton", "setButton",
                   "cancelButton", "switchButton"}},
        {&Circ(), {"xField", "yField", "radiusField", "switchButton"}},
        {&Main().Areas().Polygon(), {"pointsField", "linkField", "setButton"}},
        {&Main().Areas().DefaultArea(), {"linkField", "altField", "setButton", "cancelButton"}},
        {&Main().ImageProperties(),
         {"pictureField", "borderField", "mapNameField", "pictureAltField", "setButton", "cancelButton"}},
        {&Main().About(), {"okButton"}},
        {&Main().CheckWindow(), {"findingList"}},
    };
    for (const auto &[window, names] : windows) {
        for (const char *name : names)
            EXPECT_EQ(window->findChildren<QObject *>(QString::fromLatin1(name)).size(), 1)
                << name << " in " << window->metaObject()->className();
    }
}

TEST_F(PartNamesTest, PicturePixelsUnderAPlaceOnTheScreenFollowTheZoom)
{
    OpenMap();
    const struct {
        double zoom;
        vemo::Box expected;
    } cases[] = {
        {1.0, {10, 20, 20, 20}},
        {2.0, {5, 10, 10, 10}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.zoom);
        View().SetZoom(c.zoom);
        // Display pixels 10..29 across and 20..39 down, wherever the picture is scrolled.
        const QRect onScreen(ViewPicture()->mapToGlobal(QPoint(10, 20)), QSize(20, 20));
        EXPECT_EQ(View().PicturePixelsUnder(onScreen), c.expected);
    }
}

} // namespace
