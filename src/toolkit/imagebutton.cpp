// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "imagebutton.h"

#include "toolkit/focusmark.h"
#include "toolkit/pictures.h"

#include <QCursor>
#include <QKeyEvent>
#include <QPainter>

ImageButton::ImageButton(const QString &pictureName, const QString &toolTip, QWidget *parent)
    : QAbstractButton(parent)
    , m_picture(picture(pictureName))
{
    setFocusPolicy(Qt::TabFocus);
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
    if (!m_picture.isNull()) {
        QPainter painter(this);
        const QSize size = m_picture.deviceIndependentSize().toSize();
        painter.drawPixmap(
            QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
            m_picture);
    }
    if (hasFocus())
        drawFocusMark(this);
}

// Space too acts at once, as on the links, rather than on its release as
// QAbstractButton would have it.
void ImageButton::keyPressEvent(QKeyEvent *event)
{
    if (isActivationKey(event))
        click();
    else
        QAbstractButton::keyPressEvent(event);
}
