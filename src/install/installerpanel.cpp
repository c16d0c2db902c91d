// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "installerpanel.h"

#include "install/fontinstaller.h"
#include "platform/platform.h"
#include "shell/winfontfolder.h"
#include "toolkit/messagetitle.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>

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

// A name the platform did not hand back itself is made drawable here.
void InstallerPanel::choose(const QString &path)
{
    m_platform.loadCharacters(path);
    m_path->setText(path);
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

namespace {

// Why the dropped addresses cannot be chosen; empty when they name one local file.
QString dropProblem(const QList<QUrl> &urls)
{
    if (urls.size() != 1)
        return InstallerPanel::tr("Drop a single font file: only one can be chosen at a time.");
    const QUrl &url = urls.first();
    if (!url.isLocalFile()) {
        return InstallerPanel::tr(
                   "\"%1\" is not a file on this computer. Save it in a folder first, then drop "
                   "the saved file.")
            .arg(url.toDisplayString());
    }
    if (QFileInfo(url.toLocalFile()).isDir())
        return InstallerPanel::tr("\"%1\" is a folder. Drop a font file from it instead.")
            .arg(QDir::toNativeSeparators(url.toLocalFile()));
    return {};
}

} // namespace

bool InstallerPanel::takeDrop(QDropEvent *event)
{
    // A move would let the file manager delete the file it handed over.
    const Qt::DropActions offered = event->possibleActions() & (Qt::CopyAction | Qt::LinkAction);
    if (!event->mimeData()->hasUrls() || !offered)
        return false;
    event->setDropAction(offered & Qt::CopyAction ? Qt::CopyAction : Qt::LinkAction);
    event->accept();
    if (event->type() != QEvent::Drop)
        return true;
    const QList<QUrl> urls = event->mimeData()->urls();
    if (const QString problem = dropProblem(urls); !problem.isEmpty())
        m_platform.information(m_owner, messageTitle(), problem);
    else
        choose(urls.first().toLocalFile());
    return true;
}
