// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class QKeyEvent;
class QWidget;

// The dotted rectangle around a clickable label or image that has the keyboard
// focus. It alternates black and white, so it shows on a light and a dark
// background alike.
void drawFocusMark(QWidget *widget);

// Enter, Return and Space act as a click on the clickable labels and images.
bool isActivationKey(const QKeyEvent *event);
