// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
//
// Where the windows appear, where their controls and links lie and where Tab
// takes the focus: what a user and a screen reader see from outside the program.
#include "app/mainform.h"
#include "app/readform.h"
#include "named.h"
#include "runningprogram.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>

// A window whose frame (the window manager's, around the client area) lies away
// from the screen's centre (by more than the pixel an odd size leaves over), and the named controls
// shown in it that reach outside it, or that are too narrow for their caption: the layouts were
// drawn for narrower faces than this system may have. Controls named in skipped are left out.
static QStringList misplacedControls(const QWidget *window, QMargins frame,
                                     const QStringList &skipped = {})
{
    QStringList misplaced;
    const QPoint offset = window->geometry().marginsAdded(frame).center() -
                          window->screen()->availableGeometry().center();
    if (qAbs(offset.x()) > 1 || qAbs(offset.y()) > 1)
        misplaced
            << QStringLiteral("%1,%2 px off the screen's centre").arg(offset.x()).arg(offset.y());
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible() || control->isWindow() || control->objectName().isEmpty() ||
            skipped.contains(control->objectName()))
            continue;
        const auto *label = qobject_cast<const QLabel *>(control);
        const auto *box = qobject_cast<const QCheckBox *>(control);
        const bool narrow =
            (label && !label->wordWrap() && label->width() < label->sizeHint().width()) ||
            (box && box->width() < box->sizeHint().width());
        if (narrow ||
            !window->rect().contains(QRect(control->mapTo(window, QPoint()), control->size())))
            misplaced << control->objectName();
    }
    return misplaced;
}

// The layouts' unit: 15 twips make a pixel at 96 dpi, to the nearest pixel.
constexpr auto px = [](int twips) { return (twips + 7) / 15; };

// Where a control lies, in twips inside its container's client area; a control
// sized to its text, given no width, has only its place fixed.
struct Place {
    const char *name;
    int left, top, width = 0, height = 0;
};

// clang-format off
const Place MainFormPlaces[] = {
    {"Frame1",      150,   60,   2775, 7965},
    {"FontFind",    420,   30,   1755, 210},
    {"FontList",    210,   1140, 2355, 6570},
    {"Frame6",      3090,  60,   6855, 2085},
    {"Label7",      1980,  780},
    {"Frame7",      10110, 60,   2745, 2085},
    {"Command1",    180,   710,  2355, 315},
    {"Command4",    180,   1590, 2355, 315},
    {"Frame4",      3090,  2220, 9765, 5805},
    {"Sizelist",    210,   270,  885,  5310},
    {"Strikeout",   3765,  270},
    {"Cut",         4875,  240,  240,  240},
    {"BigText",     1260,  870,  8295, 3510},
    {"Frame2",      1260,  4470, 8295, 1125},
    {"FontPath",    975,   600,  7035, 315},
    {"PASS",        5940,  3750, 1245, 525},
};
// clang-format on

static QStringList awayFromTheirPlaces(const QWidget *window, const auto &places)
{
    QStringList away;
    for (const auto &[name, left, top, width, height] : places) {
        const QWidget *control = named(window, name);
        // A framed panel's client area lies inside its border; a frame's is the whole frame.
        const auto *panel = qobject_cast<const QFrame *>(control->parentWidget());
        QRect box =
            control->geometry().translated(panel ? -panel->contentsRect().topLeft() : QPoint());
        if (width == 0)
            box.setSize(QSize(0, 0));
        if (box != QRect(px(left), px(top), px(width), px(height)))
            away << QLatin1String(name);
    }
    return away;
}

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void splashAndMainWindow()
    {
        RunningProgram program;
        // A title bar and uneven borders, as a window manager may draw them.
        const QMargins frame(2, 29, 6, 4);
        program.platform.frame = frame;
        program.splash = std::make_unique<ReadForm>(program.platform);
        program.splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.splash.get()));
        // The frame starts above the client area so its top line does not show.
        QCOMPARE(misplacedControls(program.splash.get(), frame, {"Frame1"}), QStringList());
        QCOMPARE(program.splash->size(), QSize(px(4590), px(1440)));
        program.splash.reset();

        QVERIFY(program.start());
        MainForm *main = program.main;
        QCOMPARE(misplacedControls(main, frame), QStringList());
        QCOMPARE(main->centralWidget()->size(), QSize(px(13080), px(8205)));
        QCOMPARE(awayFromTheirPlaces(main, MainFormPlaces).join(QStringLiteral("; ")), QString());
        QCOMPARE(named(main, "Line17")->geometry(),
                 QRect(QPoint(px(1260), px(540)), QPoint(px(9540), px(540))));
        auto *preview = named<QPlainTextEdit>(main, "BigText");
        preview->setFocus();
        QTest::keyClick(preview, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(preview->toPlainText(), QString());
    }

    void aboutAndFeedbackWindows()
    {
        RunningProgram program;
        program.platform.user = QString(300, u'W');
        program.platform.frame = QMargins(0, 37, 0, 0);
        QVERIFY(program.start());
        MainForm *main = program.main;
        for (const bool about : {true, false}) {
            about ? main->AboutPro_Click() : main->LikeIt_Click();
            QWidget *window =
                about ? static_cast<QWidget *>(main->aboutForm()) : main->feedbackForm();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            // The about window's button strip overhangs it on purpose; its buttons do not.
            QCOMPARE(misplacedControls(window, *program.platform.frame, {"Frame1", "UserName"}),
                     QStringList());
            // The captions before the links may be drawn wider than the layout expects
            // where Tahoma is missing; the links stay where the layout puts them anyway.
            const QWidget *link = window->findChild<QWidget *>(about ? "Label6" : "Label8");
            QCOMPARE(link->mapTo(window, QPoint()).x(), px(about ? 1170 : 1770 + 210));
            window->hide();
        }
        // The user name is read once, and shown whole 300 characters long: wrapped inside
        // the white panel, above the lines it pushes down.
        main->AboutPro_Click();
        QCOMPARE(program.platform.userNameReads, 1);
        const QWidget *about = main->aboutForm();
        const auto *name = about->findChild<QLabel *>("UserName");
        QCOMPARE(name->text(), program.platform.user);
        const QRect needed = name->fontMetrics().boundingRect(
            QRect(0, 0, name->width(), QWIDGETSIZE_MAX), Qt::TextWrapAnywhere, name->text());
        QVERIFY(name->width() >= needed.width() && name->height() >= needed.height());
        QVERIFY(about->findChild<QWidget *>("Shape1")->geometry().contains(name->geometry()));
        QVERIFY(name->geometry().bottom() < about->findChild<QWidget *>("Label8")->y());
    }
};

// A screen the main window fits on, as on the desktops the windows were laid
// out for; on one too small the platform may keep the frame from leaving it.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            "offscreen:configfile=" GLYPHORY_SOURCE_DIR "/tests/desktop/screen.json");
    QApplication app(argc, argv);
    TestPlacement test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_placement.moc"
