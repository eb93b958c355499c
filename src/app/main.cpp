// Vemo-Editor: an editor for HTML client-side image maps.
#include <QApplication>

#include "app/CommandLine.h"
#include "app/EditorApp.h"
#include "app/StartupClock.h"
#include "editor/MainWindow.h"
#include "editor/ViewWindow.h"
#include "widgets/PictureBox.h"

int main(int argc, char **argv)
{
    if (const std::optional<int> answered = AnswerHelpOrVersion(argc, argv))
        return *answered;
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vemo-Editor"));

    EditorApp editor(StartupEnvironment::FromSystem());
    editor.Main().show();
    ReportFirstExposeWhenAsked(editor.Main());
    QuitWhenPaintedIfAsked(*editor.View().findChild<PictureBox *>(QStringLiteral("picture")));
    return application.exec();
}
