#pragma once
// The program-wide values every window shares: the single window instances and the document flags.
#include <QString>

class TMainFrm;
class TViewFrm;
class TRectFrm;
class TCircFrm;
class TAboutFrm;
class TImgPropFrm;
class ImageLibrary;

struct EditorState {
    // The single window instances, created once at start in this order and kept until exit.
    TMainFrm *MainFrm = nullptr;
    TViewFrm *ViewFrm = nullptr;
    TRectFrm *RectFrm = nullptr;
    TCircFrm *CircFrm = nullptr;
    TAboutFrm *AboutFrm = nullptr;
    TImgPropFrm *ImgPropFrm = nullptr;

    // The picture decoder and JPEG writer, owned by start-up.
    ImageLibrary *ImageLib = nullptr;

    QString ImageFileName; // full path of the current picture (the JPEG written, after a conversion)
    QString MapName;       // name of the map, from the picture's file name
    QString MapFileName;   // full path of the side file
    QString IniFileName;   // path of the settings file
    int BorderSize = 0;    // BORDER value of the image line
    bool Modified = false; // the map has changed since it was opened or saved
    bool EditMode = false; // the area dialog rewrites the selected line instead of adding one
    bool JapaneseUI = false;
    bool FirstActivation = false; // the picture named on the command line is still to be opened
};
