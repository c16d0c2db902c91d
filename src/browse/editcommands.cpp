// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "editcommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

QString selectedText(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        return line->selectedText();
    if (auto *text = qobject_cast<QPlainTextEdit *>(box)) {
        // QTextCursor marks line breaks with the paragraph separator.
        return text->textCursor().selectedText().replace(QChar::ParagraphSeparator,
                                                         QLatin1Char('\n'));
    }
    return {};
}

// Replaces the selection (or inserts at the caret) as one undoable step.
void replaceSelection(QWidget *box, const QString &replacement)
{
    if (auto *line = qobject_cast<QLineEdit *>(box)) {
        if (replacement.isEmpty() && !line->hasSelectedText())
            return;
        line->insert(replacement);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(box)) {
        QTextCursor cursor = text->textCursor();
        if (replacement.isEmpty() && !cursor.hasSelection())
            return;
        cursor.insertText(replacement);
        text->setTextCursor(cursor);
    }
}

void putOnClipboard(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace

void EditCommands::undo(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->undo();
    else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
        text->undo();
}

void EditCommands::cut(QWidget *box)
{
    putOnClipboard(selectedText(box));
    replaceSelection(box, QString());
}

void EditCommands::copy(QWidget *box)
{
    putOnClipboard(selectedText(box));
}

void EditCommands::paste(QWidget *box)
{
    replaceSelection(box, QGuiApplication::clipboard()->text());
}

void EditCommands::deleteSelection(QWidget *box)
{
    replaceSelection(box, QString());
}

void EditCommands::selectAll(QWidget *box)
{
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->selectAll();
    else if (auto *text = qobject_cast<QPlainTextEdit *>(box))
        text->selectAll();
}

EditTarget::EditTarget(QLineEdit *whichOne, QPlainTextEdit *preview, QLineEdit *search)
    : m_whichOne(whichOne)
    , m_preview(preview)
    , m_search(search)
{
}

void EditTarget::choosePreview()
{
    m_whichOne->setText(QStringLiteral("BigText"));
}

void EditTarget::chooseSearch()
{
    m_whichOne->setText(QStringLiteral("FontFind"));
}

QWidget *EditTarget::box() const
{
    if (m_whichOne->text() == QLatin1String("BigText"))
        return m_preview;
    return m_search;
}
