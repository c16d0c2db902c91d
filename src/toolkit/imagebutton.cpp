// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "imagebutton.h"

#include "toolkit/pictures.h"

#include <QCursor>
#include <QPainter>

ImageButton::ImageButton(const QString &pictureName, const QString &toolTip, QWidget *parent)
    : QAbstractButton(parent)
    , m_picture(picture(pictureName))
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(handCursor());
    setToolTip(toolTip);
    setAccessibleName(toolTip);
    setText(toolTip);
}

QSize ImageButton::sizeHint() const
{
    return QSize(16, 16);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isNull())
        return;
    const QSize size = m_picture.deviceIndependentSize().toSize();
    painter.drawPixmap(
        QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
        m_picture);
}
