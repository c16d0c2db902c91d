// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "runningprogram.h"

#include "app/mainform.h"
#include "app/readform.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

QStringList misplacedControls(const QWidget *window, const QStringList &skipped)
{
    QStringList misplaced;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible() || control->isWindow() || control->objectName().isEmpty() ||
            skipped.contains(control->objectName()))
            continue;
        const auto *label = qobject_cast<const QLabel *>(control);
        const auto *box = qobject_cast<const QCheckBox *>(control);
        const bool narrow =
            (label && !label->wordWrap() && label->width() < label->sizeHint().width()) ||
            (box && box->width() < box->sizeHint().width());
        if (narrow ||
            !window->rect().contains(QRect(control->mapTo(window, QPoint()), control->size())))
            misplaced << control->objectName();
    }
    return misplaced;
}

RunningProgram::RunningProgram() = default;
RunningProgram::~RunningProgram() = default;

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
