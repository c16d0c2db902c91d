// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The user's base folders as the XDG rules name them. A variable that holds a
// relative path (or an address such as "https://...") is invalid and ignored, so
// an odd environment can never send the program's files somewhere else.
namespace UserFolders {

// $XDG_DATA_HOME, else $HOME/.local/share; empty without an absolute home.
QString dataHome();
// $XDG_CACHE_HOME, else $HOME/.cache; empty without an absolute home.
QString cacheHome();
// $XDG_RUNTIME_DIR; empty when it is not set to an absolute path.
QString runtimeFolder();
// $TMPDIR when absolute, else /tmp.
QString temporaryFolder();

} // namespace UserFolders
