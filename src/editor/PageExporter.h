#pragma once
// File > Export Map to Page: the open map written into an existing HTML page, in place of the
// page's map of the same name or after the page's image of the picture, every other byte of the
// page kept. The page is replaced whole or not at all, and what changed is listed in one report.
#include <QObject>
#include <QString>

#include <optional>
#include <string>

class MapDocument;
class QWidget;
class TextCodec;

class PageExporter : public QObject {
    Q_OBJECT
public:
    PageExporter(MapDocument &document, QWidget &parent);

    // Asks for a page, then exports into it.
    void ChooseAndExport(bool addResponsiveScript = false);
    // Writes the open map into the page at pagePath and reports what changed; tells the user
    // when the page cannot be read, written or given the map, and leaves it as it was then.
    // A link chosen as the page is followed: the file it leads to is read and replaced, and the
    // link stays. Anything that is not a regular file (a pipe, a device, a link to nothing) is
    // refused before it is opened.
    void Export(const QString &pagePath, bool addResponsiveScript = false);

signals:
    // The page was written: a text for the status bar.
    void Exported(const QString &report);

private:
    // The map's bytes as the page's encoding writes them; nothing when the page's encoding is
    // unknown and the bytes are not plain ASCII, which would mix two encodings in one page.
    std::optional<std::string> ForPage(const std::string &mapBytes, const TextCodec &pageCodec, bool asciiPage) const;
    void ShowError(const QString &text) const;

    MapDocument &document_;
    QWidget &parent_;
};
