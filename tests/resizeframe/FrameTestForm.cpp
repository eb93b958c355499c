#include "FrameTestForm.h"

#include <QApplication>

namespace {

QString Name(QWidget *w)
{
    return w ? w->objectName() : QStringLiteral("-");
}

} // namespace

EventLog::EventLog(ResizeFrame *frame)
{
    auto point = [](int x, int y) { return QStringLiteral(" %1,%2").arg(x).arg(y); };
    QObject::connect(frame, &ResizeFrame::Clicked, frame, [this](QWidget *w) { events << "Click(" + Name(w) + ")"; });
    QObject::connect(frame, &ResizeFrame::DoubleClicked, frame,
                     [this](QWidget *w) { events << "DblClick(" + Name(w) + ")"; });
    QObject::connect(frame, &ResizeFrame::MousePressed, frame,
                     [this, point](QWidget *w, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                         events << "MouseDown(" + Name(w) + point(x, y) + ")";
                     });
    QObject::connect(frame, &ResizeFrame::MouseMoved, frame,
                     [this, point](QWidget *w, Qt::KeyboardModifiers, int x, int y) {
                         events << "MouseMove(" + Name(w) + point(x, y) + ")";
                     });
    QObject::connect(frame, &ResizeFrame::MouseReleased, frame,
                     [this, point](QWidget *w, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
                         events << "MouseUp(" + Name(w) + point(x, y) + ")";
                     });
    QObject::connect(frame, &ResizeFrame::HandlePressed, frame,
                     [this](QWidget *w, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         events << "HandleMouseDown(" + Name(w) + ")";
                     });
    QObject::connect(
        frame, &ResizeFrame::HandleMoved, frame,
        [this](QWidget *w, Qt::KeyboardModifiers, int, int) { events << "HandleMouseMove(" + Name(w) + ")"; });
    QObject::connect(frame, &ResizeFrame::HandleReleased, frame,
                     [this](QWidget *w, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                         events << "HandleMouseUp(" + Name(w) + ")";
                     });
}

QStringList EventLog::withoutMoves() const
{
    QStringList kept;
    for (const QString &event : events) {
        if (!event.startsWith("MouseMove"))
            kept << event;
    }
    return kept;
}

void FrameTest::SetUp()
{
    form = std::make_unique<QWidget>();
    form->setObjectName("form");
    form->setGeometry(50, 50, 400, 300);
    shapeA = new Shape(form.get());
    shapeA->setObjectName("A");
    shapeA->setGeometry(20, 20, 50, 50);
    shapeB = new Shape(form.get());
    shapeB->setObjectName("B");
    shapeB->setGeometry(100, 20, 40, 20);
    button = new QPushButton("Button", form.get());
    button->setObjectName("button");
    button->setGeometry(200, 20, 80, 30);
    panel = new QWidget(form.get());
    panel->setObjectName("panel");
    panel->setGeometry(20, 150, 200, 100);
    inPanel = new Shape(panel);
    inPanel->setObjectName("inPanel");
    inPanel->setGeometry(10, 10, 30, 30);
    frame = new ResizeFrame(form.get(), false);
    log = std::make_unique<EventLog>(frame);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

void FrameTest::TearDown()
{
    log.reset();
    form.reset();
}

void FrameTest::AttachFormControls()
{
    for (QWidget *control : {static_cast<QWidget *>(shapeA), static_cast<QWidget *>(shapeB),
                             static_cast<QWidget *>(button), static_cast<QWidget *>(inPanel)})
        frame->AttachControl(control);
}

void FrameTest::press(QPoint p, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    QTest::mousePress(window(), button, modifiers, p);
}

void FrameTest::move(QPoint p)
{
    QTest::mouseMove(window(), p);
}

void FrameTest::release(QPoint p, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    QTest::mouseRelease(window(), button, modifiers, p);
}

void FrameTest::click(QPoint p, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    press(p, modifiers, button);
    release(p, modifiers, button);
}

void FrameTest::drag(QPoint a, QPoint b)
{
    press(a);
    const QPoint step = (b - a) / 3;
    move(a + step);
    move(a + 2 * step);
    move(b);
    release(b);
}

void FrameTest::dragInOneStep(QPoint a, QPoint b)
{
    press(a);
    move(b);
    release(b);
}

void FrameTest::key(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(window(), key, modifiers);
}

bool FrameTest::handlesVisible() const
{
    const QList<QWidget *> handles = frame->Handles();
    if (handles.size() != HandleCount)
        return false;
    return std::all_of(handles.begin(), handles.end(), [](QWidget *h) { return h->isVisible(); });
}
