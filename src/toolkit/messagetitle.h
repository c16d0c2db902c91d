// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

// The title of the program's message boxes, wherever they come from.
inline QString messageTitle()
{
    return QCoreApplication::translate("Glyphory", "Glyphory");
}
