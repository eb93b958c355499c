#include "editor/TraceMode.h"

#include <QMouseEvent>
#include <QSpinBox>

#include "core/ZoomMapping.h"
#include "editor/ViewStatusBar.h"
#include "imagelib/AreaTracer.h"
#include "widgets/PictureBox.h"

namespace {

// The largest difference in red, green or blue there is.
constexpr int kLargestTolerance = 255;

} // namespace

TraceMode::TraceMode(PictureBox &picture, ViewStatusBar &statusBar, QObject *parent)
    : QObject(parent), picture_(picture), statusBar_(statusBar), toleranceField_(new QSpinBox),
      maxDistance_(kDefaultTraceDistance)
{
    toleranceField_->setObjectName(QStringLiteral("toleranceField"));
    toleranceField_->setRange(0, kLargestTolerance);
    toleranceField_->setValue(kDefaultTraceTolerance);
    toleranceField_->setPrefix(tr("Tolerance "));
    toleranceField_->setToolTip(tr("How far a pixel's colour may be from the clicked colour (0 to 255)"));
    // Each step is traced again at once; typing "40" must not trace at 4 first.
    toleranceField_->setKeyboardTracking(false);
    connect(toleranceField_, &QSpinBox::valueChanged, this, &TraceMode::ToleranceChanged);
    statusBar_.SetField(toleranceField_);
}

void TraceMode::Start()
{
    active_ = true;
    picture_.setCursor(Qt::CrossCursor);
    statusBar_.ShowField(true);
    // Typed into at once: a user who chose the mode with the keyboard sets the tolerance with it.
    toleranceField_->setFocus();
}

void TraceMode::Stop()
{
    if (!active_)
        return;
    active_ = false;
    pixels_ = QImage();
    picture_.unsetCursor();
    statusBar_.ShowField(false);
    emit Ended();
}

int TraceMode::Tolerance() const
{
    return toleranceField_->value();
}

void TraceMode::SetTolerance(int tolerance)
{
    const QSignalBlocker quiet(toleranceField_);
    toleranceField_->setValue(tolerance);
}

TracedArea TraceMode::TraceAt(vemo::Point pixel)
{
    if (pixels_.isNull()) {
        // The tracer's own formats: converted here once rather than by the tracer at every click.
        const QImage shown = picture_.Picture().toImage();
        const QImage::Format format = shown.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32;
        pixels_ = shown.format() == format ? shown : shown.convertToFormat(format);
    }
    return TraceArea(pixels_, QPoint(pixel.x, pixel.y), Tolerance(), maxDistance_);
}

bool TraceMode::Follow(const QMouseEvent &mouse)
{
    if (!active_)
        return false;
    switch (mouse.type()) {
    case QEvent::MouseButtonPress: {
        if (mouse.button() == Qt::LeftButton) {
            const QPoint at = mouse.position().toPoint();
            const double zoom = picture_.Zoom();
            emit Clicked({vemo::PicturePixel(at.x(), zoom), vemo::PicturePixel(at.y(), zoom)});
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // The press was a trace: it neither chooses an area nor starts a rectangle.
        return true;
    default:
        return false;
    }
}
