// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "windowfonts.h"

#include "platform/platform.h"

#include <QApplication>

#include <utility>

QFont faceFont(Platform &platform, const QString &face, qreal points, FaceStyles styles)
{
    QFont font(platform.resolveFamily(face));
    font.setPointSizeF(points);
    for (const FaceStyle style : AllFaceStyles)
        setFaceStyle(font, style, styles.testFlag(style));
    return font;
}

void setFaceStyle(QFont &font, FaceStyle style, bool on)
{
    using Setter = void (QFont::*)(bool);
    static constexpr std::pair<FaceStyle, Setter> setters[] = {
        {FaceStyle::Bold, &QFont::setBold},
        {FaceStyle::Italic, &QFont::setItalic},
        {FaceStyle::Underline, &QFont::setUnderline},
        {FaceStyle::StrikeOut, &QFont::setStrikeOut},
    };
    for (const auto &[which, set] : setters) {
        if (which == style)
            (font.*set)(on);
    }
}

QFont windowFont(Platform &platform, FaceStyles styles)
{
    return faceFont(platform, WindowFace, WindowPoints, styles);
}

void setApplicationFont(Platform &platform)
{
    QApplication::setFont(windowFont(platform));
}
