// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A "mailto:" link for a new message; every part may be empty. Only the body is
// encoded ("&", blanks and line breaks); the subject, cc, bcc and attachment pass as
// they are, and a "%" is never encoded, so "%20" typed in the body stays a blank.
QString composeMailLink(const QString &address, const QString &subject, const QString &body,
                        const QString &cc, const QString &bcc, const QString &attachment);
