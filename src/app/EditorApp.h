#pragma once
// The running editor: the image library, the map document and the windows that show it,
// created once in a fixed order and kept until the program ends.
#include <memory>

#include "desktop/StartupEnvironment.h"

class ImageLibrary;
class InterfaceTranslation;
class MapDocument;
class MainWindow;
class ViewWindow;

class EditorApp {
public:
    explicit EditorApp(const StartupEnvironment &environment);
    ~EditorApp();

    MapDocument &Document() { return *document_; }
    MainWindow &Main() { return *mainWindow_; }
    ViewWindow &View() { return *view_; }

private:
    // Destroyed in reverse order: the main window and its dialogs first, the image library and
    // then the translation, which every window's texts come from, last.
    std::unique_ptr<InterfaceTranslation> translation_;
    std::unique_ptr<ImageLibrary> imageLibrary_;
    std::unique_ptr<MapDocument> document_;
    std::unique_ptr<ViewWindow> view_;
    std::unique_ptr<MainWindow> mainWindow_;
};
