#pragma once
// The running editor: its shared state, the image library and every window, created once in
// a fixed order and kept until the program ends.
#include <memory>

#include "app/StartupEnvironment.h"
#include "map/EditorState.h"

class ImageLibrary;
class TMainFrm;
class TViewFrm;
class TRectFrm;
class TCircFrm;
class TAboutFrm;
class TImgPropFrm;

class EditorApp {
public:
    explicit EditorApp(const StartupEnvironment &environment);
    ~EditorApp();

    EditorState &State() { return state_; }
    TMainFrm &MainFrm() { return *mainFrm_; }
    TViewFrm &ViewFrm() { return *viewFrm_; }
    TRectFrm &RectFrm() { return *rectFrm_; }
    TCircFrm &CircFrm() { return *circFrm_; }
    TAboutFrm &AboutFrm() { return *aboutFrm_; }
    TImgPropFrm &ImgPropFrm() { return *imgPropFrm_; }

private:
    EditorState state_;
    std::unique_ptr<ImageLibrary> imageLib_;
    // Destroyed in reverse order: the dialogs first, the image library last.
    std::unique_ptr<TMainFrm> mainFrm_;
    std::unique_ptr<TViewFrm> viewFrm_;
    std::unique_ptr<TRectFrm> rectFrm_;
    std::unique_ptr<TCircFrm> circFrm_;
    std::unique_ptr<TAboutFrm> aboutFrm_;
    std::unique_ptr<TImgPropFrm> imgPropFrm_;
};
