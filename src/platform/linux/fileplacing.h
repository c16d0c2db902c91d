// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/platform.h"

namespace FilePlacing {

// Platform::placeFile() on this system's file calls.
Platform::Placed place(const QString &temporary, const QString &destination, bool replace,
                       QString *error);

} // namespace FilePlacing
