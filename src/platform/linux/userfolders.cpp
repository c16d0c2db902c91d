// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "userfolders.h"

#include <QDir>

namespace {

// Only "/" starts an absolute path here: QDir would also take ":/x" (a Qt
// resource) for one, and no user folder lies there.
QString absoluteVariable(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    if (!value.startsWith(QLatin1Char('/')))
        return {};
    return QDir::cleanPath(value);
}

QString underHome(const char *variable, const QString &fallback)
{
    const QString set = absoluteVariable(variable);
    if (!set.isEmpty())
        return set;
    const QString home = absoluteVariable("HOME");
    return home.isEmpty() ? QString() : QDir::cleanPath(home + QLatin1Char('/') + fallback);
}

} // namespace

QString UserFolders::dataHome()
{
    return underHome("XDG_DATA_HOME", QStringLiteral(".local/share"));
}

QString UserFolders::cacheHome()
{
    return underHome("XDG_CACHE_HOME", QStringLiteral(".cache"));
}

QString UserFolders::runtimeFolder()
{
    return absoluteVariable("XDG_RUNTIME_DIR");
}

QString UserFolders::temporaryFolder()
{
    const QString set = absoluteVariable("TMPDIR");
    return set.isEmpty() ? QStringLiteral("/tmp") : set;
}
