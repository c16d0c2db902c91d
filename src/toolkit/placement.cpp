// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "placement.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    // A window not yet shown has not taken its size: Qt sizes it to its
    // contents as it shows it, after it was placed. That is done here first.
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    // Before the first show Qt does not count the frame in frameGeometry(); the
    // platform window knows it as soon as it exists (or, with a window manager
    // that has not framed it yet, takes it as none).
    QRect frame = window->frameGeometry();
    if (!window->isVisible()) {
        window->winId();
        if (const QWindow *handle = window->windowHandle())
            frame = window->geometry().marginsAdded(handle->frameMargins());
    }
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
