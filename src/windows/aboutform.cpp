// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "aboutform.h"

#include "app/clickables.h"
#include "app/platform.h"
#include "app/twips.h"
#include "shell/addresses.h"
#include "shell/support.h"
#include "shell/winfontfolder.h"
#include "version.h"

#include <QGroupBox>
#include <QPainter>
#include <QPushButton>

namespace {

// A label whose text breaks anywhere, even inside a word, so that a name of any
// length fits the panel's width.
class WrapAnywhereLabel final : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(palette().color(foregroundRole()));
        painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere,
                         text());
    }
};

} // namespace

AboutForm::AboutForm(Platform &platform, QWidget *mainForm)
    : InformationWindow(platform, mainForm, QStringLiteral("AboutForm"), tr("About Glyphory"),
                        QSize(7995, 4905))
{
    const QString product = tr("Glyphory %1").arg(QLatin1String(GLYPHORY_VERSION));

    // Back to front where controls overlap.
    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Shape1"));
    m_panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_panel->setAutoFillBackground(true);
    QPalette panelColours = m_panel->palette();
    panelColours.setColor(QPalette::Window, panelColours.color(QPalette::Base));
    panelColours.setColor(QPalette::WindowText, panelColours.color(QPalette::Text));
    m_panel->setPalette(panelColours);
    m_panel->setGeometry(twipsRect(300, 210, 7365, 3705));

    addPicture(this, QStringLiteral("Image3"), QStringLiteral("glyphory-48"), QString(),
               twipsRect(600, 540, 720, 720));
    addLabel(this, QStringLiteral("Label3"), product, twipsPoint(1470, 600));

    m_userName = placeLabel(new WrapAnywhereLabel(tr("Computer User"), this),
                            QStringLiteral("UserName"), twipsPoint(2550, 1020), FaceStyle::Bold);

    addLabel(this, QStringLiteral("Label8"), tr("Contact:"), twipsPoint(600, 1380));
    addLabel(this, QStringLiteral("Label9"), tr("E-Mail :"), twipsPoint(600, 1620));
    LinkLabel *mail = addLink(this, QStringLiteral("Label6"), SupportMailAddress,
                              tr("Contact Corvatek Software"), twipsPoint(1170, 1620));
    connect(mail, &LinkLabel::clicked, this, &AboutForm::Label6_Click);
    addWrappingLabel(this, QStringLiteral("Label15"),
                     tr("Warning: this computer program is protected by copyright law and "
                        "international treaties. Copying or passing on this program, or any "
                        "part of it, without the permission of Corvatek Software is against "
                        "the law and may lead to civil and criminal penalties."),
                     twipsRect(600, 1950, 6675, 855));
    addLabel(this, QStringLiteral("Label12"), product, twipsPoint(600, 2940));

    // The strip reaches past the client area on three sides: only its top line shows.
    auto *strip = new QGroupBox(this);
    strip->setObjectName(QStringLiteral("Frame1"));
    strip->setGeometry(twipsRect(-450, 4050, 8505, 945));

    auto *ok = new QPushButton(tr("OK"), strip);
    ok->setObjectName(QStringLiteral("MinimizeToTray2"));
    ok->setGeometry(twipsRect(6090, 300, 2025, 345));
    auto *license = new QPushButton(tr("Glyphory License Agreement"), strip);
    license->setObjectName(QStringLiteral("About_License"));
    license->setGeometry(twipsRect(2430, 300, 3495, 345));
    for (QPushButton *button : {ok, license}) {
        button->setFont(labelFont());
        // Enter presses the button that has the focus, as in a dialog.
        button->setAutoDefault(true);
    }
    setTabOrder(ok, license);
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &AboutForm::MinimizeToTray2_Click);
    connect(license, &QPushButton::clicked, this, &AboutForm::About_License_Click);
}

void AboutForm::Form_Load()
{
    if (mainForm())
        setWindowIcon(mainForm()->windowIcon());
    showUserName(platform().userName());
}

void AboutForm::MinimizeToTray2_Click()
{
    returnToMainForm();
}

void AboutForm::About_License_Click()
{
    WinFontFolder::OpenWithShell(platform(), this,
                                 platform().documentPath(QStringLiteral("License Agreement.rtf")));
}

void AboutForm::Label6_Click()
{
    Support::MailSupport(platform());
}

// The name is shown whole however long it is: it wraps inside the white panel, and
// what lies below it moves down, the window growing by the lines the name adds.
void AboutForm::showUserName(const QString &name)
{
    m_userName->setText(name);
    const QFontMetrics metrics(m_userName->font());
    const int room = m_panel->geometry().right() - metrics.averageCharWidth() - m_userName->x();
    const QSize needed =
        metrics.boundingRect(QRect(0, 0, room, QWIDGETSIZE_MAX), Qt::TextWrapAnywhere, name).size();
    const int oldHeight = m_userName->height();
    m_userName->resize(needed.width(), qMax(needed.height(), oldHeight));

    const int extra = m_userName->height() - oldHeight;
    if (extra <= 0)
        return;
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->y() > m_userName->y())
            child->move(child->x(), child->y() + extra);
    }
    m_panel->resize(m_panel->width(), m_panel->height() + extra);
    setFixedSize(width(), height() + extra);
}
