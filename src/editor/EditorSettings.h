#pragma once
// What the editor keeps between runs in its settings file: the main window's place, the map
// list's font, the interface language (written for other tools, never read), and the pictures
// opened last.
#include <QFont>
#include <QPoint>
#include <QString>
#include <QStringList>

#include "core/MapStyle.h"
#include "imagelib/AreaTracer.h"

class EditorSettings {
public:
    // How many recent pictures the File menu lists.
    static constexpr int kRecentPictures = 8;
    // The grid's size in picture pixels, unless the file gives another from 2 to kLargestGridSize.
    static constexpr int kDefaultGridSize = 10;
    static constexpr int kLargestGridSize = 1000;

    struct Values {
        QPoint windowPosition;
        QFont listFont;
        QStringList recentPictures; // the latest first
        bool keepPngAndWebp = false; // PNG and WebP pictures are used as they are, not as JPEGs
        bool responsiveOutput = false; // pages get the script that scales areas with their picture
        vemo::MapStyle outputStyle = vemo::MapStyle::Classic; // the style new maps are written in
        int traceTolerance = kDefaultTraceTolerance; // how far a traced pixel's colour may be from the clicked one
        double traceDistance = kDefaultTraceDistance; // how far a traced outline may stray, in picture pixels
        bool grid = false; // the grid is shown and the mouse's shapes snap to it
        int gridSize = kDefaultGridSize;
    };

    explicit EditorSettings(QString path);
    const QString &Path() const { return path_; }

    // The stored values; what is missing or unreadable gives the default.
    Values Read() const;
    // Stores values; raises std::runtime_error when the file cannot be written.
    void Write(const Values &values, bool japanese) const;

private:
    QString path_;
};
