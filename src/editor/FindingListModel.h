#pragma once
// The map check's findings as rows of text for a list view, made only for the rows on screen: a
// large map may have a hundred thousand findings, and one widget item for each took seconds to
// make and to let go.
#include <QAbstractListModel>

#include <optional>
#include <vector>

#include "core/MapCheck.h"

class FindingListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FindingListModel(QObject *parent = nullptr);

    // Shows these findings, or one row saying that there are none; nothing at all shows no rows.
    void Show(std::optional<std::vector<vemo::Finding>> findings);

    int rowCount(const QModelIndex &parent = {}) const override;
    // The finding's text, and, as Qt::UserRole, the index of the line it is about (none for the row
    // that says there are none).
    QVariant data(const QModelIndex &index, int role) const override;

private:
    std::optional<std::vector<vemo::Finding>> findings_;
};
