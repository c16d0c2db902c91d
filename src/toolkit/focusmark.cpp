// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "focusmark.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

void drawFocusMark(QWidget *widget)
{
    QPainter painter(widget);
    const QRect edge = widget->rect().adjusted(0, 0, -1, -1);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 0, Qt::SolidLine));
    painter.drawRect(edge);
    painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
    painter.drawRect(edge);
}

bool isActivationKey(const QKeyEvent *event)
{
    if (event->isAutoRepeat() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
    case Qt::Key_Select:
        return true;
    default:
        return false;
    }
}
