// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

class AboutForm;
class ForGlyphory;
class Platform;
class QWidget;

// The about and feedback windows of the Help menu. Each is created on first use and
// kept until the program ends. The pair behaves as a modal dialog while the event
// loop runs on: the main window stays disabled until the window's own control
// enables it again.
class HelpWindows {
public:
    HelpWindows(Platform &platform, QWidget *mainForm);
    ~HelpWindows();
    HelpWindows(const HelpWindows &) = delete;
    HelpWindows &operator=(const HelpWindows &) = delete;

    void showAbout();
    void showFeedback();

    AboutForm *aboutForm() const { return m_about; }
    ForGlyphory *feedbackForm() const { return m_feedback; }

private:
    Platform &m_platform;
    QWidget *m_mainForm;
    AboutForm *m_about = nullptr;
    ForGlyphory *m_feedback = nullptr;
};
