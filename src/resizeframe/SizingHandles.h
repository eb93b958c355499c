#pragma once
// The eight handles around a single selected control: small filled widgets on the control's
// parent, one at each corner and edge centre, each with the cursor of its direction. They are
// made lazily and live until the frame goes; the frame hears their mouse input by filtering it.
#include <QColor>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <array>

#include "resizeframe/OutlineGeometry.h"

class SizingHandles {
public:
    SizingHandles() = default;
    SizingHandles(const SizingHandles &) = delete;
    SizingHandles &operator=(const SizingHandles &) = delete;
    ~SizingHandles();

    // Makes a fresh set, hidden, whose events go through mouseFilter first.
    void Create(QObject *mouseFilter);
    // The handles in index order, or none before the first Create.
    QList<QWidget *> Live() const;
    // The index of widget among the handles, or -1.
    int IndexOf(const QObject *widget) const;

    void Hide();
    bool Shown() const;
    // Places the handles of size pixels round bounds on parent, in colour, and shows them.
    void ShowAround(QWidget *parent, const QRect &bounds, int size, const QColor &colour);
    void SetColour(const QColor &colour);
    // For a drag by pressed: the other handles hide. Qt would drop the press's mouse grab with
    // a hidden widget, so the pressed handle stays shown but stops painting.
    void KeepForDrag(const QWidget *pressed);

private:
    std::array<QPointer<QWidget>, HandleCount> widgets_;
};
