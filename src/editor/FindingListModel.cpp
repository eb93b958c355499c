#include "editor/FindingListModel.h"

namespace {

// What each finding says; %1 is the line's number as the list counts them, from 1, and %2 the
// earlier line's.
QString FindingText(vemo::FindingKind kind)
{
    switch (kind) {
    case vemo::FindingKind::UnreadableCoordinates:
        return FindingListModel::tr("Line %1: the coordinates are not numbers");
    case vemo::FindingKind::EmptyArea:
        return FindingListModel::tr("Line %1: the area is empty (x1 < x0, y1 < y0 or r <= 0)");
    case vemo::FindingKind::TooFewPoints:
        return FindingListModel::tr("Line %1: the polygon has fewer than three different points");
    case vemo::FindingKind::CrossingEdges:
        return FindingListModel::tr("Line %1: the polygon's edges cross");
    case vemo::FindingKind::OutsidePicture:
        return FindingListModel::tr("Line %1: the area lies outside the picture");
    case vemo::FindingKind::PartlyOutsidePicture:
        return FindingListModel::tr("Line %1: the area lies partly outside the picture");
    case vemo::FindingKind::DuplicateArea:
        return FindingListModel::tr("Line %1: the same area as line %2");
    case vemo::FindingKind::HiddenArea:
        return FindingListModel::tr("Line %1: hidden under line %2, so the browser never reaches it");
    case vemo::FindingKind::MissingAlt:
        return FindingListModel::tr("Line %1: a link without ALT text, which screen readers cannot name");
    case vemo::FindingKind::BadMapName:
        return FindingListModel::tr("Line %1: the map name is empty or holds spaces");
    case vemo::FindingKind::ImageSizeMismatch:
        return FindingListModel::tr("Line %1: WIDTH and HEIGHT are not the picture's size");
    case vemo::FindingKind::DefaultNotLast:
        return FindingListModel::tr(
            "Line %1: the default area is not the last, so the areas after it are never reached");
    case vemo::FindingKind::AltWithoutLink:
        return FindingListModel::tr("Line %1: ALT text on an area without HREF, which HTML does not allow");
    case vemo::FindingKind::TargetWithoutLink:
        return FindingListModel::tr("Line %1: TARGET on an area without HREF, which HTML does not allow");
    case vemo::FindingKind::UsemapMismatch:
        return FindingListModel::tr("Line %1: USEMAP does not name this map exactly (case included)");
    }
    return QString();
}

} // namespace

FindingListModel::FindingListModel(QObject *parent) : QAbstractListModel(parent)
{
}

void FindingListModel::Show(std::optional<std::vector<vemo::Finding>> findings)
{
    beginResetModel();
    findings_ = std::move(findings);
    endResetModel();
}

int FindingListModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !findings_)
        return 0;
    return std::max<int>(1, static_cast<int>(findings_->size()));
}

QVariant FindingListModel::data(const QModelIndex &index, int role) const
{
    if (!findings_ || index.row() < 0 || index.row() >= rowCount())
        return {};
    if (findings_->empty())
        return role == Qt::DisplayRole ? QVariant(tr("No problems found.")) : QVariant();
    const vemo::Finding &finding = (*findings_)[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        // Only some texts name a second line, so the places are filled by hand rather than by arg().
        return FindingText(finding.kind)
            .replace(QLatin1String("%1"), QString::number(finding.line + 1))
            .replace(QLatin1String("%2"), QString::number(finding.otherLine + 1));
    case Qt::UserRole:
        return finding.line;
    default:
        return {};
    }
}
