// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QString>

class QCursor;
class QIcon;
class QLabel;
class QPixmap;
class QWidget;

// The hand cursor shown over every clickable label and image.
QCursor handCursor();
// A picture from the program's resources, drawn sharp at any scale factor.
QPixmap picture(const QString &name);
// The program's window icon (16, 32 and 48 pixel images).
QIcon programIcon();

// A plain picture with no action.
QLabel *makePicture(const QString &pictureName, QWidget *parent);
// A one-pixel line between two points, in the scroll-bar colour the windows use.
QWidget *makeLine(QWidget *parent, const QString &name, QPoint from, QPoint to);
