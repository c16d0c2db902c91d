// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
//
// Where the windows appear, where their controls and links lie and where Tab
// takes the focus: what a user and a screen reader see from outside the program.
#include "app/mainform.h"
#include "app/readform.h"
#include "runningprogram.h"
#include "toolkit/twips.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

static QString centreOffset(const QWidget *window)
{
    const QPoint offset =
        window->frameGeometry().center() - window->screen()->availableGeometry().center();
    if (qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1)
        return {};
    return window->objectName() +
           QStringLiteral(" is %1,%2 px off the screen's centre").arg(offset.x()).arg(offset.y());
}

// The named controls shown in a window that reach outside it, or that are too
// narrow for their caption: the layouts were drawn for narrower faces than this
// system may have. Controls named in skipped are left out.
static QStringList misplacedControls(const QWidget *window, const QStringList &skipped = {})
{
    QStringList misplaced;
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

// Presses key count times in window and names each control the focus lands on.
static QStringList walk(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers, int count)
{
    QStringList visited;
    for (int i = 0; i < count; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus || focus->window() != window)
            break;
        QTest::keyClick(focus, key, modifiers);
        visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                : QStringLiteral("(none)"));
    }
    return visited;
}

// Every control that takes the focus from the keyboard, in the window's order.
static QStringList focusChain(QWidget *window, QWidget *start)
{
    QStringList chain;
    QWidget *widget = start;
    do {
        widget = widget->nextInFocusChain();
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(window) &&
            widget->isEnabled() && widget->window() == window)
            chain << widget->objectName();
    } while (widget != start);
    return chain;
}

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    void splashAndMainWindow()
    {
        RunningProgram program;
        program.splash = std::make_unique<ReadForm>(program.platform);
        program.splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.splash.get()));
        QCOMPARE(centreOffset(program.splash.get()), QString());
        // The frame starts above the client area so its top line does not show.
        QCOMPARE(misplacedControls(program.splash.get(), {"Frame1"}), QStringList());
        QCOMPARE(program.splash->size(), QSize(306, 96));
        program.splash.reset();

        QVERIFY(program.start());
        MainForm *main = program.main;
        QCOMPARE(centreOffset(main), QString());
        QCOMPARE(misplacedControls(main), QStringList());
        QCOMPARE(main->centralWidget()->size(), QSize(872, 547));
        // In pixels, within their parents; the search box lies inside its strip's border.
        const std::pair<const char *, QRect> places[] = {{"FontList", QRect(14, 76, 157, 438)},
                                                         {"BigText", QRect(84, 58, 553, 234)},
                                                         {"FontFind", QRect(30, 4, 117, 14)},
                                                         {"Line17", QRect(84, 36, 553, 1)}};
        for (const auto &[name, place] : places)
            QCOMPARE(main->findChild<QWidget *>(name)->geometry(), place);
        const QString text = main->BigText->toPlainText();
        // Where Tab goes is tested with the rest of the keyboard; here only that it
        // leaves the preview text as it was.
        main->BigText->setFocus();
        QTest::keyClick(main->BigText, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(main->BigText->toPlainText(), text);
    }

    void aboutAndFeedbackWindows()
    {
        RunningProgram program;
        program.platform.user = QString(300, u'W');
        QVERIFY(program.start());
        MainForm *main = program.main;
        for (const bool about : {true, false}) {
            about ? main->AboutPro_Click() : main->LikeIt_Click();
            QWidget *window =
                about ? static_cast<QWidget *>(main->aboutForm()) : main->feedbackForm();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(centreOffset(window), QString());
            // The about window's button strip overhangs it on purpose; its buttons do not.
            QCOMPARE(misplacedControls(window, {"Frame1", "UserName"}), QStringList());
            // The captions before the links may be drawn wider than the layout expects
            // where Tahoma is missing; the links stay where the layout puts them anyway.
            const QWidget *link = window->findChild<QWidget *>(about ? "Label6" : "Label8");
            QCOMPARE(link->mapTo(window, QPoint()).x(), twips(about ? 1170 : 1770 + 210));
            QWidget *start = QApplication::focusWidget();
            QCOMPARE(start->window(), window);
            const QStringList chain = focusChain(window, start);
            QCOMPARE(walk(window, Qt::Key_Tab, Qt::NoModifier, int(chain.size())), chain);
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
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1280, "height": 1024,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TestPlacement test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_placement.moc"
