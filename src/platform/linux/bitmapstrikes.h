// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The pixel sizes (ems per pixel) a TrueType file carries hand-drawn bitmaps
// for; empty when it has none or cannot be read.
QList<int> bitmapStrikes(const QString &file);
// fontconfig rules that have Qt draw a font file from its bitmaps, at the
// sizes it has them for.
QByteArray drawnFromBitmaps(const QByteArray &path);
