// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontconfigrules.h"

#include <QFile>

#include <fontconfig/fontconfig.h>

QByteArray xmlEscaped(const QByteArray &path)
{
    return QFile::encodeName(QFile::decodeName(path).toHtmlEscaped());
}

bool loadSystemRules(FcConfig *config, FcConfig *askOf, const QByteArray &before,
                     const QByteArray &after)
{
    FcChar8 *mainFile = FcConfigGetFilename(askOf, nullptr);
    const QByteArray rules =
        "<?xml version=\"1.0\"?>\n<fontconfig>" + before +
        (mainFile ? "<include ignore_missing=\"yes\">" +
                        xmlEscaped(reinterpret_cast<const char *>(mainFile)) + "</include>"
                  : QByteArray()) +
        after + "</fontconfig>\n";
    if (mainFile)
        FcStrFree(mainFile);
    return FcConfigParseAndLoadFromMemory(
        config, reinterpret_cast<const FcChar8 *>(rules.constData()), FcFalse);
}
