// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class EditTarget;
class FontBrowser;
class Platform;
class Preview;
class QLineEdit;

// The main window's load step, run once before the window is first shown. It sets no
// focus and shows nothing; selecting the first font and the size prepares the preview.
void runLoadStep(Platform &platform, EditTarget &editing, FontBrowser &fonts, Preview &preview,
                 QLineEdit *windowsPath);
