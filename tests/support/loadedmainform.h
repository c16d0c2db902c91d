// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/mainform.h"
#include "fakeplatform.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The main window loaded on a fake platform with three fonts, shown and active; the
// program's and the system's folder is a temporary one holding the two documents
// and a font to install. The first colour dialog answers red, the first file
// dialog that font.
struct LoadedMainForm {
    QTemporaryDir data;
    FakePlatform platform;
    std::unique_ptr<MainForm> main;

    bool show()
    {
        platform.fonts = {"Courier New", "Arial Black", "Arial"};
        platform.windows = platform.program = data.path();
        platform.nextColor = QColor(Qt::red);
        platform.nextFileName = data.filePath(QStringLiteral("Example.otf"));
        for (const char *name : {"License Agreement.rtf", "Install Fonts.rtf", "Example.otf"}) {
            QFile file(data.filePath(QLatin1String(name)));
            if (!file.open(QIODevice::WriteOnly) || file.write("OTTO") != 4)
                return false;
        }
        main = std::make_unique<MainForm>(platform);
        main->Form_Load();
        // As the hand-over does: the preview shows the first font.
        main->FontList_Click();
        main->show();
        return QTest::qWaitForWindowActive(main.get());
    }

    // What the program asked of the system, then the facts given, the data folder
    // as $DATA. A fact left empty ("path ") is left out.
    QString requests(QStringList facts) const
    {
        facts.prepend(platform.requests());
        facts.removeIf([](const QString &fact) { return fact.isEmpty() || fact.endsWith(u' '); });
        return facts.join(QStringLiteral("; ")).replace(data.path(), QStringLiteral("$DATA"));
    }
};
