// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "preview.h"

#include "platform/platform.h"
#include "toolkit/colours.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPlainTextEdit>

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
        for (const FaceStyle style : AllFaceStyles) {
            if (!box(style)->isChecked())
                setFaceStyle(font, style, false);
        }
    });
}

void Preview::prepare(float points, const QString &family)
{
    changeFont([&](QFont &font) {
        font.setPointSizeF(points);
        for (const FaceStyle style : AllFaceStyles)
            setFaceStyle(font, style, false);
        if (!family.isEmpty())
            font.setFamily(family);
    });
}

void Preview::applyStyle(FaceStyle style)
{
    const bool on = box(style)->checkState() == Qt::Checked;
    changeFont([&](QFont &font) { setFaceStyle(font, style, on); });
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
        for (const FaceStyle style : AllFaceStyles)
            setFaceStyle(font, style, false);
    });
    for (const FaceStyle style : AllFaceStyles)
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

QCheckBox *Preview::box(FaceStyle style) const
{
    switch (style) {
    case FaceStyle::Bold:
        return m_controls.bold;
    case FaceStyle::Italic:
        return m_controls.italic;
    case FaceStyle::Underline:
        return m_controls.underline;
    case FaceStyle::StrikeOut:
        return m_controls.strikeout;
    case FaceStyle::Regular:
        break;
    }
    return nullptr;
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
