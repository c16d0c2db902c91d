// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontfilereading.h"

#include "fontconfigrules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <fontconfig/fontconfig.h>

namespace {

const FcChar8 *fcText(const QByteArray &text)
{
    return reinterpret_cast<const FcChar8 *>(text.constData());
}

// Faces as FreeType finds them through fontconfig, before any setting applies.
int facesIn(const QByteArray &file)
{
    FcFontSet *faces = FcFontSetCreate();
    int count = 0;
    FcFreeTypeQueryAll(fcText(file), static_cast<unsigned>(-1), nullptr, &count, faces);
    const int found = faces->nfont;
    FcFontSetDestroy(faces);
    return found;
}

// The font settings as the desktop reads them when the user's fonts folder is
// next scanned: the rules that accept and reject fonts come only from there.
// What it scans is cached in cacheFolder, which comes first, so no cache is left
// behind among the user's or the system's.
FcConfig *desktopSettings(const QByteArray &cacheFolder)
{
    FcConfig *settings = FcConfigCreate();
    const QByteArray cache = "<cachedir>" + xmlEscaped(cacheFolder) + "</cachedir>";
    if (!loadSystemRules(settings, settings, cache, {})) {
        FcConfigDestroy(settings);
        return nullptr;
    }
    return settings;
}

// How many faces of the file at path the desktop lists once it lies in a fonts
// folder under its own name; -1 when that cannot be found out.
int listedFaces(const QString &path)
{
    QTemporaryDir scratch;
    const QString folder = scratch.filePath(QStringLiteral("fonts"));
    if (!scratch.isValid() || !QDir().mkdir(folder) ||
        !QFile::link(QFileInfo(path).absoluteFilePath(),
                     folder + QLatin1Char('/') + QFileInfo(path).fileName()))
        return -1;
    FcConfig *settings =
        desktopSettings(QFile::encodeName(scratch.filePath(QStringLiteral("cache"))));
    if (!settings)
        return -1;
    int listed = -1;
    if (FcConfigAppFontAddDir(settings, fcText(QFile::encodeName(folder)))) {
        const FcFontSet *fonts = FcConfigGetFonts(settings, FcSetApplication);
        listed = fonts ? fonts->nfont : 0;
    }
    FcConfigDestroy(settings);
    return listed;
}

} // namespace

Platform::FontFile FontFileReading::read(const QString &path)
{
    // The file is read once when it is listed, the common case, and twice only when not.
    const int listed = listedFaces(path);
    if (listed > 0)
        return Platform::FontFile::Listed;
    if (facesIn(QFile::encodeName(path)) == 0)
        return Platform::FontFile::NoFont;
    return listed == 0 ? Platform::FontFile::Hidden : Platform::FontFile::Listed;
}
