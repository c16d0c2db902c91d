// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "extrascommands.h"

#include "platform/platform.h"
#include "shell/winfontfolder.h"

namespace {

// The help texts end with CR LF, so the question stands after an empty line.
QString withQuestion(const QString &helpText, const QString &question)
{
    return helpText + QStringLiteral("\r\n") + question;
}

} // namespace

void ExtrasCommands::openFontsFolder(Platform &platform, QWidget *owner)
{
    WinFontFolder::OpenWithShell(platform, owner, QStringLiteral("Fonts"));
}

void ExtrasCommands::openCharacterMap(Platform &platform, QWidget *owner)
{
    WinFontFolder::OpenWithShell(platform, owner, QStringLiteral("charmap.exe"));
}

void ExtrasCommands::openRegionalOptions(Platform &platform, QWidget *owner)
{
    WinFontFolder::OpenRegionalSettings(platform, owner);
}

void ExtrasCommands::readMoreCharacterMap(Platform &platform, QWidget *parent,
                                          const QString &helpText)
{
    if (platform.askYesNo(
            parent, tr("Windows Character Map"),
            withQuestion(helpText, tr("Would you like to open Windows Character Map now?")), true))
        openCharacterMap(platform, parent);
}

void ExtrasCommands::readMoreRegionalOptions(Platform &platform, QWidget *parent,
                                             const QString &helpText)
{
    if (platform.askYesNo(
            parent, tr("Open Regional and Language Options"),
            withQuestion(helpText, tr("Would you like to open Regional and Language Options now?")),
            true))
        openRegionalOptions(platform, parent);
}

void ExtrasCommands::openLicense(Platform &platform, QWidget *owner)
{
    WinFontFolder::OpenWithShell(platform, owner,
                                 platform.documentPath(QStringLiteral("License Agreement.rtf")));
}
