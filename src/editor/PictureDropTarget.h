#pragma once
// Takes a file dropped on the windows it watches and reports it once the drop is over, so that
// the save question and any message are shown outside the drag and drop.
#include <QObject>
#include <QString>

class QWidget;

class PictureDropTarget : public QObject {
    Q_OBJECT
public:
    explicit PictureDropTarget(QObject *parent = nullptr);

    // Accepts drops on window from now on.
    void Watch(QWidget &window);

signals:
    // A local file was dropped (the first, of several); path is absolute.
    void Dropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
