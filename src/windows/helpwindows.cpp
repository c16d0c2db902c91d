// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "helpwindows.h"

#include "windows/aboutform.h"
#include "windows/forglyphory.h"

HelpWindows::HelpWindows(Platform &platform, QWidget *mainForm)
    : m_platform(platform)
    , m_mainForm(mainForm)
{
}

HelpWindows::~HelpWindows()
{
    delete m_about;
    delete m_feedback;
}

void HelpWindows::showAbout()
{
    m_mainForm->setEnabled(false);
    if (!m_about)
        m_about = new AboutForm(m_platform, m_mainForm);
    m_about->show();
    m_about->raise();
}

void HelpWindows::showFeedback()
{
    if (!m_feedback)
        m_feedback = new ForGlyphory(m_platform, m_mainForm);
    m_feedback->show();
    m_feedback->raise();
    m_mainForm->setEnabled(false);
}
