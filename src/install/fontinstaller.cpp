// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontinstaller.h"

#include "install/fontcopy.h"
#include "platform/platform.h"
#include "shell/winfontfolder.h"
#include "toolkit/messagetitle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// What stands in the fonts folder under the font's name.
enum class Entry { None, Font, BrokenLink, Folder, Other, SameFile };

Entry entryAt(const QString &destination, const QFileInfo &source)
{
    const QFileInfo entry(destination);
    if (entry.isSymLink() && !entry.exists())
        return Entry::BrokenLink;
    if (!entry.exists())
        return Entry::None;
    if (entry.isDir())
        return Entry::Folder;
    if (!entry.isFile())
        return Entry::Other;
    if (entry.canonicalFilePath() == source.canonicalFilePath())
        return Entry::SameFile;
    return Entry::Font;
}

// One press of Install: the chosen file, where it goes, and what the user is told.
class Installation {
public:
    Installation(Platform &platform, QWidget *parent, const QString &fontPath)
        : m_platform(platform)
        , m_parent(parent)
        , m_source(fontPath)
        , m_fileName(m_source.fileName())
    {
    }

    bool run();

private:
    QString sourceProblem() const;
    QString fontProblem() const;
    QString prepareFolder();
    bool mayReplace(Entry entry);
    bool place(QTemporaryFile &copy, bool replace);
    void tell(const QString &text) { m_platform.information(m_parent, messageTitle(), text); }
    bool refuse(const QString &reason);

    Platform &m_platform;
    QWidget *m_parent;
    // The name comes from the path itself, never from an earlier dialog, so the
    // installed file is always the one the user sees chosen.
    const QFileInfo m_source;
    const QString m_fileName;
    QString m_folder, m_destination;
};

bool Installation::run()
{
    if (const QString problem = sourceProblem(); !problem.isEmpty())
        return refuse(problem);
    if (const QString problem = fontProblem(); !problem.isEmpty())
        return refuse(problem);
    if (const QString problem = prepareFolder(); !problem.isEmpty())
        return refuse(problem);
    const Entry entry = entryAt(m_destination, m_source);
    // Copying the installed file onto itself would gain nothing and risk it.
    if (entry == Entry::SameFile) {
        tell(FontInstaller::tr("The font %1 is already in your fonts folder \"%2\".")
                 .arg(m_fileName, QDir::toNativeSeparators(m_folder)));
        return true;
    }
    if (!mayReplace(entry))
        return false;

    // The copy goes to a temporary file beside the destination and takes the
    // font's name only when complete, so a full disk or a crash never leaves a
    // truncated font behind, and a font already installed stays whole till then.
    QTemporaryFile copy(m_folder + QStringLiteral("/.glyphory-XXXXXX"));
    if (const QString problem = FontCopy::copy(m_source.filePath(), copy, m_destination);
        !problem.isEmpty())
        return refuse(problem);
    if (!place(copy, entry != Entry::None))
        return false;

    tell(FontInstaller::tr(
             "Your selected font %1 has been successfully installed, You must restart the "
             "Glyphory application in order to active the font.")
             .arg(m_fileName));
    WinFontFolder::OpenFolder(m_platform, m_parent, m_folder);
    return true;
}

QString Installation::sourceProblem() const
{
    if (!m_source.exists()) {
        return FontInstaller::tr("\"%1\" could not be found. It may have been moved or deleted.")
            .arg(QDir::toNativeSeparators(m_source.filePath()));
    }
    // Folders, devices and pipes are no fonts; reading one could block or never end.
    if (!m_source.isFile() || m_fileName.isEmpty())
        return FontInstaller::tr("\"%1\" is a folder or a device, not a font file.")
            .arg(QDir::toNativeSeparators(m_source.filePath()));
    return {};
}

// The file is read as the desktop will read it before anything is written, so
// that a file it would never list leaves the fonts folder as it was: a font the
// desktop's settings hide would be promised after the restart and never come.
QString Installation::fontProblem() const
{
    const QString path = m_source.filePath();
    QFile file(path);
    char first = 0;
    if (!file.open(QIODevice::ReadOnly) || file.read(&first, 1) < 0)
        return FontCopy::readFailure(path, file.errorString());
    switch (m_platform.readFontFile(path)) {
    case Platform::FontFile::NoFont:
        return FontInstaller::tr(
                   "No font was found in \"%1\". The file may be damaged or incomplete, or "
                   "it may be no font file at all.")
            .arg(QDir::toNativeSeparators(path));
    case Platform::FontFile::Hidden:
        return FontInstaller::tr(
                   "Your desktop's font settings leave the fonts in \"%1\" out of every font "
                   "list (as many desktops do with bitmap fonts), so they would never appear.")
            .arg(QDir::toNativeSeparators(path));
    case Platform::FontFile::Listed:
        break;
    }
    return {};
}

QString Installation::prepareFolder()
{
    const QString windows = m_platform.windowsFolder();
    if (windows.isEmpty()) {
        return FontInstaller::tr(
            "Your fonts folder is unknown, because the folder for your personal data files "
            "could not be determined. Check that your HOME folder is set.");
    }
    m_folder = windows + QLatin1Char('/') + m_platform.fontsFolderName();
    m_destination = m_folder + QLatin1Char('/') + m_fileName;
    // A fresh account has no fonts folder until its first font goes in.
    if (QDir().mkpath(m_folder))
        return {};
    return QFileInfo::exists(m_folder)
               ? FontInstaller::tr("\"%1\" is not a folder.")
                     .arg(QDir::toNativeSeparators(m_folder))
               : FontInstaller::tr("The fonts folder \"%1\" could not be created.")
                     .arg(QDir::toNativeSeparators(m_folder));
}

// Nothing in the fonts folder is replaced unless the user said so; folders and
// other things that are no files are never replaced.
bool Installation::mayReplace(Entry entry)
{
    switch (entry) {
    case Entry::None:
        return true;
    case Entry::Folder:
        return refuse(
            FontInstaller::tr("Your fonts folder holds a folder named %1, which was left as it is.")
                .arg(m_fileName));
    case Entry::Other:
        return refuse(FontInstaller::tr(
                          "Your fonts folder holds a device or pipe named %1, which was left as it "
                          "is.")
                          .arg(m_fileName));
    case Entry::BrokenLink:
        return m_platform.askYesNo(
            m_parent, messageTitle(),
            FontInstaller::tr("Your fonts folder holds a broken link named %1, which "
                              "leads to no file.\n\nDo you want to replace it?")
                .arg(m_fileName),
            false);
    case Entry::Font:
    case Entry::SameFile:
        break;
    }
    return m_platform.askYesNo(
        m_parent, messageTitle(),
        FontInstaller::tr(
            "Your fonts folder already holds a font named %1.\n\nDo you want to replace it?")
            .arg(m_fileName),
        false);
}

// Without the user's yes the copy only takes a free name; a file that took the
// name while the copy ran is asked about like one that was there before.
bool Installation::place(QTemporaryFile &copy, bool replace)
{
    QString error;
    Platform::Placed placed = m_platform.placeFile(copy.fileName(), m_destination, replace, &error);
    if (placed == Platform::Placed::NameTaken) {
        const Entry entry = entryAt(m_destination, m_source);
        if (!mayReplace(entry))
            return false;
        placed = m_platform.placeFile(copy.fileName(), m_destination, entry != Entry::None, &error);
        if (placed == Platform::Placed::NameTaken)
            error = FontInstaller::tr("another program keeps writing it");
    }
    if (placed != Platform::Placed::Done)
        return refuse(FontCopy::writeFailure(m_destination, error));
    copy.setAutoRemove(false);
    return true;
}

bool Installation::refuse(const QString &reason)
{
    const QString font =
        m_fileName.isEmpty() ? QDir::toNativeSeparators(m_source.filePath()) : m_fileName;
    tell(FontInstaller::tr("The font %1 was not installed.\n\n%2").arg(font, reason));
    return false;
}

} // namespace

QStringList FontInstaller::fontFileFilters()
{
    // Every kind of file the system's font reading opens. A .pfm or .afm holds only
    // the metrics of a font kept in another file.
    const QString kinds = QStringLiteral("ttf ttc otf otc woff woff2 otb cff pfa pfb t1 t42 pfr "
                                         "fon fnt pcf pcf.gz bdf");
    // Each letter in either case (".Ttf" too), as not every file dialog ignores case.
    QStringList patterns;
    for (const QString &kind : kinds.split(u' ')) {
        QString pattern = QStringLiteral("*.");
        for (const QChar c : kind)
            pattern += c.isLetter() ? QString(u'[') + c + c.toUpper() + u']' : QString(c);
        patterns << pattern;
    }
    return {FontInstaller::tr("All Font Files") + QStringLiteral(" (%1)").arg(patterns.join(u' ')),
            FontInstaller::tr("All Files *.* (*)")};
}

bool FontInstaller::installFont(Platform &platform, QWidget *parent, const QString &fontPath)
{
    if (fontPath.isEmpty())
        return false;
    return Installation(platform, parent, fontPath).run();
}
