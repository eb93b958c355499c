#include "editor/RecentPictureMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <string>
#include <vector>

#include "core/SettingsValues.h"
#include "desktop/LocalText.h"
#include "desktop/MessageDialogs.h"
#include "editor/EditorSettings.h"

RecentPictureMenu::RecentPictureMenu(QMenu &menu, QAction *end, QWidget &asker)
    : QObject(&menu), menu_(menu), end_(end), asker_(asker)
{
    ListEntries();
}

void RecentPictureMenu::SetPictures(const QStringList &pictures)
{
    pictures_ = pictures.mid(0, EditorSettings::kRecentPictures);
    ListEntries();
}

void RecentPictureMenu::Remember(const QString &path)
{
    std::vector<std::string> recent;
    for (const QString &entry : pictures_)
        recent.push_back(Bytes(entry));
    pictures_.clear();
    for (const std::string &entry : vemo::RememberRecent(recent, Bytes(path), EditorSettings::kRecentPictures))
        pictures_ << Text(entry);
    ListEntries();
}

void RecentPictureMenu::ListEntries()
{
    qDeleteAll(entries_);
    entries_.clear();
    for (int i = 0; i < pictures_.size(); ++i) {
        const QString path = pictures_[i];
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), &menu_);
        connect(entry, &QAction::triggered, this, [this, path] { RunGuarded(&asker_, [&] { Choose(path); }); });
        entries_ << entry;
    }
    menu_.insertActions(end_, entries_);
    // The separator after the entries shows only with entries to separate.
    end_->setVisible(!entries_.isEmpty());
}

void RecentPictureMenu::Choose(const QString &path)
{
    if (QFileInfo::exists(path)) {
        emit PictureChosen(path);
        return;
    }
    pictures_.removeAll(path);
    ListEntries();
    ShowMessageBox(&asker_, MessageKind::Warning, tr("%1 is no longer there; it is taken off the list.").arg(path),
               static_cast<int>(MessageButton::Ok));
}
