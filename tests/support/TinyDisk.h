#pragma once
// A 64 KiB tmpfs mounted in a scratch folder, so tests can meet a real full or read-only disk. Running as
// root ignores permission bits, so only a file system out of space makes a write truly fail.
#include <QString>
#include <QTemporaryDir>

#include <cstddef>

class TinyDisk {
public:
    TinyDisk();  // mounts; see Refused() and Problem()
    ~TinyDisk(); // unmounts
    TinyDisk(const TinyDisk &) = delete;
    TinyDisk &operator=(const TinyDisk &) = delete;

    bool Mounted() const { return mounted_; }
    // True when the system does not let this process mount (not root, no capability): skip then.
    bool Refused() const { return refused_; }
    QString Problem() const { return problem_; }

    QString Folder() const { return dir_.path(); }
    QString Path(const QString &name) const { return dir_.filePath(name); }

    // Remounts the disk read-only: every write then fails, whoever the process runs as.
    bool MakeReadOnly();

    // Fills the disk with the file "filler" until it reports no space, then frees leaveFree bytes.
    bool Fill(std::size_t leaveFree = 0);

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    bool refused_ = false;
    QString problem_;
};
