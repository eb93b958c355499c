#include "app/EditorApp.h"

#include "dialogs/CircSet.h"
#include "dialogs/RectSet.h"
#include "imagelib/ImageLibrary.h"
#include "map/Vemo1.h"
#include "view/Vemo2.h"

EditorApp::EditorApp(const StartupEnvironment &environment) : imageLib_(std::make_unique<ImageLibrary>())
{
    state_.ImageLib = imageLib_.get();
    // The main window comes first: its creation settles the language the others read.
    mainFrm_ = std::make_unique<TMainFrm>(state_, environment);
    state_.MainFrm = mainFrm_.get();
    viewFrm_ = std::make_unique<TViewFrm>(state_);
    state_.ViewFrm = viewFrm_.get();
    rectFrm_ = std::make_unique<TRectFrm>(state_);
    state_.RectFrm = rectFrm_.get();
    circFrm_ = std::make_unique<TCircFrm>(state_);
    state_.CircFrm = circFrm_.get();
}

EditorApp::~EditorApp() = default;
