// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "installerpanel.h"

#include "install/fontinstaller.h"
#include "platform/platform.h"
#include "shell/winfontfolder.h"

#include <QLineEdit>

InstallerPanel::InstallerPanel(Platform &platform, QWidget *owner, QLineEdit *path)
    : m_platform(platform)
    , m_owner(owner)
    , m_path(path)
{
}

void InstallerPanel::browse()
{
    const QString chosen = m_platform.openFileName(m_owner, FontInstaller::fontFileFilters());
    if (!chosen.isEmpty())
        m_path->setText(chosen);
}

void InstallerPanel::display()
{
    if (!m_path->text().isEmpty())
        WinFontFolder::OpenWithShell(m_platform, m_owner, m_path->text());
}

void InstallerPanel::install()
{
    if (!m_path->text().isEmpty())
        FontInstaller::installFont(m_platform, m_owner, m_path->text());
}

void InstallerPanel::openGuide()
{
    WinFontFolder::OpenWithShell(m_platform, m_owner,
                                 m_platform.documentPath(QStringLiteral("Install Fonts.rtf")));
}
