// A form whose controls can be moved and resized with the resize frame.
//
// Click a control to select it and drag it or its eight handles; Shift-click
// adds or removes controls; a band drawn on the empty form selects the
// controls inside it; Tab steps the selection and Delete removes the
// selected controls (the shape is protected). The right-click menu switches
// equal-ratio corners and a dotted outline. The last event shows in the title.
#include "resizeframe/ResizeFrame.h"
#include "widgets/Shape.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

QString Describe(const char *event, QWidget *sender, int x, int y)
{
    return QStringLiteral("%1(%2) %3,%4").arg(event, sender ? sender->objectName() : QString()).arg(x).arg(y);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);

    QWidget form;
    form.setWindowTitle("Resize frame demo");
    form.resize(520, 340);

    auto addLabel = [&form](const char *name, const QString &text, QRect bounds) {
        auto *label = new QLabel(text, &form);
        label->setObjectName(name);
        label->setGeometry(bounds);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
    };
    addLabel("Label1", "Name", QRect(20, 20, 90, 24));
    addLabel("Label2", "Link target", QRect(20, 60, 90, 24));
    auto *edit = new QLineEdit("index.html", &form);
    edit->setObjectName("Edit1");
    edit->setGeometry(120, 60, 160, 24);
    auto *ok = new QPushButton("OK", &form);
    ok->setObjectName("Button1");
    ok->setGeometry(300, 280, 90, 30);
    auto *cancel = new QPushButton("Cancel", &form);
    cancel->setObjectName("Button2");
    cancel->setGeometry(400, 280, 90, 30);
    cancel->setEnabled(false);
    auto *shape = new Shape(&form);
    shape->setObjectName("shape");
    shape->setGeometry(320, 40, 160, 120);
    shape->SetPenColor(Qt::darkBlue);
    shape->SetBrushColor(Qt::blue);
    auto *circle = new Shape(&form);
    circle->setObjectName("Shape2");
    circle->SetShapeKind(Shape::Kind::Circle);
    circle->setGeometry(60, 130, 100, 100);
    circle->SetBrushColor(Qt::darkGreen);

    // AutoAttach is on: once the event loop starts, every control of the
    // form is covered and the form's empty area takes rubber bands.
    auto *frame = new ResizeFrame(&form);
    frame->SetDeleteProtected(shape, true);

    QMenu menu;
    QAction *equalRatio = menu.addAction("Equal-ratio corners");
    equalRatio->setCheckable(true);
    QObject::connect(equalRatio, &QAction::toggled, frame,
                     [frame](bool on) { frame->SetCornerResize(on ? CornerKeepsRatio : CornerFollowsPointer); });
    QAction *dotted = menu.addAction("Dotted outline");
    dotted->setCheckable(true);
    QObject::connect(dotted, &QAction::toggled, frame,
                     [frame](bool on) { frame->SetLineStyle(on ? Qt::DotLine : Qt::SolidLine); });
    frame->SetPopUpMenu(&menu);

    auto showInTitle = [&form](const QString &what) { form.setWindowTitle("Resize frame demo - " + what); };
    QObject::connect(frame, &ResizeFrame::MouseReleased, &form,
                     [=](QWidget *sender, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                         showInTitle(Describe("MouseUp", sender, x, y));
                     });
    QObject::connect(frame, &ResizeFrame::HandleReleased, &form,
                     [=](QWidget *sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         const QRect r = sender->geometry();
                         showInTitle(QStringLiteral("HandleMouseUp(%1) %2 x %3")
                                         .arg(sender->objectName())
                                         .arg(r.width())
                                         .arg(r.height()));
                     });
    QObject::connect(frame, &ResizeFrame::DoubleClicked, &form,
                     [=](QWidget *sender) { showInTitle(Describe("DblClick", sender, 0, 0)); });

    form.show();
    return app.exec();
}
