// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "windows/informationwindow.h"

class QFrame;
class QLabel;

// The about window: the program's name and version, the user's name, the support
// address, a copyright warning, the licence agreement and "OK".
class AboutForm : public InformationWindow {
    Q_OBJECT
public:
    // mainForm lends its icon, and is enabled and brought to the front by "OK".
    AboutForm(Platform &platform, QWidget *mainForm);

    void MinimizeToTray2_Click();
    void About_License_Click();
    void Label6_Click();

protected:
    void Form_Load() override;

private:
    void showUserName(const QString &name);

    QFrame *m_panel = nullptr;
    QLabel *m_userName = nullptr;
};
