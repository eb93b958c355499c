#pragma once
// The running editor: its shared state, the image library and every window, created once in
// a fixed order and kept until the program ends.
#include <memory>

#include "app/StartupEnvironment.h"
#include "map/EditorState.h"

class ImageLibrary;
class TMainFrm;
class TViewFrm;

class EditorApp {
public:
    explicit EditorApp(const StartupEnvironment &environment);
    ~EditorApp();

    EditorState &State() { return state_; }
    TMainFrm &MainFrm() { return *mainFrm_; }
    TViewFrm &ViewFrm() { return *viewFrm_; }

private:
    EditorState state_;
    std::unique_ptr<ImageLibrary> imageLib_;
    // Destroyed in reverse order: the view first, the image library last.
    std::unique_ptr<TMainFrm> mainFrm_;
    std::unique_ptr<TViewFrm> viewFrm_;
};
