// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "preview.h"

#include "platform/platform.h"
#include "toolkit/colours.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>

namespace {

constexpr Preview::Style AllStyles[] = {Preview::Style::Bold, Preview::Style::Italic,
                                        Preview::Style::Underline, Preview::Style::Strikeout};

void setStyle(QFont &font, Preview::Style style, bool on)
{
    switch (style) {
    case Preview::Style::Bold:
        font.setBold(on);
        break;
    case Preview::Style::Italic:
        font.setItalic(on);
        break;
    case Preview::Style::Underline:
        font.setUnderline(on);
        break;
    case Preview::Style::Strikeout:
        font.setStrikeOut(on);
        break;
    }
}

} // namespace

Preview::Preview(Platform &platform, const Controls &controls)
    : m_platform(platform)
    , m_controls(controls)
{
    // The preview shows the chosen font and nothing else: a character the font
    // lacks shows as the font's own missing-glyph box, not borrowed from another
    // font. That is the honest preview, and it spares a search through every
    // installed font for each character no font has.
    changeFont([](QFont &font) { font.setStyleStrategy(QFont::NoFontMerging); });
}

QString Preview::fontName() const
{
    return m_controls.text->font().family();
}

void Preview::selectSize(int points)
{
    const QList<QListWidgetItem *> found =
        m_controls.sizes->findItems(QString::number(points), Qt::MatchExactly);
    if (!found.isEmpty())
        m_controls.sizes->setCurrentItem(found.first());
}

void Preview::applySelectedSize()
{
    if (const std::optional<float> points = selectedSize())
        changeFont([&](QFont &font) { font.setPointSizeF(*points); });
}

void Preview::showFont(const QString &family)
{
    changeFont([&](QFont &font) {
        if (const std::optional<float> points = selectedSize())
            font.setPointSizeF(*points);
        if (!family.isEmpty()) {
            m_platform.loadFamily(family);
            font.setFamily(family);
        }
        for (const Style style : AllStyles) {
            if (!box(style)->isChecked())
                setStyle(font, style, false);
        }
    });
}

void Preview::prepare(float points, const QString &family)
{
    changeFont([&](QFont &font) {
        font.setPointSizeF(points);
        for (const Style style : AllStyles)
            setStyle(font, style, false);
        if (!family.isEmpty())
            font.setFamily(family);
    });
}

void Preview::applyStyle(Style style)
{
    const bool on = box(style)->checkState() == Qt::Checked;
    changeFont([&](QFont &font) { setStyle(font, style, on); });
}

void Preview::chooseColour(QWidget *parent)
{
    if (const std::optional<QColor> chosen = m_platform.chooseColor(parent, m_confirmed))
        m_confirmed = *chosen;
    setTextColour(m_controls.text, m_confirmed);
}

void Preview::resetStyles()
{
    changeFont([](QFont &font) {
        for (const Style style : AllStyles)
            setStyle(font, style, false);
    });
    for (const Style style : AllStyles)
        box(style)->setChecked(false);
}

void Preview::clearText()
{
    // Removing the text through a cursor keeps the box's undo history, so the
    // user can take a "Clear All" back.
    QTextCursor cursor(m_controls.text->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void Preview::useFace(const QString &face)
{
    changeFont([&](QFont &font) { font.setFamily(m_platform.resolveFamily(face)); });
}

QCheckBox *Preview::box(Style style) const
{
    switch (style) {
    case Style::Bold:
        return m_controls.bold;
    case Style::Italic:
        return m_controls.italic;
    case Style::Underline:
        return m_controls.underline;
    case Style::Strikeout:
        break;
    }
    return m_controls.strikeout;
}

std::optional<float> Preview::selectedSize() const
{
    const QListWidgetItem *entry = m_controls.sizes->currentItem();
    bool ok = false;
    const float points = entry ? entry->text().toFloat(&ok) : 0.0f;
    return ok ? std::optional(points) : std::nullopt;
}

void Preview::changeFont(const std::function<void(QFont &)> &change)
{
    QFont font = m_controls.text->font();
    change(font);
    m_controls.text->setFont(font);
}
