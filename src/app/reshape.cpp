// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "reshape.h"

#include "platform/platform.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>

namespace {

QFont::StyleStrategy otherQuality(QFont::StyleStrategy strategy)
{
    return QFont::StyleStrategy(strategy ^ QFont::PreferQuality);
}

// Qt forgets its cached fonts when the font list changes, but a font object
// that has drawn text keeps the font engines it was given and, from the second
// change on, keeps them for good, with the fallbacks of the list it first saw.
// A copy that compares equal and shares nothing starts afresh.
QFont unshared(const QFont &font)
{
    QFont copy = font;
    const uint mask = copy.resolveMask();
    const QFont::StyleStrategy strategy = copy.styleStrategy();
    copy.setStyleStrategy(otherQuality(strategy));
    copy.setStyleStrategy(strategy);
    copy.setResolveMask(mask);
    return copy;
}

// setFont() ignores a font equal to the one a widget has, so the widget goes
// to one that differs only in a hint Qt's font matching here ignores, and
// back. Each step reaches the children that inherit the widget's font.
void shake(QWidget *widget)
{
    const QFont own = widget->font();
    if (widget->testAttribute(Qt::WA_SetFont)) {
        QFont nudged = own;
        nudged.setStyleStrategy(otherQuality(own.styleStrategy()));
        widget->setFont(nudged);
        widget->setFont(unshared(own));
    } else {
        QFont nudged;
        nudged.setStyleStrategy(otherQuality(own.styleStrategy()));
        widget->setFont(nudged);
        widget->setFont(QFont());
    }
}

int depthOf(const QWidget *widget)
{
    int depth = 0;
    for (; widget->parentWidget(); widget = widget->parentWidget())
        ++depth;
    return depth;
}

} // namespace

void reshapeAllTexts()
{
    // Windows made from now on, and those that take the application's font.
    QApplication::setFont(unshared(QApplication::font()));
    // Parents first: a parent's new font reaches every child that inherits
    // it, so only the widgets still holding their old font need a turn.
    QWidgetList widgets = QApplication::allWidgets();
    std::ranges::stable_sort(widgets, {}, depthOf);
    QList<QFont> old;
    old.reserve(widgets.size());
    for (const QWidget *widget : std::as_const(widgets))
        old.append(widget->font());
    for (qsizetype i = 0; i < widgets.size(); ++i) {
        if (widgets.at(i)->font().isCopyOf(old.at(i)))
            shake(widgets.at(i));
    }
}

void followFontChanges(Platform &platform)
{
    platform.setFontsChangedHandler(reshapeAllTexts);
}
