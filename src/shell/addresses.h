// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Fixed when the program is built; the program has no settings to change them.
inline const QString ProductPageAddress =
    QStringLiteral("http://www.example.com/software/glyphory.html");
inline const QString SupportMailAddress = QStringLiteral("support@corvatek.example");
inline const QString DownloadSiteHost = QStringLiteral("example.com");
inline const QString DownloadSiteAddress = QStringLiteral("http://www.") + DownloadSiteHost;
// Short enough that "Goto <brand>:" ends before the link to the site.
inline const QString DownloadSiteBrand = QStringLiteral("Filo");
inline const QString ReviewSiteAddress = QStringLiteral("http://www.example.net");
