#include "app/StartupClock.h"

#include <QCoreApplication>
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

class QuitAfterPaint : public QObject
{
public:
    // Watches the widget it is installed on, or, given an object name, every object of the
    // application for one of that name.
    explicit QuitAfterPaint(QObject *parent, QString objectName = {}) : QObject(parent), objectName_(std::move(objectName)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && (objectName_.isEmpty() || watched->objectName() == objectName_)) {
            // Queued, so the paint under way finishes first. exit(), not quit(): quit() first asks
            // every window to close, and the view answers a close request by closing the map and
            // staying open, which cancels the quit and leaves the program running without its
            // picture (whenever the view happens to be asked before the main window).
            QMetaObject::invokeMethod(
                QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
            parent()->removeEventFilter(this);
        }
        return false;
    }

private:
    QString objectName_;
};

} // namespace

void ReportFirstExposeWhenAsked(QWidget &window)
{
    if (qEnvironmentVariableIsEmpty("VEMO_STARTUP_CLOCK") || !window.windowHandle())
        return;
    QWindow *handle = window.windowHandle();
    handle->installEventFilter(new FirstExposeReporter(handle));
}

void QuitWhenPaintedIfAsked(QWidget &widget)
{
    const QString name = qEnvironmentVariable("VEMO_QUIT_WHEN_PAINTED");
    if (name.isEmpty())
        return;
    if (name == QLatin1String("1")) {
        widget.installEventFilter(new QuitAfterPaint(&widget));
        return;
    }
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new QuitAfterPaint(application, name));
}
