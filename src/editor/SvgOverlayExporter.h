#pragma once
// File > Export SVG Overlay: the open map written as an SVG drawing of the picture with a link per
// area, which scales with the page that shows it without any script.
#include <QObject>
#include <QString>

class MapDocument;
class QWidget;

class SvgOverlayExporter : public QObject {
    Q_OBJECT
public:
    SvgOverlayExporter(const MapDocument &document, QWidget &parent);

    // Asks where to write the drawing, offering DefaultPath(), then writes it there.
    void ChooseAndExport();
    // Writes the drawing to path, replacing the file only once it is whole; raises
    // std::runtime_error naming the path when it cannot be written.
    void Export(const QString &path);
    // Beside the picture, under its name with ".svg": there the drawing finds the picture by the
    // name the map's image line gives it.
    QString DefaultPath() const;

signals:
    // The drawing was written: a text for the status bar.
    void Exported(const QString &report);

private:
    const MapDocument &document_;
    QWidget &parent_;
};
