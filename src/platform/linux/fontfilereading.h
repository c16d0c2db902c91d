// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform.h"

namespace FontFileReading {

// Platform::readFontFile() through fontconfig and the desktop's own font settings.
Platform::FontFile read(const QString &path);

} // namespace FontFileReading
