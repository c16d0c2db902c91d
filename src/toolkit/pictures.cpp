// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "pictures.h"

#include <QCursor>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPixmap>

QCursor handCursor()
{
    static const QPixmap hand(QStringLiteral(":/images/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    // The fingertip is the hot spot.
    return QCursor(hand, 9, 1);
}

QPixmap picture(const QString &name)
{
    // QPixmap picks the @2x file by itself on a high-DPI screen.
    return QPixmap(QStringLiteral(":/images/%1.png").arg(name));
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/images/glyphory-%1.png").arg(size), QSize(size, size));
    return icon;
}

QLabel *makePicture(const QString &pictureName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(picture(pictureName));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget *makeLine(QWidget *parent, const QString &name, QPoint from, QPoint to)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(200, 200, 200));
    line->setPalette(palette);
    const QRect span = QRect(from, to).normalized();
    line->setGeometry(span.left(), span.top(), qMax(1, span.width()), qMax(1, span.height()));
    return line;
}
