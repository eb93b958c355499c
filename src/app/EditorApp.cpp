#include "app/EditorApp.h"

#include "desktop/InterfaceTranslation.h"
#include "editor/MainWindow.h"
#include "editor/MapDocument.h"
#include "editor/ViewWindow.h"
#include "imagelib/ImageLibrary.h"

EditorApp::EditorApp(const StartupEnvironment &environment)
    : translation_(std::make_unique<InterfaceTranslation>(environment.language, environment.translationsFolder)),
      imageLibrary_(std::make_unique<ImageLibrary>()), document_(std::make_unique<MapDocument>()),
      view_(std::make_unique<ViewWindow>()),
      mainWindow_(std::make_unique<MainWindow>(*document_, *view_, *imageLibrary_, environment))
{
}

EditorApp::~EditorApp() = default;
