// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "reshape.h"

#include "platform/platform.h"

#include <QApplication>
#include <QWidget>

namespace {

// Qt forgets its cached fonts when the font list changes, but a font object
// that has drawn text keeps the font engines it was given and, from the second
// change on, keeps them for good, with the fallbacks of the list it first saw.
// A copy that compares equal and shares nothing starts afresh.
QFont unshared(const QFont &font)
{
    QFont copy = font;
    const uint mask = copy.resolveMask();
    const QFont::StyleStrategy strategy = copy.styleStrategy();
    copy.setStyleStrategy(QFont::StyleStrategy(strategy ^ QFont::PreferQuality));
    copy.setStyleStrategy(strategy);
    copy.setResolveMask(mask);
    return copy;
}

// Differs from font only in a hint Qt's font matching here ignores, so that
// setFont() takes it where it would ignore an equal font.
QFont nudged(const QFont &font)
{
    QFont copy = font;
    copy.setStyleStrategy(QFont::StyleStrategy(copy.styleStrategy() ^ QFont::PreferQuality));
    return copy;
}

} // namespace

void reshapeAllTexts()
{
    // Going to a different font and back gives every widget that follows the
    // application's style strategy a font of its own, and a font change.
    const QFont font = QApplication::font();
    QApplication::setFont(nudged(font));
    QApplication::setFont(unshared(font));
    // The widgets that set a style strategy of their own take the same way
    // themselves; those that only inherit one follow them.
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        const QFont own = widget->font();
        if (!widget->testAttribute(Qt::WA_SetFont) ||
            !(own.resolveMask() & QFont::StyleStrategyResolved))
            continue;
        widget->setFont(nudged(own));
        widget->setFont(unshared(own));
    }
}

void followFontChanges(Platform &platform)
{
    platform.setFontsChangedHandler(reshapeAllTexts);
}
