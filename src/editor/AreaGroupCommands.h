#pragma once
// The commands on the areas selected together in the line list: select all, delete, move,
// duplicate, copy and paste, arrange. The list's selection is the one record of what is selected;
// the view marks it. Each command changes the map as one step to undo, and is refused, as the
// other commands are, while an area is under edit.
#include <QObject>
#include <QString>

#include <string>
#include <vector>

#include "core/AreaArrange.h"

class AreaEditor;
class MapDocument;
class MapListBox;
class QWidget;
class ViewWindow;

class AreaGroupCommands : public QObject {
    Q_OBJECT
public:
    // Messages are shown over parent, which outlives the commands.
    AreaGroupCommands(MapDocument &document, MapListBox &list, ViewWindow &view, AreaEditor &areas, QWidget &parent);

    // How many of the selected lines are areas with a region (rectangles, circles, polygons).
    int SelectedRegionCount() const;
    // Several lines are selected.
    bool SeveralSelected() const;

    void SelectAllAreas();
    // Adds the line to the selection, or takes it out, as a Ctrl or Shift click on its area asks.
    void ToggleLine(int line);
    // Deletes the selected lines that may be deleted (the image line, map start line and last
    // line are kept).
    void DeleteSelected();
    // Moves the selected areas together by (dx, dy) picture pixels, stopping the group at the
    // picture's edge.
    void MoveSelected(int dx, int dy);
    // A copy of each selected area beside its original; the copies are selected.
    void DuplicateSelected();
    // The selected area lines to the clipboard; false when none is selected.
    bool CopySelected();
    // The areas of the clipboard's text into the map, before its default area; they are selected.
    void Paste();
    // Aligns, sizes or spaces the selected areas against the first selected.
    void Arrange(vemo::ArrangeOperation operation);

signals:
    // A short text for the status bar.
    void Report(const QString &text);

private:
    // The view marks the selected areas, and its arrow keys move them while several are selected.
    void ShowSelection();
    // Puts each changed line in place of the one at the same position of indexes, as one step.
    void ReplaceLines(const QString &stepName, const std::vector<int> &indexes, const std::vector<std::string> &before,
                      const std::vector<std::string> &after);
    std::vector<std::string> LinesAt(const std::vector<int> &indexes) const;
    void InsertLines(const QString &stepName, int at, const std::vector<std::string> &lines);

    MapDocument &document_;
    MapListBox &list_;
    ViewWindow &view_;
    AreaEditor &areas_;
    QWidget &parent_;
};
