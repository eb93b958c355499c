// The floor of start-up for the editor's start-up row: a Qt Widgets main window with a menu bar,
// a list and a status bar, and nothing else, timed by the same hook as the editor.
#include "app/StartupClock.h"

#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"), &window, &QWidget::close);
    window.setCentralWidget(new QListWidget(&window));
    window.statusBar()->showMessage(QStringLiteral("ready"));
    window.resize(480, 320);
    window.show();
    ReportFirstExposeWhenAsked(window);
    return application.exec();
}
