#include "editor/ZoomControls.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWheelEvent>

#include "core/ZoomMapping.h"
#include "desktop/MessageDialogs.h"
#include "editor/ViewWindow.h"

namespace {

// One notch of a mouse wheel.
constexpr int kWheelNotch = 120;

} // namespace

ZoomControls::ZoomControls(ViewWindow &view, const QWidget &viewport)
    : QObject(&view), view_(view), viewport_(viewport)
{
    const auto bind = [this](const QKeySequence &keys, void (ViewWindow::*action)()) {
        auto *shortcut = new QShortcut(keys, &view_);
        connect(shortcut, &QShortcut::activated, this, [this, action] { RunGuarded(&view_, [&] { (view_.*action)(); }); });
    };
    // Ctrl+= as well as Ctrl++, for keyboards where "+" needs Shift.
    bind(QKeySequence::ZoomIn, &ViewWindow::ZoomIn);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), &ViewWindow::ZoomIn);
    bind(QKeySequence::ZoomOut, &ViewWindow::ZoomOut);
    bind(QKeySequence(Qt::CTRL | Qt::Key_0), &ViewWindow::ZoomToNatural);
    bind(QKeySequence(Qt::CTRL | Qt::Key_9), &ViewWindow::ZoomToFit);
}

bool ZoomControls::TakeWheel(const QWheelEvent &wheel)
{
    if (!wheel.modifiers().testFlag(Qt::ControlModifier))
        return false;
    const QPoint onPort = viewport_.mapFrom(&view_, wheel.position().toPoint());
    const int notches = wheel.angleDelta().y() / kWheelNotch;
    if (notches != 0) {
        const double zoom = vemo::SteppedZoom(view_.Zoom(), notches > 0 ? +1 : -1);
        RunGuarded(&view_, [&] { view_.SetZoom(zoom, onPort); });
    }
    return true;
}
