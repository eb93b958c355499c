#pragma once
// Acts on a modal dialog that a command under test opens: polls the dialog's own event loop
// until a visible top-level widget of type T shows up, then runs the action on it (once, or
// again at each poll until the action returns true).
#include <QApplication>
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
    }

private:
    void Poll()
    {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<T *>(window);
            if (dialog && dialog->isVisible() && action_(dialog)) {
                timer_.stop();
                return;
            }
        }
    }

    std::function<bool(T *)> action_;
    QTimer timer_;
};
