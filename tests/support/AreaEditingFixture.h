#pragma once
// An editor with a picture open, for tests of the view window, the area dialogs and the
// main window's area commands. Mouse input goes through the view's window, so Qt picks the
// receiver under the pointer as it would for a user.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "EditorFixture.h"
#include "TestPictures.h"
#include "editor/AreaEditor.h"
#include "editor/CircleDialog.h"
#include "editor/MapDocument.h"
#include "editor/RectangleDialog.h"
#include "resizeframe/PolygonFrame.h"
#include "resizeframe/ResizeFrame.h"
#include "widgets/PictureBox.h"

class AreaEditingFixture : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        Start();
        Main().show();
    }

    // Opens a 200 x 150 picture. With lines, its side file holds exactly them.
    void OpenMap(const QStringList &lines = {})
    {
        ASSERT_TRUE(testpics::MakePicture(Path("pic.gif"), 200, 150));
        if (!lines.isEmpty()) {
            ASSERT_TRUE(testpics::WriteBytes(Path("pic.vmo"), (lines.join("\r\n") + "\r\n").toUtf8()));
        }
        Main().OpenPictureFile(Path("pic.gif"));
        ASSERT_TRUE(View().isVisible());
    }
    // A map holding the given area lines between its start and end lines.
    void OpenMapWithAreas(const QStringList &areas)
    {
        OpenMap(QStringList{"<IMG SRC=\"pic.gif\" USEMAP=\"#pic\">", "<MAP NAME=\"pic\">"} + areas
                + QStringList{"</MAP>"});
    }

    ViewWindow &View() { return editor->View(); }
    RectangleDialog &Rect() { return Main().Areas().Rectangle(); }
    CircleDialog &Circ() { return Main().Areas().Circle(); }
    // The view's parts, found by name.
    Shape *ViewShape() { return Named<Shape>(View(), "shape"); }
    ResizeFrame *ViewFrame() { return Named<ResizeFrame>(View(), "resizeFrame"); }
    PictureBox *ViewPicture() { return Named<PictureBox>(View(), "picture"); }
    PolygonFrame *ViewPolygon() { return Named<PolygonFrame>(View(), "polygon"); }
    QRect ShapeBounds() { return ViewShape()->geometry(); }
    bool ShapeAttached() { return !ViewFrame()->Covers().isEmpty(); }
    // An existing line is open in its dialog, so that Set rewrites it.
    bool EditingALine() { return Main().Areas().Edited().Active() && !Main().Areas().Edited().IsNew(); }

    // The texts of a window's fields, found by name.
    static QStringList Texts(const QObject &window, std::initializer_list<const char *> names)
    {
        QStringList texts;
        for (const char *name : names)
            texts << Field(window, name)->text();
        return texts;
    }
    QStringList RectFields() { return Texts(Rect(), {"x0Field", "y0Field", "x1Field", "y1Field"}); }
    QStringList CircFields() { return Texts(Circ(), {"xField", "yField", "radiusField"}); }
    static QStringList LinkAndAlt(const QObject &dialog) { return Texts(dialog, {"linkField", "altField"}); }

    // Selects a line as the user does, so the list reports the change.
    void SelectLine(int index) { List()->setCurrentRow(index); }

    static void Activate(QWidget *window)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    // Replaces a field's text by typing, as the user does.
    static void Type(QLineEdit *field, const QString &text)
    {
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        else
            QTest::keyClicks(field, text);
    }

    QWindow *ViewHandle() { return View().windowHandle(); }
    // The middle of a picture pixel, in the view window's coordinates, at the view's zoom.
    QPoint InView(QPoint pixel)
    {
        const double zoom = View().Zoom();
        return ViewPicture()->mapTo(&View(), QPoint(int((pixel.x() + 0.5) * zoom), int((pixel.y() + 0.5) * zoom)));
    }
    // The map's lines as text.
    QStringList Lines()
    {
        QStringList lines;
        for (const std::string &line : editor->Document().Lines())
            lines << QString::fromStdString(line);
        return lines;
    }
};
