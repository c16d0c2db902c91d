// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "colours.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QScrollBar>
#include <QToolTip>
#include <QWidget>

namespace {

const QColor linkBlue(0, 0, 192);

// Every group of every role set, so that nothing of it is taken from a
// parent's palette or from the desktop's.
QPalette complete(const QPalette &palette)
{
    QPalette all;
    for (const QPalette::ColorGroup group :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto which = QPalette::ColorRole(role);
            all.setBrush(group, which, palette.brush(group, which));
        }
    }
    return all;
}

bool isTextBox(const QWidget *widget)
{
    return qobject_cast<const QAbstractScrollArea *>(widget) ||
           qobject_cast<const QLineEdit *>(widget);
}

} // namespace

QPalette layoutPalette()
{
    const QColor black(0, 0, 0), white(255, 255, 255), buttonFace(239, 239, 239);
    // Dark enough for white text, and for a disabled window's grey text to be read.
    const QColor selection(38, 112, 159), greyText(102, 102, 102);
    QPalette palette(black, buttonFace, white, QColor(159, 159, 159), QColor(184, 184, 184), black,
                     white, white, buttonFace);
    palette.setColor(QPalette::Midlight, QColor(202, 202, 202));
    palette.setColor(QPalette::Shadow, QColor(118, 118, 118));
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::Highlight, selection);
    palette.setColor(QPalette::HighlightedText, white);
    palette.setColor(QPalette::Link, linkBlue);
    palette.setColor(QPalette::LinkVisited, QColor(128, 0, 128));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, black);
    palette.setColor(QPalette::PlaceholderText, greyText);
    for (const QPalette::ColorRole text :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, text, greyText);
    return complete(palette);
}

void useLayoutColours()
{
    const QPalette palette = layoutPalette();
    QApplication::setPalette(palette);
    QToolTip::setPalette(palette);
}

void paintAsLink(QWidget *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, linkBlue);
    label->setPalette(palette);
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    // The scroll bars would take the colour too, and draw their arrows in it:
    // they keep the colours they have.
    if (const auto *area = qobject_cast<QAbstractScrollArea *>(widget)) {
        for (QScrollBar *bar : {area->horizontalScrollBar(), area->verticalScrollBar()})
            bar->setPalette(complete(bar->palette()));
    }
    QPalette palette = widget->palette();
    palette.setColor(isTextBox(widget) ? QPalette::Text : QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
