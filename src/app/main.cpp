// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/clickables.h"
#include "app/desktopplatform.h"
#include "app/faces.h"
#include "app/readform.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("glyphory"));
    QApplication::setWindowIcon(programIcon());

    DesktopPlatform platform;
    // Qt's own default font is an alias that it would look up among every
    // installed family; give it an installed one before any window exists.
    QApplication::setFont(faceFont(platform, QStringLiteral("Tahoma"), 8.25));

    ReadForm splash(platform);
    if (!splash.Form_Load())
        return 0;
    splash.show();
    return app.exec();
}
