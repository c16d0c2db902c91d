// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QMargins>

#include <optional>

class QWindow;

// What the program needs from the window manager beyond what Qt asks of it.
namespace WindowManager {

// The border and title bar the manager will draw around window, a top-level
// window created but not yet shown; none where no manager runs. No value where
// the manager does not tell before the window is on the screen (KWin) and on
// Wayland: they place the window themselves.
std::optional<QMargins> expectedFrame(QWindow *window);

// Minimizes window, also where it shows no minimize button.
void minimize(QWindow *window);

// The window system Qt is to use, for a desktop session described by the
// environment variables XDG_SESSION_TYPE, XDG_CURRENT_DESKTOP, DISPLAY and
// QT_QPA_PLATFORM; empty to leave the choice to Qt.
QByteArray windowSystemFor(const QByteArray &sessionType, const QByteArray &desktops,
                           const QByteArray &display, const QByteArray &chosen);

} // namespace WindowManager
