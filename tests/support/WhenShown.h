#pragma once
// Acts on a modal dialog that a command under test opens: polls the dialog's own event loop
// until a visible top-level widget of type T shows up, then runs the action on it (once, or
// again at each poll until the action returns true). A dialog still open after the deadline is
// closed and the test fails, so a wrong expectation cannot hang the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

template <typename T>
class WhenShown {
public:
    explicit WhenShown(std::function<bool(T *)> action) : action_(std::move(action))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(20);
        clock_.start();
    }

private:
    void Poll()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<T *>(window);
            if (!dialog || !dialog->isVisible())
                continue;
            if (clock_.elapsed() > kDeadlineMs) {
                ADD_FAILURE() << "the dialog's action never completed; closing the dialog";
                dialog->close();
                timer_.stop();
                return;
            }
            if (action_(dialog)) {
                timer_.stop();
                return;
            }
        }
    }

    static constexpr qint64 kDeadlineMs = 20000;
    std::function<bool(T *)> action_;
    QTimer timer_;
    QElapsedTimer clock_;
};
