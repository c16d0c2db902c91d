// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

// The pixel sizes (ems per pixel) a TrueType file carries hand-drawn bitmaps
// for; empty when it has none or cannot be read.
QList<int> bitmapStrikes(const QString &file);
