#include "editor/MapCheckWindow.h"

#include <QListView>
#include <QVBoxLayout>

#include <algorithm>

#include "desktop/UiFonts.h"
#include "editor/FindingListModel.h"
#include "editor/MapDocument.h"


MapCheckWindow::MapCheckWindow(const MapDocument &document, QWidget *parent)
    // Kept on top like the view window, which would otherwise cover it.
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), document_(document)
{
    setObjectName(QStringLiteral("mapCheckWindow"));
    setWindowTitle(tr("Check Map"));
    resize(420, 180);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    findings_ = new FindingListModel(this);
    findingList = new QListView(this);
    findingList->setObjectName(QStringLiteral("findingList"));
    findingList->setModel(findings_);
    // One line each: the view need not measure a hundred thousand rows.
    findingList->setUniformItemSizes(true);
    findingList->setFont(ProportionalUiFont());
    column->addWidget(findingList);
    // Activated by a double click or Enter.
    connect(findingList, &QListView::activated, this, [this](const QModelIndex &index) {
        const QVariant line = index.data(Qt::UserRole);
        if (line.isValid())
            emit LineChosen(line.toInt());
    });
    // Checking costs a pass over the map, so a hidden window waits until it is shown.
    connect(&document_, &MapDocument::Changed, this, [this] {
        if (isVisible())
            Refresh();
    });
}

std::vector<vemo::Finding> MapCheckWindow::Findings(const MapDocument &document)
{
    const QSize picture = document.PictureSize();
    if (picture.isEmpty())
        return {};
    return vemo::CheckMap(document.Lines(), picture.width(), picture.height());
}

void MapCheckWindow::showEvent(QShowEvent *event)
{
    Refresh();
    QWidget::showEvent(event);
}

void MapCheckWindow::Refresh()
{
    const int row = findingList->currentIndex().row();
    if (document_.PictureSize().isEmpty())
        findings_->Show(std::nullopt);
    else
        findings_->Show(Findings(document_));
    // The row the user was at stays chosen while there is one.
    findingList->setCurrentIndex(findings_->index(std::min(row, findings_->rowCount() - 1)));
}
