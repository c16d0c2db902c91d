// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class Platform;
class QWidget;

// Places a window, frame and all, in the middle of the screen it is on.
void centreOnScreen(Platform &platform, QWidget *window);
