// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

class Platform;

enum class FaceStyle { Regular = 0, Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
Q_DECLARE_FLAGS(FaceStyles, FaceStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(FaceStyles)
inline constexpr FaceStyle AllFaceStyles[] = {FaceStyle::Bold, FaceStyle::Italic,
                                              FaceStyle::Underline, FaceStyle::StrikeOut};

// Switches one style of font on or off; Regular is no style and changes nothing.
void setFaceStyle(QFont &font, FaceStyle style, bool on);

// The windows' own face, which every control without a font of its own shows, and
// the size of every font of the layouts.
inline constexpr QLatin1StringView WindowFace("Tahoma");
inline constexpr qreal WindowPoints = 8.25;

// A font for a face name the layouts ask for ("Tahoma", "Arial"), on the family the
// system actually has for it, so Qt never searches for a family that is missing.
QFont faceFont(Platform &platform, const QString &face, qreal points,
               FaceStyles styles = FaceStyle::Regular);

// The window face at the layouts' size.
QFont windowFont(Platform &platform, FaceStyles styles = FaceStyle::Regular);

// Qt's own default font is an alias that it would look up among every installed
// family; the program's windows, menus and message boxes get an installed one.
// Call before any window exists.
void setApplicationFont(Platform &platform);
