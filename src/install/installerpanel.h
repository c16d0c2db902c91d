// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class Platform;
class QLineEdit;
class QWidget;

// The links of the main window's installer panel, around the box that shows the
// chosen font file.
class InstallerPanel {
public:
    InstallerPanel(Platform &platform, QWidget *owner, QLineEdit *path);

    // A cancelled dialog keeps the file chosen before.
    void browse();
    // Shows and installs the chosen file; without one they do nothing.
    void display();
    void install();
    void openGuide();

private:
    Platform &m_platform;
    QWidget *m_owner;
    QLineEdit *m_path;
};
