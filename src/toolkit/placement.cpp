// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "placement.h"

#include "platform/platform.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>

void centreOnScreen(Platform &platform, QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    // A window not yet shown has not taken its size: Qt sizes it to its
    // contents as it shows it, after it was placed. That is done here first.
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    // Until the window is on the screen Qt knows nothing of the frame the window
    // manager will add; the platform asks the manager, so the window appears in
    // its place at once instead of jumping there once it is framed. A manager
    // that cannot tell places the window itself.
    window->winId();
    QWindow *handle = window->windowHandle();
    if (!handle)
        return;
    const std::optional<QMargins> margins =
        handle->isVisible() ? handle->frameMargins() : platform.windowFrame(handle);
    if (!margins)
        return;
    QRect frame = window->geometry().marginsAdded(*margins);
    frame.moveCenter(screen->availableGeometry().center());
    window->setGeometry(frame.marginsRemoved(*margins));
}
