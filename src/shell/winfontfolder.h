// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class Platform;
class QWidget;

class WinFontFolder {
    Q_DECLARE_TR_FUNCTIONS(WinFontFolder)
public:
    // Opens a document, folder, program or web address the way the desktop would,
    // and returns at once. Besides full paths and addresses it understands the bare
    // names "Fonts" (the user's fonts folder) and "charmap.exe" (the desktop's
    // character map). When nothing can open the target the user is told what is
    // missing, as a desktop shell would. parameters and directory are passed on to a
    // started program; every caller leaves them empty.
    static void OpenWithShell(Platform &platform, QWidget *owner, const QString &file,
                              const QString &parameters = QString(),
                              const QString &directory = QString());

    // Opens a folder of this computer in the desktop's file manager. The path is
    // always a folder's, whatever it looks like: it is never taken for an address.
    static void OpenFolder(Platform &platform, QWidget *owner, const QString &folder);

    // Starts the desktop's region and language settings, or says that there are none.
    static void OpenRegionalSettings(Platform &platform, QWidget *owner);
};
