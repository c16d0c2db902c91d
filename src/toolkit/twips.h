// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>
#include <QtMath>

// Layouts are written in twips, as the window tables give them: 15 twips make
// one pixel at 96 dpi. Qt scales the pixels for high-DPI screens itself.
constexpr int twips(int value)
{
    return value >= 0 ? (value * 2 + 15) / 30 : -((-value * 2 + 15) / 30);
}

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

constexpr QPoint twipsPoint(int x, int y)
{
    return QPoint(twips(x), twips(y));
}
