#include "editor/PictureDropTarget.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

PictureDropTarget::PictureDropTarget(QObject *parent) : QObject(parent) {}

void PictureDropTarget::Watch(QWidget &window)
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

bool PictureDropTarget::eventFilter(QObject *, QEvent *event)
{
    if (event->type() != QEvent::DragEnter && event->type() != QEvent::Drop)
        return false;
    auto *drop = static_cast<QDropEvent *>(event);
    const QList<QUrl> urls = drop->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return false;
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        const QString path = QFileInfo(urls.first().toLocalFile()).absoluteFilePath();
        QTimer::singleShot(0, this, [this, path] { emit Dropped(path); });
    }
    return true;
}
