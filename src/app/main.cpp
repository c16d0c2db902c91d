// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/readform.h"
#include "app/reshape.h"
#include "platform/platform.h"
#include "toolkit/colours.h"
#include "toolkit/pictures.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    chooseWindowSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glyphory"));
    // Lets the desktop match the windows to the launcher entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.example.glyphory"));
    QApplication::setWindowIcon(programIcon());
    useLayoutColours();

    const std::unique_ptr<Platform> platform = makePlatform();
    followFontChanges(*platform);
    ReadForm splash(*platform);
    if (!splash.Form_Load())
        return 0;
    splash.show();
    return app.exec();
}
