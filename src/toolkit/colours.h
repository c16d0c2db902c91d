// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>
class QWidget;

// The windows' own colours, fixed like their layout: white lists and text
// boxes, black text, the button-face grey. Nothing is left to the desktop's
// palette, which may be dark, light or high-contrast.
QPalette layoutPalette();
// Gives every window and tooltip the layout's colours. Call before any window exists.
void useLayoutColours();

// Gives a label the links' dark blue text.
void paintAsLink(QWidget *label);
// The colour of a control's text, for labels and text boxes alike; a text
// box's scroll bars keep theirs.
void setTextColour(QWidget *widget, const QColor &colour);
// A background of its own, drawn under labels and text boxes alike.
void setBackground(QWidget *widget, const QColor &colour);
