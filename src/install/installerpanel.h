// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>

class Platform;
class QDropEvent;
class QLineEdit;
class QWidget;

// The links of the main window's installer panel, around the box that shows the
// chosen font file.
class InstallerPanel {
    Q_DECLARE_TR_FUNCTIONS(InstallerPanel)
public:
    InstallerPanel(Platform &platform, QWidget *owner, QLineEdit *path);

    // A cancelled dialog keeps the file chosen before.
    void browse();
    // Shows and installs the chosen file; without one they do nothing.
    void display();
    void install();
    void openGuide();

    // A drag that carries files or addresses, over the window or any box of it
    // (entering, moving or dropped): one local file dropped is chosen as Browse..
    // chooses it; anything else is explained and changes nothing. False, and the
    // event left alone, for any other drag.
    bool takeDrop(QDropEvent *event);

private:
    void choose(const QString &path);

    Platform &m_platform;
    QWidget *m_owner;
    QLineEdit *m_path;
};
