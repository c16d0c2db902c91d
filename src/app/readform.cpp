// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "readform.h"

#include "app/clickables.h"
#include "app/faces.h"
#include "app/mainform.h"
#include "app/platform.h"
#include "app/twips.h"
#include "version.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>

#include <QScopedValueRollback>

ReadForm::ReadForm(Platform &platform, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("ReadForm"));
    setWindowTitle(tr("Glyphory %1").arg(QLatin1String(GLYPHORY_VERSION)));
    setWindowIcon(programIcon());
    setFont(faceFont(platform, QStringLiteral("Tahoma"), 8.25));
    setFixedSize(twips(4590), twips(1440));

    auto *frame = new QGroupBox(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setGeometry(twipsRect(0, -90, 4605, 1545));

    auto place = [frame](QLabel *label, const QString &name, int left, int top) {
        label->setParent(frame);
        label->setObjectName(name);
        label->move(twips(left), twips(top));
        label->adjustSize();
    };
    place(new QLabel(tr("Corvatek Software Presents:")), QStringLiteral("Label1"), 240, 270);
    auto *title = new QLabel(tr("Glyphory - Version %1").arg(QLatin1String(GLYPHORY_VERSION)));
    title->setFont(faceFont(platform, QStringLiteral("Tahoma"), 8.25, FaceStyle::Bold));
    place(title, QStringLiteral("Label4"), 240, 510);
    makeLine(frame, QStringLiteral("Line1"), twipsPoint(240, 780), twipsPoint(4380, 780));

    QLabel *picture = makePicture(QStringLiteral("splash"), frame);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(twipsRect(210, 870, 480, 480));
    place(new QLabel(tr("Please wait while reading your installed fonts.")),
          QStringLiteral("Label2"), 780, 900);
    place(new QLabel(tr("This may take a few seconds only.")), QStringLiteral("Label3"), 780, 1110);

    auto *close = new ImageButton(QStringLiteral("close"), tr("Exit Glyphory"), frame);
    close->setObjectName(QStringLiteral("CloseClick"));
    close->setGeometry(twipsRect(4140, 240, 240, 240));
    connect(close, &ImageButton::clicked, this, &ReadForm::CloseClick_Click);

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
        centreOnScreen(this);
        // Half a second after the splash is shown the main window takes over.
        ReadingTimer->start();
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
    QPlainTextEdit *preview = main->BigText;
    QFont font = preview->font();
    font.setPointSizeF(8.0f);
    font.setBold(false);
    font.setStrikeOut(false);
    font.setUnderline(false);
    font.setItalic(false);
    const QString selected = main->selectedFont();
    if (!selected.isEmpty())
        font.setFamily(selected);
    preview->setFont(font);

    centreOnScreen(main);
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
