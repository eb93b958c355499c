// A small form with attached controls, and real mouse and key input for it.
#pragma once

#include "QtPrinters.h"
#include "resizeframe/ResizeFrame.h"
#include "widgets/Shape.h"

#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const EdgeRect &r, std::ostream *out)
{
    *out << "{" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << "}";
}

// Records the frame's eight events as "Event(name x,y)" strings.
class EventLog {
public:
    explicit EventLog(ResizeFrame *frame);
    QStringList events;
    void clear() { events.clear(); }
    // The events without the mouse moves, which Qt also sends as the pointer
    // arrives where a press happens.
    QStringList withoutMoves() const;
};

// A 400 x 300 form holding two shapes, a button and a panel with a shape
// inside, with a frame (AutoAttach off) that has attached nothing yet.
// Mouse input goes through the form's window, so Qt picks the receiver
// under the pointer and keeps the implicit grab while a button is held.
class FrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void AttachFormControls();
    QWindow *window() const { return form->windowHandle(); }
    // A point given in widget's coordinates, as a point of the form.
    QPoint at(const QWidget *widget, QPoint local) const { return widget->mapTo(form.get(), local); }

    void press(QPoint p, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton);
    void move(QPoint p);
    void release(QPoint p, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton);
    void click(QPoint p, Qt::KeyboardModifiers modifiers = {}, Qt::MouseButton button = Qt::LeftButton);
    // Drags from a to b in a few steps with the left button.
    void drag(QPoint a, QPoint b);
    // Drags from a to b in one mouse move.
    void dragInOneStep(QPoint a, QPoint b);
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    QWidget *handle(int index) const { return frame->Handles().value(index); }
    QPoint handleCentre(int index) const { return at(handle(index), QPoint(2, 2)); }
    bool handlesVisible() const;

    std::unique_ptr<QWidget> form;
    Shape *shapeA = nullptr;  // (20, 20) 50 x 50
    Shape *shapeB = nullptr;  // (100, 20) 40 x 20
    QPushButton *button = nullptr; // (200, 20) 80 x 30
    QWidget *panel = nullptr; // (20, 150) 200 x 100
    Shape *inPanel = nullptr; // (10, 10) 30 x 30 inside the panel
    ResizeFrame *frame = nullptr;
    std::unique_ptr<EventLog> log;
};
