// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "instancelock.h"

#include "platform/linux/userfolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Place {
    QString folder;
    bool create = false; // the program makes the folder itself
};

QList<Place> places()
{
    QList<Place> places;
    const QString runtime = UserFolders::runtimeFolder();
    if (!runtime.isEmpty())
        places.append({runtime, false});
    // The user id in the name keeps each user's folder apart in the shared folder.
    places.append({UserFolders::temporaryFolder() + QStringLiteral("/glyphory-") +
                       QString::number(::geteuid()),
                   true});
    const QString cache = UserFolders::cacheHome();
    if (!cache.isEmpty())
        places.append({cache + QStringLiteral("/glyphory"), true});
    return places;
}

// Only this user may be able to replace what lies there: owner and no write
// permission for anyone else.
bool onlyMine(int fd, mode_t kind)
{
    struct stat status;
    return ::fstat(fd, &status) == 0 && (status.st_mode & S_IFMT) == kind &&
           status.st_uid == ::geteuid() && (status.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

int keepIf(bool keep, int fd)
{
    if (fd >= 0 && !keep) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A link is never followed: another user could point it at a place of theirs.
int openFolder(const Place &place)
{
    const QByteArray path = QFile::encodeName(place.folder);
    if (place.create && (!QDir().mkpath(QFileInfo(place.folder).path()) ||
                         (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST)))
        return -1;
    const int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    return keepIf(fd >= 0 && onlyMine(fd, S_IFDIR), fd);
}

int openLockFile(const Place &place)
{
    const int folder = openFolder(place);
    if (folder < 0)
        return -1;
    const int fd =
        ::openat(folder, "glyphory.lock", O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    ::close(folder);
    return keepIf(fd >= 0 && onlyMine(fd, S_IFREG), fd);
}

} // namespace

InstanceLock::~InstanceLock()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

// flock() is released by the kernel when the process ends however it ends, so a
// crashed run can never leave a lock behind that blocks the next start.
bool InstanceLock::heldElsewhere()
{
    if (m_fd >= 0)
        return false;
    for (const Place &place : places()) {
        const int fd = openLockFile(place);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            m_fd = fd;
            return false;
        }
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        // Any other refusal (a file system without locks) leaves the next place.
        if (held)
            return true;
    }
    return false;
}
