// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "informationwindow.h"

#include "toolkit/placement.h"
#include "toolkit/twips.h"

#include <QCloseEvent>
#include <QKeyEvent>

InformationWindow::InformationWindow(Platform &platform, QWidget *mainForm, const QString &name,
                                     const QString &title, QSize clientTwips)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_platform(platform)
    , m_mainForm(mainForm)
{
    setObjectName(name);
    setWindowTitle(title);
    setFixedSize(twips(clientTwips.width()), twips(clientTwips.height()));
}

void InformationWindow::returnToMainForm()
{
    if (m_mainForm) {
        m_mainForm->setEnabled(true);
        m_mainForm->raise();
        m_mainForm->activateWindow();
    }
    m_shownAt = geometry();
    hide();
}

void InformationWindow::showEvent(QShowEvent *event)
{
    // The window is not on the screen yet, so it appears in its final place.
    if (!m_loaded && !event->spontaneous()) {
        m_loaded = true;
        Form_Load();
        if (m_mainForm)
            setScreen(m_mainForm->screen());
        centreOnScreen(m_platform, this);
    } else if (!event->spontaneous() && m_shownAt.isValid()) {
        // Some managers (GNOME's) hand a hidden window back with its client
        // area where the frame's corner was; Qt would then show it a title bar
        // higher each time.
        setGeometry(m_shownAt);
    }
    QWidget::showEvent(event);
}

void InformationWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        returnToMainForm();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// Left to Qt, the close would hide the window and leave the main window disabled
// for good. The window is not closed, only hidden, as its own control does it.
void InformationWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    returnToMainForm();
}
