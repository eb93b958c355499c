#pragma once
// File > Import Map from Page: the areas of an image map published in an HTML page replace the
// open map's areas, as one step to undo. The page's map is the one its <img usemap> uses for the
// open picture, or the one the user chooses; whatever the page says that our lines cannot hold is
// listed in one report.
#include <QObject>
#include <QString>

#include <cstddef>
#include <functional>

#include <optional>
#include <string>
#include <utility>

class MapDocument;
class QWidget;
class TextCodec;

namespace vemo {
struct ImportNote;
struct PageMap;
struct PageMaps;
}

class PageImporter : public QObject {
    Q_OBJECT
public:
    PageImporter(MapDocument &document, QWidget &parent);

    // Asks for a page, then imports from it.
    void ChooseAndImport();
    // Imports the map of the page at pagePath; tells the user when the page cannot be read or
    // holds no map.
    void Import(const QString &pagePath);

    // The longest area line taken in: the list lays out and the view reads a line whole, which for a
    // line of megabytes takes seconds and tens of times its size at every repaint.
    static constexpr std::size_t kLongestAreaLine = 1024 * 1024;

    // What a note of the page reader says, its detail read in codec: one line of a report.
    static QString NoteLine(const vemo::ImportNote &note, const TextCodec &codec);

signals:
    // The areas were imported: a text for the status bar.
    void Imported(const QString &report);

private:
    // The map to import: the one the page uses for the picture, the only one, or the user's
    // choice; none when the user gives up.
    std::optional<std::size_t> ChooseMap(const vemo::PageMaps &page, const TextCodec &pageCodec) const;
    // The image line and map start line with the page's map name and its picture's ALT, when the
    // page's image of this picture uses the map, either differs from the open map's and the user
    // takes them; nothing otherwise. toMapBytes turns the page's bytes into the map's encoding.
    std::optional<std::pair<std::string, std::string>>
    AskForPageNames(const vemo::PageMaps &page, const vemo::PageMap &map,
                    const std::function<std::string(const std::string &)> &toMapBytes) const;

    MapDocument &document_;
    QWidget &parent_;
};
