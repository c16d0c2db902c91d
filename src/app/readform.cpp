// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "readform.h"

#include "app/mainform.h"
#include "browse/preview.h"
#include "platform/platform.h"
#include "toolkit/imagebutton.h"
#include "toolkit/layoutbuilder.h"
#include "toolkit/pictures.h"
#include "toolkit/placement.h"
#include "toolkit/twips.h"
#include "toolkit/windowfonts.h"
#include "version.h"

#include <QLabel>
#include <QTimer>

#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

ReadForm::ReadForm(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("ReadForm"));
    setWindowTitle(tr("Glyphory %1").arg(QLatin1String(GLYPHORY_VERSION)));
    setWindowIcon(programIcon());
    setFixedSize(twips(4590), twips(1440));

    // Nothing here may measure or draw text: the first text Qt lays out makes it
    // read every installed font, and the splash is there to be seen before that.
    using enum ControlKind;
    // clang-format off
    const LayoutRow<ReadForm> layout[] = {
        // name        kind          parent    text                                                left  top   width height font role                     tooltip
        {"Frame1",     Box,          nullptr,  {},                                                 0,    -90,  4605, 1545},
        {"Label1",     PendingLabel, "Frame1", tr("Corvatek Software Presents:"),                  240,  270,  2085, 225},
        {"Label4",     PendingLabel, "Frame1", tr("Glyphory - Version %1").arg(QLatin1String(GLYPHORY_VERSION)),
                                                                                                   240,  510,  3105, 195},
        {"Label2",     PendingLabel, "Frame1", tr("Please wait while reading your installed fonts."), 780, 900, 3285, 195},
        {"Label3",     PendingLabel, "Frame1", tr("This may take a few seconds only."),            780,  1110, 2475, 195},
        {"Line1",      Line,         "Frame1", {},                                                 240,  780,  4140, 0},
        {"Image1",     Picture,      "Frame1", u"splash"_s,                                        210,  870,  480,  480},
        {"CloseClick", ImageButton,  "Frame1", u"close"_s,                                         4140, 240,  240,  240,  {}, &ReadForm::CloseClick_Click, tr("Exit Glyphory")},
    };
    // clang-format on
    LayoutBuilder controls(platform, this);
    controls.build(this, layout);
    for (const char *name : {"Label1", "Label4", "Label2", "Label3"})
        m_texts.append(controls.get<QLabel>(name));

    ReadingTimer = new QTimer(this);
    ReadingTimer->setObjectName(QStringLiteral("ReadingTimer"));
    ReadingTimer->setInterval(500);
    connect(ReadingTimer, &QTimer::timeout, this, &ReadForm::ReadingTimer_Timer);
}

ReadForm::~ReadForm()
{
    delete m_main;
}

bool ReadForm::Form_Load()
{
    return !m_platform.anotherInstanceRunning();
}

void ReadForm::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_placed) {
        m_placed = true;
        centreOnScreen(m_platform, this);
        // The texts follow as soon as the window is on the screen.
        QTimer::singleShot(0, this, &ReadForm::showTexts);
        // Half a second after the splash is shown the main window takes over.
        ReadingTimer->start();
    }
}

void ReadForm::showTexts()
{
    // Qt's own default font is an alias that it would look up among every
    // installed family; the program's windows get an installed family instead.
    setApplicationFont(m_platform);
    setFont(windowFont(m_platform));
    m_texts.at(1)->setFont(windowFont(m_platform, FaceStyle::Bold));
    for (QLabel *label : std::as_const(m_texts)) {
        label->adjustSize();
        label->show();
    }
}

MainForm *ReadForm::loadMainForm()
{
    if (!m_main) {
        m_main = new MainForm(m_platform);
        m_main->Form_Load();
    }
    return m_main;
}

void ReadForm::ReadingTimer_Timer()
{
    // The font reading yields to the event loop, so a tick can arrive while the
    // hand-over is still loading the main window: it must not start again.
    if (m_handingOver)
        return;
    QScopedValueRollback<bool> busy(m_handingOver, true);

    MainForm *main = loadMainForm();
    main->preview().prepare(Preview::FirstSize, main->selectedFont());

    centreOnScreen(m_platform, main);
    main->show();
    hide();
    if (isVisible())
        return;
    main->raise();
    main->activateWindow();
    ReadingTimer->stop();
}

void ReadForm::CloseClick_Click()
{
    m_platform.endProgram();
}
