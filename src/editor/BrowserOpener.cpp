#include "editor/BrowserOpener.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMainWindow>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QUrl>

#include "desktop/MessageDialogs.h"

namespace {

// xdg-open fails within this time when it finds no browser or the browser will not start.
constexpr qint64 kWatchMilliseconds = 5000;

} // namespace

BrowserOpener::BrowserOpener(QMainWindow &window, bool watchXdgOpen)
    : window_(window), watchXdgOpen_(watchXdgOpen)
{
}

bool BrowserOpener::DesktopRunsXdgOpen()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    // Elsewhere (offscreen, where the widget tests catch pages with QDesktopServices' URL
    // handlers; a framebuffer) no browser shows on a desktop, and Qt's answer is all there is.
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
#else
    return false;
#endif
}

void BrowserOpener::Open(const QString &pagePath)
{
    if (watchXdgOpen_) {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
        if (!program.isEmpty()) {
            RunXdgOpen(program, pagePath);
            return;
        }
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(pagePath)))
        ReportNotOpened(pagePath, {});
}

void BrowserOpener::RunXdgOpen(const QString &program, const QString &pagePath)
{
    // Without a parent: deleting a QProcess kills what it runs, and xdg-open may be waiting on
    // the browser, which must outlive this window and the editor. It deletes itself once it ends.
    auto *process = new QProcess;
    process->setProgram(program);
    // As a file URL, which is what Qt's own opener hands to xdg-open.
    process->setArguments({QString::fromLatin1(QUrl::fromLocalFile(pagePath).toEncoded())});
    // No pipes that a talkative browser could fill and block on.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer running;
    running.start();
    connect(process, &QProcess::finished, process, &QObject::deleteLater);
    connect(process, &QProcess::finished, this, [this, pagePath, running](int code, QProcess::ExitStatus status) {
        if (running.elapsed() > kWatchMilliseconds)
            return;
        if (status == QProcess::CrashExit)
            ReportNotOpened(pagePath, tr("xdg-open stopped abnormally."));
        else if (code != 0)
            ReportNotOpened(pagePath, tr("xdg-open ended with exit code %1.").arg(code));
    });
    connect(process, &QProcess::errorOccurred, this, [this, process, pagePath](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        ReportNotOpened(pagePath, process->errorString());
        process->deleteLater();
    });
    process->start();
}

void BrowserOpener::ReportNotOpened(const QString &pagePath, const QString &reason)
{
    const QString path = QDir::toNativeSeparators(pagePath);
    window_.statusBar()->showMessage(tr("No browser opened: %1").arg(path));
    QString text = tr("No browser could be opened.\r\nPlease open %1 yourself.").arg(path);
    if (!reason.isEmpty())
        text += QStringLiteral("\r\n") + reason;
    ShowMessageBox(&window_, MessageKind::Warning, text, static_cast<int>(MessageButton::Ok));
}
