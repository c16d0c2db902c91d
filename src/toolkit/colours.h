// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
class QWidget;

// Gives a label the links' dark blue text.
void paintAsLink(QWidget *label);
// The colour of a control's text, for labels and text boxes alike.
void setTextColour(QWidget *widget, const QColor &colour);
// A background of its own, drawn under labels and text boxes alike.
void setBackground(QWidget *widget, const QColor &colour);
