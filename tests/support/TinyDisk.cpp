#include "TinyDisk.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

TinyDisk::TinyDisk()
{
    if (!dir_.isValid()) {
        problem_ = QStringLiteral("no scratch folder: ") + dir_.errorString();
        return;
    }
    if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=64k") == 0) {
        mounted_ = true;
        return;
    }
    refused_ = errno == EPERM || errno == EACCES;
    problem_ = QStringLiteral("cannot mount a tmpfs at %1: %2").arg(dir_.path(), QString::fromLocal8Bit(std::strerror(errno)));
}

TinyDisk::~TinyDisk()
{
    // Detached, so a file a failed test left open cannot keep the mount (and the folder) alive.
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

bool TinyDisk::Fill(std::size_t leaveFree)
{
    const int fd = ::open(QFile::encodeName(Path(QStringLiteral("filler"))).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    char block[4096] = {};
    off_t size = 0;
    ssize_t written = 0;
    while ((written = ::write(fd, block, sizeof block)) > 0)
        size += written;
    const bool full = written < 0 && errno == ENOSPC;
    const bool freed = leaveFree == 0 || ::ftruncate(fd, size - static_cast<off_t>(leaveFree)) == 0;
    ::close(fd);
    return mounted_ && full && freed;
}

bool TinyDisk::MakeReadOnly()
{
    return mounted_ && ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs",
                               MS_REMOUNT | MS_RDONLY, "size=64k") == 0;
}
