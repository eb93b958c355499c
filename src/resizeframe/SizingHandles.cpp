#include "resizeframe/SizingHandles.h"

#include <algorithm>

namespace {

constexpr std::array<Qt::CursorShape, HandleCount> HandleCursors = {
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
    Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor};

QPalette Filled(const QColor &colour)
{
    QPalette palette;
    palette.setColor(QPalette::Window, colour);
    return palette;
}

} // namespace

SizingHandles::~SizingHandles()
{
    for (const QPointer<QWidget> &handle : widgets_)
        delete handle.data();
}

void SizingHandles::Create(QObject *mouseFilter)
{
    for (QPointer<QWidget> &handle : widgets_) {
        delete handle.data();
        handle = new QWidget;
        handle->setAutoFillBackground(true);
        handle->installEventFilter(mouseFilter);
        handle->hide();
    }
}

QList<QWidget *> SizingHandles::Live() const
{
    QList<QWidget *> live;
    for (const QPointer<QWidget> &handle : widgets_) {
        if (handle)
            live.append(handle);
    }
    return live;
}

int SizingHandles::IndexOf(const QObject *widget) const
{
    for (int i = 0; i < HandleCount; ++i) {
        if (widgets_[i] && widgets_[i] == widget)
            return i;
    }
    return -1;
}

void SizingHandles::Hide()
{
    for (const QPointer<QWidget> &handle : widgets_) {
        if (handle)
            handle->hide();
    }
}

bool SizingHandles::Shown() const
{
    return std::any_of(widgets_.begin(), widgets_.end(),
                       [](const QPointer<QWidget> &handle) { return handle && !handle->isHidden(); });
}

void SizingHandles::ShowAround(QWidget *parent, const QRect &bounds, int size, const QColor &colour)
{
    const QPalette palette = Filled(colour);
    for (int i = 0; i < HandleCount; ++i) {
        QWidget *handle = widgets_[i];
        if (handle->parentWidget() != parent)
            handle->setParent(parent);
        handle->setPalette(palette);
        handle->setAutoFillBackground(true);
        handle->setGeometry(QRect(HandleTopLeft(i, bounds, size), QSize(size, size)));
        handle->setCursor(HandleCursors[i]);
        handle->raise();
        handle->show();
    }
}

void SizingHandles::SetColour(const QColor &colour)
{
    const QPalette palette = Filled(colour);
    for (const QPointer<QWidget> &handle : widgets_) {
        if (handle)
            handle->setPalette(palette);
    }
}

void SizingHandles::KeepForDrag(const QWidget *pressed)
{
    for (const QPointer<QWidget> &each : widgets_) {
        if (each == pressed)
            each->setAutoFillBackground(false);
        else if (each)
            each->hide();
    }
}
