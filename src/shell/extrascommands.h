// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class Platform;
class QWidget;

// The Extras and Help commands that open something outside the program. Each is
// reached from a menu item, a button or a link of the main window and, for the
// two tools, from the answer Yes to a "Read More" question.
class ExtrasCommands {
    Q_DECLARE_TR_FUNCTIONS(ExtrasCommands)
public:
    static void openFontsFolder(Platform &platform, QWidget *owner);
    static void openCharacterMap(Platform &platform, QWidget *owner);
    static void openRegionalOptions(Platform &platform, QWidget *owner);
    // Shows the help text and offers to open the tool.
    static void readMoreCharacterMap(Platform &platform, QWidget *parent, const QString &helpText);
    static void readMoreRegionalOptions(Platform &platform, QWidget *parent,
                                        const QString &helpText);
    static void openLicense(Platform &platform, QWidget *owner);
};
