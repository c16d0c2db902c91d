// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Places a window in the middle of the screen it is on.
void centreOnScreen(QWidget *window);
