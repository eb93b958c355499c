// The benchmark's measuring hooks: the program they run must end when asked, whatever its windows
// do with a close request.
#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/StartupClock.h"

namespace {

// Like the view window, which turns a close request into a request to close the map.
class RefusesToClose : public QWidget {
protected:
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

TEST(StartupClock, QuitWhenPaintedEndsTheProgramThoughAWindowRefusesToClose)
{
    qputenv("VEMO_QUIT_WHEN_PAINTED", "1");
    RefusesToClose view;
    QWidget main;
    main.show();
    view.show();
    QuitWhenPaintedIfAsked(view);
    view.update();
    // A quit that the window could refuse would leave the loop running until this ends it.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    const int status = QApplication::exec();
    qunsetenv("VEMO_QUIT_WHEN_PAINTED");
    EXPECT_EQ(status, 0);
    EXPECT_TRUE(view.isVisible()) << "no window was asked to close";
}

} // namespace
