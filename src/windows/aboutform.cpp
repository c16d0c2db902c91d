// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "aboutform.h"

#include "platform/platform.h"
#include "shell/addresses.h"
#include "shell/extrascommands.h"
#include "shell/support.h"
#include "toolkit/layoutbuilder.h"
#include "version.h"

#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

AboutForm::AboutForm(Platform &platform, QWidget *mainForm)
    : InformationWindow(platform, mainForm, QStringLiteral("AboutForm"), tr("About Glyphory"),
                        QSize(7995, 4905))
{
    using enum ControlKind;
    using A = AboutForm;
    const QString product = tr("Glyphory %1").arg(QLatin1String(GLYPHORY_VERSION));
    const Face plain{Typeface::Tahoma}, bold{Typeface::Tahoma, FaceStyle::Bold},
        link{Typeface::Tahoma, FaceStyle::Bold | FaceStyle::Underline};
    // Back to front where controls overlap. The button strip reaches past the client
    // area on three sides: only its top line shows.
    // clang-format off
    const LayoutRow<AboutForm> layout[] = {
        // name             kind          parent    text                    left  top   width height font   role                      tooltip
        {"Shape1",          Shape,        nullptr,  {},                     300,  210,  7365, 3705},
        {"Image3",          Picture,      nullptr,  u"glyphory-48"_s,       600,  540,  720,  720},
        {"Label3",          Label,        nullptr,  product,                1470, 600,  2025, 195,  plain},
        {"UserName",        NameLabel,    nullptr,  tr("Computer User"),    2550, 1020, 1275, 195,  bold},
        {"Label8",          Label,        nullptr,  tr("Contact:"),         600,  1380, 630,  195,  plain},
        {"Label9",          Label,        nullptr,  tr("E-Mail :"),         600,  1620, 525,  195,  plain},
        {"Label6",          Link,         nullptr,  SupportMailAddress,     1170, 1620, 2460, 195,  link,  &A::Label6_Click,         tr("Contact Corvatek Software")},
        {"Label15",         WrappedLabel, nullptr,  tr("Warning: this computer program is protected by copyright law and "
                                                       "international treaties. Copying or passing on this program, or any "
                                                       "part of it, without the permission of Corvatek Software is against "
                                                       "the law and may lead to civil and criminal penalties."),
                                                                            600,  1950, 6675, 855,  plain},
        {"Label12",         Label,        nullptr,  product,                600,  2940, 2025, 195,  plain},
        {"Frame1",          Frame,        nullptr,  {},                     -450, 4050, 8505, 945},
        {"MinimizeToTray2", Button,       "Frame1", tr("OK"),               6090, 300,  2025, 345,  plain, &A::MinimizeToTray2_Click},
        {"About_License",   Button,       "Frame1", tr("Glyphory License Agreement"),
                                                                            2430, 300,  3495, 345,  plain, &A::About_License_Click},
    };
    // clang-format on
    LayoutBuilder controls(platform, this);
    controls.build(this, layout);
    m_panel = controls.get<QFrame>("Shape1");
    m_userName = controls.get<QLabel>("UserName");

    auto *ok = controls.get<QPushButton>("MinimizeToTray2");
    auto *license = controls.get<QPushButton>("About_License");
    // Enter presses the button that has the focus, as in a dialog.
    ok->setAutoDefault(true);
    license->setAutoDefault(true);
    orderTabStops(this, {"MinimizeToTray2", "About_License", "Label6"});
    ok->setFocus();
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
    ExtrasCommands::openLicense(platform(), this);
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
