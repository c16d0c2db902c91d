// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "runningprogram.h"

#include "app/mainform.h"

#include <QTest>

bool RunningProgram::start()
{
    splash = std::make_unique<ReadForm>(platform);
    if (!splash->Form_Load())
        return false;
    splash->show();
    if (!QTest::qWaitFor([this] { return splash->mainForm() && splash->mainForm()->isVisible(); },
                         5000))
        return false;
    main = splash->mainForm();
    main->activateWindow();
    return QTest::qWaitForWindowActive(main);
}
