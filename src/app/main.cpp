// Vemo-Editor: an editor for HTML client-side image maps.
#include <QApplication>

#include "app/EditorApp.h"
#include "app/StartupClock.h"
#include "editor/MainWindow.h"
#include "editor/ViewWindow.h"
#include "widgets/PictureBox.h"

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemo-Editor"));

    EditorApp editor(StartupEnvironment::FromSystem());
    editor.Main().show();
    ReportFirstExposeWhenAsked(editor.Main());
    QuitWhenPaintedIfAsked(*editor.View().picture);
    return application.exec();
}
