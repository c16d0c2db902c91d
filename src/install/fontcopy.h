// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QTemporaryFile;

namespace FontCopy {

// Copies every byte of the file at sourcePath into copy, which this opens, and
// closes it. Returns why the copy failed, in words for the user, or an empty text
// when it is complete; destination is where the copy is meant to go.
QString copy(const QString &sourcePath, QTemporaryFile &copy, const QString &destination);

// Why destination could not be written, with the system's reason.
QString writeFailure(const QString &destination, const QString &error);

} // namespace FontCopy
