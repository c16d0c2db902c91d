// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fileplacing.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Platform::Placed failed(QString *error)
{
    if (error)
        *error = qt_error_string(errno);
    return Platform::Placed::Failed;
}

// The name goes to the file only once its bytes are on the disk, so a power cut
// cannot leave an empty font where a whole one stood.
bool syncToDisk(const QByteArray &path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    ::close(fd);
    return synced;
}

// rename() replaces the entry itself; a link there is replaced, never written through.
Platform::Placed replaceEntry(const QByteArray &from, const QByteArray &to, QString *error)
{
    if (::rename(from.constData(), to.constData()) != 0)
        return failed(error);
    return Platform::Placed::Done;
}

// Where the file system knows no atomic way, a check just before the rename
// leaves the smallest window there is.
Platform::Placed renameIfFree(const QByteArray &from, const QByteArray &to, QString *error)
{
    struct stat status;
    if (::lstat(to.constData(), &status) == 0)
        return Platform::Placed::NameTaken;
    return replaceEntry(from, to, error);
}

// Some file systems refuse RENAME_NOREPLACE; a hard link cannot replace either.
Platform::Placed linkThenUnlink(const QByteArray &from, const QByteArray &to, QString *error)
{
    if (::link(from.constData(), to.constData()) != 0) {
        if (errno == EEXIST)
            return Platform::Placed::NameTaken;
        if (errno == EPERM || errno == ENOTSUP || errno == EOPNOTSUPP)
            return renameIfFree(from, to, error);
        return failed(error);
    }
    ::unlink(from.constData());
    return Platform::Placed::Done;
}

Platform::Placed createEntry(const QByteArray &from, const QByteArray &to, QString *error)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return Platform::Placed::Done;
    if (errno == EEXIST)
        return Platform::Placed::NameTaken;
    if (errno == EINVAL || errno == ENOSYS)
        return linkThenUnlink(from, to, error);
    return failed(error);
}

} // namespace

Platform::Placed FilePlacing::place(const QString &temporary, const QString &destination,
                                    bool replace, QString *error)
{
    const QByteArray from = QFile::encodeName(temporary);
    const QByteArray to = QFile::encodeName(destination);
    if (!syncToDisk(from))
        return failed(error);
    return replace ? replaceEntry(from, to, error) : createEntry(from, to, error);
}
