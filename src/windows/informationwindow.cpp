// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "informationwindow.h"

#include "app/clickables.h"
#include "app/twips.h"

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
    hide();
}

QFont InformationWindow::labelFont(FaceStyles styles) const
{
    return faceFont(m_platform, QStringLiteral("Tahoma"), 8.25, styles);
}

QLabel *InformationWindow::placeLabel(QLabel *label, const QString &name, QPoint at,
                                      FaceStyles styles) const
{
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setFont(labelFont(styles));
    label->move(at);
    label->adjustSize();
    return label;
}

QLabel *InformationWindow::addLabel(QWidget *parent, const QString &name, const QString &text,
                                    QPoint at, FaceStyles styles)
{
    return placeLabel(new QLabel(text, parent), name, at, styles);
}

QLabel *InformationWindow::addWrappingLabel(QWidget *parent, const QString &name,
                                            const QString &text, const QRect &box)
{
    QLabel *label = addLabel(parent, name, text, box.topLeft());
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(box);
    return label;
}

LinkLabel *InformationWindow::addLink(QWidget *parent, const QString &name, const QString &text,
                                      const QString &toolTip, QPoint at)
{
    auto *link = new LinkLabel(text, parent);
    link->setToolTip(toolTip);
    paintAsLink(link);
    placeLabel(link, name, at, FaceStyle::Bold | FaceStyle::Underline);
    return link;
}

QLabel *InformationWindow::addPicture(QWidget *parent, const QString &name,
                                      const QString &pictureName, const QString &toolTip,
                                      const QRect &box)
{
    QLabel *image = makePicture(pictureName, parent);
    image->setObjectName(name);
    image->setToolTip(toolTip);
    image->setGeometry(box);
    return image;
}

void InformationWindow::showEvent(QShowEvent *event)
{
    // The window is not on the screen yet, so it appears in its final place.
    if (!m_loaded && !event->spontaneous()) {
        m_loaded = true;
        Form_Load();
        if (m_mainForm)
            setScreen(m_mainForm->screen());
        centreOnScreen(this);
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
