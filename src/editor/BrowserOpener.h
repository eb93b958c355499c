#pragma once
// Hands a page on disk to the desktop's browser and, when no browser comes, says so over the main
// window and in its status bar, naming the page so the user can open it themselves.
//
// How far a failure can be seen depends on the desktop. QDesktopServices reports only whether it
// could start an opener at all. On X11 and Wayland it starts xdg-open and forgets it, and
// xdg-open fails later (no browser known, a browser that refuses to run as root), so there we
// run xdg-open ourselves and take a non-zero exit within a few seconds as the failure it is.
// Later than that, xdg-open may be waiting on the browser it started, and its end says nothing
// about the page.
#include <QObject>
#include <QString>

class QMainWindow;

class BrowserOpener : public QObject {
    Q_OBJECT
public:
    // With watchXdgOpen, xdg-open is run and watched where it is on the PATH; otherwise, and
    // where it is not, the page goes through QDesktopServices (whose URL handlers still apply).
    BrowserOpener(QMainWindow &window, bool watchXdgOpen = DesktopRunsXdgOpen());

    // Whether Qt hands pages to xdg-open on this desktop: on X11 and Wayland.
    static bool DesktopRunsXdgOpen();

    // Opens the page at path in the browser; tells the user when no browser came, at once or
    // when xdg-open fails a moment later.
    void Open(const QString &pagePath);

private:
    void RunXdgOpen(const QString &program, const QString &pagePath);
    // The message box and the status bar: no browser for pagePath; reason may add why.
    void ReportNotOpened(const QString &pagePath, const QString &reason);

    QMainWindow &window_;
    bool watchXdgOpen_;
};
