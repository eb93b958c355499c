#include "app/StartupClock.h"

#include <QEvent>
#include <QWindow>

#include <chrono>
#include <cstdio>

namespace {

class FirstExposeReporter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::fprintf(stderr, "exposed %lld\n",
                         static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
            std::fflush(stderr);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void ReportFirstExposeWhenAsked(QWidget &window)
{
    if (qEnvironmentVariableIsEmpty("VEMO_STARTUP_CLOCK") || !window.windowHandle())
        return;
    QWindow *handle = window.windowHandle();
    handle->installEventFilter(new FirstExposeReporter(handle));
}
