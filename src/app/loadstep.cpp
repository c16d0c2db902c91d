// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "loadstep.h"

#include "browse/editcommands.h"
#include "browse/fontbrowser.h"
#include "browse/preview.h"
#include "platform/platform.h"
#include "toolkit/windowfonts.h"

#include <QCoreApplication>
#include <QLineEdit>

void runLoadStep(Platform &platform, EditTarget &editing, FontBrowser &fonts, Preview &preview,
                 QLineEdit *windowsPath)
{
    editing.choosePreview();
    QCoreApplication::processEvents();
    fonts.readInstalledFonts();
    fonts.selectFirst();
    preview.selectSize(Preview::FirstSize);
    windowsPath->setText(platform.windowsFolder());
    // Stays only when the list is empty: the hand-over gives the preview the first font.
    preview.useFace(WindowFace);
}
