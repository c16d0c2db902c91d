// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

struct _FcConfig;

// A file's path written as text inside a fontconfig rule.
QByteArray xmlEscaped(const QByteArray &path);

// Loads into config the system's own font rules, with rules of ours before and
// after them (the first <cachedir> given is the one written to). The system's
// main file is asked of askOf, a configuration in hand: asked of one without
// fonts yet, fontconfig would load the whole collection a second time. False
// when the rules could not be read.
bool loadSystemRules(_FcConfig *config, _FcConfig *askOf, const QByteArray &before,
                     const QByteArray &after);
