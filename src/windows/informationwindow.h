// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class Platform;

// A small fixed window that the main window shows after disabling itself, so that
// the pair behaves like a modal dialog while the event loop runs on. It has no close
// button: its own close control, Enter or Escape gives the main window back, and so
// does a close from the window manager (Alt+F4, a panel's or a compositor's close).
// The window is only ever hidden, never destroyed, and shows again as it was.
class InformationWindow : public QWidget {
    Q_OBJECT
protected:
    // clientTwips: the fixed size of the client area, in twips.
    InformationWindow(Platform &platform, QWidget *mainForm, const QString &name,
                      const QString &title, QSize clientTwips);

    Platform &platform() const { return m_platform; }
    QWidget *mainForm() const { return m_mainForm; }

    // Runs once, when the window is first shown, before it is centred on the screen.
    virtual void Form_Load() {}
    // Enables the main window, brings it to the front and hides this window.
    void returnToMainForm();

    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    Platform &m_platform;
    QWidget *m_mainForm;
    bool m_loaded = false;
    // Where the window was when it was last hidden.
    QRect m_shownAt;
};
