// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QStringList>

class Platform;
class QWidget;

class FontInstaller {
    Q_DECLARE_TR_FUNCTIONS(FontInstaller)
public:
    // The filters of the font-file dialog: all font files first, then every file.
    static QStringList fontFileFilters();

    // Copies the file at fontPath into the user's fonts folder under its own name and
    // tells the user how it went. A file in which the desktop would list no font is
    // refused before anything is written. Only the fonts folder is written: an entry there of
    // the same name, a link included, is replaced itself and only after the user said
    // yes, even when it appeared while the copy ran. The fonts folder opens only after
    // a copy that succeeded. Returns true when the font is in the fonts folder afterwards.
    static bool installFont(Platform &platform, QWidget *parent, const QString &fontPath);
};
