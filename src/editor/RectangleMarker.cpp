#include "editor/RectangleMarker.h"

#include <QMouseEvent>
#include <QRubberBand>

#include "core/GridSnap.h"
#include "core/ZoomMapping.h"
#include "editor/AreaPicker.h"
#include "widgets/PictureBox.h"

namespace {

// A press must be dragged this far (display pixels) to mark out a rectangle; less is a click.
constexpr int kLeastRectangleDrag = 4;

} // namespace

RectangleMarker::RectangleMarker(PictureBox *picture, const AreaPicker &picker, QObject *parent)
    : QObject(parent), picture_(picture), picker_(picker), band_(new QRubberBand(QRubberBand::Rectangle, picture))
{
}

bool RectangleMarker::Follow(const QMouseEvent &mouse)
{
    const QPoint at = mouse.position().toPoint();
    switch (mouse.type()) {
    case QEvent::MouseButtonPress:
        if (mouse.button() != Qt::LeftButton || !allowed_ || picker_.LineAt(at) >= 0)
            return false;
        from_ = at;
        band_->setGeometry(QRect(at, QSize()));
        band_->show();
        return false;
    case QEvent::MouseMove:
        if (!band_->isVisible())
            return false;
        band_->setGeometry(QRect(from_, at).normalized().intersected(picture_->rect()));
        return true;
    case QEvent::MouseButtonRelease: {
        if (!band_->isVisible() || mouse.button() != Qt::LeftButton)
            return false;
        band_->hide();
        const QRect marked = QRect(from_, at).normalized().intersected(picture_->rect());
        if (marked.width() < kLeastRectangleDrag && marked.height() < kLeastRectangleDrag)
            return false;
        const double zoom = picture_->Zoom();
        const int left = vemo::PicturePixel(marked.left(), zoom);
        const int top = vemo::PicturePixel(marked.top(), zoom);
        const int right = vemo::PicturePixel(marked.right(), zoom);
        const int bottom = vemo::PicturePixel(marked.bottom(), zoom);
        emit Marked(vemo::SnappedBoxCorners({left, top, right - left + 1, bottom - top + 1}, picture_->GridSize(),
                                            picture_->PictureWidth(), picture_->PictureHeight()));
        return true;
    }
    default:
        return false;
    }
}
