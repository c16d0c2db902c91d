// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "windowfonts.h"

#include "platform/platform.h"

#include <QApplication>

QFont faceFont(Platform &platform, const QString &face, qreal points, FaceStyles styles)
{
    QFont font(platform.resolveFamily(face));
    font.setPointSizeF(points);
    font.setBold(styles.testFlag(FaceStyle::Bold));
    font.setItalic(styles.testFlag(FaceStyle::Italic));
    font.setUnderline(styles.testFlag(FaceStyle::Underline));
    font.setStrikeOut(styles.testFlag(FaceStyle::StrikeOut));
    return font;
}

QFont windowFont(Platform &platform, FaceStyles styles)
{
    return faceFont(platform, WindowFace, WindowPoints, styles);
}

void setApplicationFont(Platform &platform)
{
    QApplication::setFont(windowFont(platform));
}
