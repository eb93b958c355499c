#include "app/EditorApp.h"

#include "app/About.h"
#include "dialogs/CircSet.h"
#include "dialogs/RectSet.h"
#include "imagelib/ImageLibrary.h"
#include "map/ImgProp.h"
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
    aboutFrm_ = std::make_unique<TAboutFrm>(environment.logicalDpi);
    state_.AboutFrm = aboutFrm_.get();
    imgPropFrm_ = std::make_unique<TImgPropFrm>(state_);
    state_.ImgPropFrm = imgPropFrm_.get();
}

EditorApp::~EditorApp() = default;
