#include "app/EditorApp.h"

#include "imagelib/ImageLibrary.h"
#include "editor/MapDocument.h"
#include "editor/MainWindow.h"
#include "editor/ViewWindow.h"

EditorApp::EditorApp(const StartupEnvironment &environment)
    : imageLib_(std::make_unique<ImageLibrary>()), document_(std::make_unique<MapDocument>()),
      viewFrm_(std::make_unique<TViewFrm>()),
      mainFrm_(std::make_unique<TMainFrm>(*document_, *viewFrm_, *imageLib_, environment))
{
}

EditorApp::~EditorApp() = default;
