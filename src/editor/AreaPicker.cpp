#include "editor/AreaPicker.h"

#include <QMouseEvent>

#include <optional>
#include <utility>

#include "core/AreaSet.h"
#include "core/ZoomMapping.h"
#include "widgets/PictureBox.h"

AreaPicker::AreaPicker(const PictureBox &picture, QObject *parent)
    : QObject(parent), picture_(picture)
{
}

int AreaPicker::LineAt(QPoint onPicture) const
{
    const int x = vemo::PicturePixel(onPicture.x(), picture_.Zoom());
    const int y = vemo::PicturePixel(onPicture.y(), picture_.Zoom());
    const vemo::AreaSet &areas = picture_.Outlines();
    const std::optional<std::size_t> area = areas.AreaAt(x, y);
    return area ? areas.Line(*area) : -1;
}

void AreaPicker::FollowClick(const QMouseEvent &mouse)
{
    if (mouse.button() != Qt::LeftButton)
        return;
    const int line = LineAt(mouse.position().toPoint());
    switch (mouse.type()) {
    case QEvent::MouseButtonPress:
        pressedLine_ = line;
        break;
    case QEvent::MouseButtonRelease: {
        // A click is a press and a release in the same area.
        const int pressed = std::exchange(pressedLine_, -1);
        if (line < 0 || line != pressed)
            break;
        if (mouse.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier))
            emit ClickedAdding(line);
        else
            emit Clicked(line);
        break;
    }
    case QEvent::MouseButtonDblClick:
        // The release that ends a double click is no click of its own.
        pressedLine_ = -1;
        if (line >= 0)
            emit DoubleClicked(line);
        break;
    default:
        break;
    }
}
