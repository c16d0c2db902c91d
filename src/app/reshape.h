// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class Platform;

// Has every widget shape its text again, with the fonts Qt is shown now.
void reshapeAllTexts();
// From now on the windows' text is shaped again whenever the platform shows Qt
// fonts that text already laid out may need.
void followFontChanges(Platform &platform);
