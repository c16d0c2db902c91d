// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class Platform;
class QWidget;

// Shared by the shell routines: hand a target to the desktop and, where nothing
// takes it, tell the user what is missing instead of failing silently.
bool isAddress(const QString &target);
void openAddress(Platform &platform, QWidget *owner, const QString &address);
void openLocalPath(Platform &platform, QWidget *owner, const QString &path);
void tellUser(Platform &platform, QWidget *owner, const QString &text);
