#pragma once
// The File menu's list of the pictures opened last, the latest first as "&1 path": choosing an
// entry asks for that picture to open, and an entry whose file is gone is taken off the list
// with a message instead.
#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

class RecentPictureMenu : public QObject {
    Q_OBJECT
public:
    // The entries stand in menu before end; messages are shown over asker.
    RecentPictureMenu(QMenu &menu, QAction *end, QWidget &asker);

    const QStringList &Pictures() const { return pictures_; }
    void SetPictures(const QStringList &pictures);
    // Puts path first, as the picture opened last.
    void Remember(const QString &path);
    QList<QAction *> Entries() const { return entries_; }

signals:
    void PictureChosen(const QString &path);

private:
    void ListEntries();
    void Choose(const QString &path);

    QMenu &menu_;
    QAction *end_;
    QWidget &asker_;
    QStringList pictures_;
    QList<QAction *> entries_;
};
