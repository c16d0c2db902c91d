// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// The edit commands act on a text box that may not have the focus (the menu and
// the toolbar images leave it where it was), so they work on the box itself,
// single-line or multi-line, and never move the focus. The clipboard is used as
// plain text only.
namespace EditCommands {

void undo(QWidget *box);
void cut(QWidget *box);
void copy(QWidget *box);
void paste(QWidget *box);
void deleteSelection(QWidget *box);
void selectAll(QWidget *box);

} // namespace EditCommands
