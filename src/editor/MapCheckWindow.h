#pragma once
// The findings of the map check, one per row with its line number, in a small window that stays
// open beside the others. It follows the map: while it is up, every change of the document
// checks the map again, so each finding names its line as the map stands, and a closed map
// leaves it empty. Double-clicking a finding chooses its line.
#include <QWidget>

#include <vector>

#include "core/MapCheck.h"

class FindingListModel;
class MapDocument;
class QListView;

class MapCheckWindow : public QWidget {
    Q_OBJECT
public:
    explicit MapCheckWindow(const MapDocument &document, QWidget *parent = nullptr);

    // What the check finds in the document's lines against its picture's size; nothing when no
    // map is open.
    static std::vector<vemo::Finding> Findings(const MapDocument &document);

signals:
    // The user double-clicked a finding about the line at index line.
    void LineChosen(int line);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Lists the findings of the map as it stands, or says that there are none.
    void Refresh();

    const MapDocument &document_;
    QListView *findingList = nullptr;
    FindingListModel *findings_ = nullptr;
};
