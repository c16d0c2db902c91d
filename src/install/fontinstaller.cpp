// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontinstaller.h"

#include "platform/platform.h"
#include "shell/winfontfolder.h"
#include "toolkit/messagetitle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// Fonts run to several megabytes; a fixed buffer keeps the copy's memory flat.
constexpr qint64 chunkSize = 256 * 1024;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

void tell(Platform &platform, QWidget *parent, const QString &text)
{
    platform.information(parent, messageTitle(), text);
}

bool refuse(Platform &platform, QWidget *parent, const QString &font, const QString &reason)
{
    tell(platform, parent,
         FontInstaller::tr("The font %1 was not installed.\n\n%2").arg(font, reason));
    return false;
}

QString writeFailure(const QString &destination, const QString &error)
{
    return FontInstaller::tr(
               "\"%1\" could not be written (%2). Nothing in your fonts folder was changed.")
        .arg(native(destination), error);
}

// Returns why the copy failed, or an empty text when it succeeded.
QString copyFile(const QString &sourcePath, const QString &destination)
{
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return FontInstaller::tr("\"%1\" could not be read (%2).")
            .arg(native(sourcePath), source.errorString());
    const qint64 expected = source.size();

    // The copy goes to a temporary file beside the destination and is renamed into
    // place only when complete, so a full disk or a crash never leaves a truncated
    // font behind, and a font already installed under this name stays whole.
    QSaveFile target(destination);
    target.setDirectWriteFallback(false);
    if (!target.open(QIODevice::WriteOnly))
        return writeFailure(destination, target.errorString());

    QByteArray chunk(chunkSize, Qt::Uninitialized);
    qint64 copied = 0;
    for (;;) {
        const qint64 got = source.read(chunk.data(), chunkSize);
        if (got < 0) {
            const QString error = source.errorString();
            target.cancelWriting();
            return FontInstaller::tr(
                       "\"%1\" could not be read (%2). Nothing in your fonts folder was changed.")
                .arg(native(sourcePath), error);
        }
        if (got == 0)
            break;
        // A full disk first shows as a short write without an error; writing the
        // rest then fails with the reason the user needs to see.
        for (qint64 written = 0; written < got;) {
            const qint64 step = target.write(chunk.constData() + written, got - written);
            if (step <= 0) {
                const QString error = target.errorString();
                target.cancelWriting();
                return writeFailure(destination, error);
            }
            written += step;
        }
        copied += got;
        // A source that keeps growing would otherwise be copied for ever.
        if (copied > expected)
            break;
    }
    if (copied != expected) {
        target.cancelWriting();
        return FontInstaller::tr(
                   "\"%1\" changed while it was being copied. Nothing in your fonts folder was "
                   "changed.")
            .arg(native(sourcePath));
    }
    if (!target.commit())
        return writeFailure(destination, target.errorString());
    return {};
}

} // namespace

QStringList FontInstaller::fontFileFilters()
{
    // Qt's file dialog matches patterns without regard to case, so a mixed-case
    // extension such as ".Ttf" is offered as a font file too.
    return {tr("All Font Files (*.TTF *.PFM *.OTF *.ttf *.pfm *.otf)"), tr("All Files *.* (*)")};
}

bool FontInstaller::installFont(Platform &platform, QWidget *parent, const QString &fontPath)
{
    if (fontPath.isEmpty())
        return false;

    // The name comes from the path itself, never from an earlier dialog, so the
    // installed file is always the one the user sees chosen.
    const QFileInfo source(fontPath);
    const QString fileName = source.fileName();
    const QString font = fileName.isEmpty() ? native(fontPath) : fileName;
    if (!source.exists()) {
        return refuse(platform, parent, font,
                      tr("\"%1\" could not be found. It may have been moved or deleted.")
                          .arg(native(fontPath)));
    }
    // Folders, devices and pipes are no fonts; reading one could block or never end.
    if (!source.isFile() || fileName.isEmpty()) {
        return refuse(platform, parent, font,
                      tr("\"%1\" is a folder or a device, not a font file.").arg(native(fontPath)));
    }

    const QString windows = platform.windowsFolder();
    if (windows.isEmpty()) {
        return refuse(platform, parent, font,
                      tr("Your fonts folder is unknown, because the folder for your personal "
                         "data files could not be determined. Check that your HOME folder is "
                         "set."));
    }
    const QString folder = windows + QLatin1Char('/') + platform.fontsFolderName();
    // A fresh account has no fonts folder until its first font goes in.
    if (!QDir().mkpath(folder)) {
        return refuse(
            platform, parent, font,
            QFileInfo::exists(folder)
                ? tr("\"%1\" is not a folder.").arg(native(folder))
                : tr("The fonts folder \"%1\" could not be created.").arg(native(folder)));
    }

    const QString destination = folder + QLatin1Char('/') + fileName;
    const QFileInfo existing(destination);
    if (existing.exists() || existing.isSymLink()) {
        if (existing.isDir()) {
            return refuse(platform, parent, font,
                          tr("Your fonts folder holds a folder named %1, which was left as it "
                             "is.")
                              .arg(fileName));
        }
        // Copying the installed file onto itself would gain nothing and risk it.
        if (existing.exists() && existing.canonicalFilePath() == source.canonicalFilePath()) {
            tell(platform, parent,
                 tr("The font %1 is already in your fonts folder \"%2\".")
                     .arg(fileName, native(folder)));
            return true;
        }
        if (!platform.askYesNo(parent, messageTitle(),
                               tr("Your fonts folder already holds a font named %1.\n\n"
                                  "Do you want to replace it?")
                                   .arg(fileName),
                               false))
            return false;
    }

    const QString failure = copyFile(fontPath, destination);
    if (!failure.isEmpty())
        return refuse(platform, parent, font, failure);

    tell(platform, parent,
         tr("Your selected font %1 has been successfully installed, You must restart the "
            "Glyphory application in order to active the font.")
             .arg(fileName));
    WinFontFolder::OpenWithShell(platform, parent, folder);
    return true;
}
