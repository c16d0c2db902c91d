// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class QLineEdit;
class QPlainTextEdit;
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

// Which box the edit commands act on: the one of the preview and the search box
// that the user entered or clicked last. The hidden box WhichOne holds its name,
// "BigText" or "FontFind".
class EditTarget {
public:
    EditTarget(QLineEdit *whichOne, QPlainTextEdit *preview, QLineEdit *search);

    void choosePreview();
    void chooseSearch();
    QWidget *box() const;

private:
    QLineEdit *m_whichOne;
    QPlainTextEdit *m_preview;
    QLineEdit *m_search;
};
