// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class QTemporaryFile;

// The copy's messages belong with the installer's, which shows them.
class FontCopy {
    Q_DECLARE_TR_FUNCTIONS(FontInstaller)
public:
    // Copies every byte of the file at sourcePath into copy, which this opens, and
    // closes it. Returns why the copy failed, in words for the user, or an empty text
    // when it is complete; destination is where the copy is meant to go.
    static QString copy(const QString &sourcePath, QTemporaryFile &copy,
                        const QString &destination);

    // Why the file at source could not be opened or read, with the system's reason.
    static QString readFailure(const QString &source, const QString &error);
    // Why destination could not be written, with the system's reason.
    static QString writeFailure(const QString &destination, const QString &error);
};
