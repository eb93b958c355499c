#pragma once
// The findings of the map check, one per row with its line number, in a small window that stays
// open beside the others. Double-clicking a finding chooses its line.
#include <QWidget>

#include <vector>

#include "core/MapCheck.h"

class QListWidget;

class MapCheckWindow : public QWidget {
    Q_OBJECT
public:
    explicit MapCheckWindow(bool japanese, QWidget *parent = nullptr);

    // Lists findings, or says that there are none.
    void ShowFindings(const std::vector<vemo::Finding> &findings);

    QListWidget *findingList = nullptr;

signals:
    // The user double-clicked a finding about the line at index line.
    void LineChosen(int line);

private:
    bool japanese_;
};
