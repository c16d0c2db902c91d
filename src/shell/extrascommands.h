// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Platform;
class QWidget;

// The Extras and Help commands that open something outside the program. Each is
// reached from a menu item, a button or a link of the main window and, for the
// two tools, from the answer Yes to a "Read More" question.
namespace ExtrasCommands {

void openFontsFolder(Platform &platform, QWidget *owner);
void openCharacterMap(Platform &platform, QWidget *owner);
void openRegionalOptions(Platform &platform, QWidget *owner);
// Shows the help text and offers to open the tool.
void readMoreCharacterMap(Platform &platform, QWidget *parent, const QString &helpText);
void readMoreRegionalOptions(Platform &platform, QWidget *parent, const QString &helpText);
void openLicense(Platform &platform, QWidget *owner);

} // namespace ExtrasCommands
