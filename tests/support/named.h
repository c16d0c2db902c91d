// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

// A window's control found by its object name, the way a screen reader finds it.
// A name that names nothing of that kind ends the run with the name, rather than
// leaving a null pointer to crash on later.
template <typename Control = QWidget> Control *named(const QObject *window, const char *name)
{
    auto *found = window->findChild<Control *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(window->objectName()),
               Control::staticMetaObject.className(), name);
    return found;
}
