// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "winfontfolder.h"

#include "platform/platform.h"
#include "shell/desktopopen.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QWidget>

namespace {

void startCommand(Platform &platform, QWidget *owner, const QStringList &command,
                  const QString &missing)
{
    if (command.isEmpty() || !platform.startDetached(command.first(), command.mid(1)))
        tellUser(platform, owner, missing);
}

void openFontsFolder(Platform &platform, QWidget *owner)
{
    const QString windows = platform.windowsFolder();
    if (windows.isEmpty()) {
        tellUser(platform, owner,
                 WinFontFolder::tr(
                     "Your fonts folder could not be found, because the folder for your "
                     "personal data files is unknown. Check that your HOME folder is set."));
        return;
    }
    // On a fresh account the folder does not exist yet; the command should still
    // show the place where fonts go.
    const QString fonts = windows + QLatin1Char('/') + platform.fontsFolderName();
    QDir().mkpath(fonts);
    WinFontFolder::OpenFolder(platform, owner, fonts);
}

} // namespace

void WinFontFolder::OpenWithShell(Platform &platform, QWidget *owner, const QString &file,
                                  const QString &parameters, const QString &directory)
{
    // A desktop's default handler takes neither parameters nor a working folder,
    // and no caller needs them.
    Q_UNUSED(parameters);
    Q_UNUSED(directory);

    if (file == QLatin1String("Fonts")) {
        openFontsFolder(platform, owner);
    } else if (file == QLatin1String("charmap.exe")) {
        startCommand(platform, owner, platform.characterMapCommand(),
                     tr("No character map program was found on this computer.\n\n"
                        "Install one with your software manager, for example the package "
                        "\"gucharmap\" (sudo apt install gucharmap)."));
    } else if (isAddress(file)) {
        openAddress(platform, owner, file);
    } else {
        openLocalPath(platform, owner, file);
    }
}

void WinFontFolder::OpenFolder(Platform &platform, QWidget *owner, const QString &folder)
{
    openLocalPath(platform, owner, folder);
}

void WinFontFolder::OpenRegionalSettings(Platform &platform, QWidget *owner)
{
    startCommand(platform, owner, platform.regionalSettingsCommand(),
                 tr("No region and language settings were found on this desktop.\n\n"
                    "Open your desktop's settings and look for \"Region & Language\", or "
                    "install them, for example with the package \"gnome-control-center\"."));
}
