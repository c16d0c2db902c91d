// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "app/readform.h"
#include "named.h"
#include "runningprogram.h"
#include "toolkit/linklabel.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

// The program as it starts: the splash window, its hand-over to the main window,
// and what the windows then offer.
class TestStartup : public QObject {
    Q_OBJECT
private slots:
    // The fonts are reported in the order arial, Courier New, Batang.
    void handOverShowsTheFirstFontOnInstalledFaces()
    {
        RunningProgram program;
        QVERIFY(program.start());
        MainForm *main = program.main;
        QCOMPARE(main->selectedFont(), QStringLiteral("arial"));
        QCOMPARE(named<QListWidget>(main, "Sizelist")->currentItem()->text(), QStringLiteral("8"));
        const QFont preview = named<QPlainTextEdit>(main, "BigText")->font();
        QCOMPARE(preview.family(), QStringLiteral("arial"));
        QCOMPARE(preview.pointSizeF(), 8.0);
        QVERIFY(!preview.bold() && !preview.italic() && !preview.underline() &&
                !preview.strikeOut());
        QVERIFY(!program.splash->isVisible());
        QVERIFY(!named<QTimer>(program.splash.get(), "ReadingTimer")->isActive());
        QTRY_COMPARE(named<QLabel>(main, "FontsNumber")->text(), QStringLiteral("3"));

        // Qt spends time growing with the square of the installed families on every
        // face it cannot find, so no widget may carry a face the system lacks.
        const QStringList installed = program.platform.fonts + program.platform.installedFaces;
        QList<QWidget *> widgets = main->findChildren<QWidget *>();
        widgets << main << program.splash.get() << program.splash->findChildren<QWidget *>();
        for (QWidget *widget : widgets)
            QVERIFY2(installed.contains(widget->font().family()),
                     qPrintable(widget->objectName() + u' ' + widget->font().family()));
        for (const char *face : {"Tahoma", "Arial"})
            QVERIFY(program.platform.resolvedFaces.contains(face));
    }

    void handOverRunsOnceDuringSlowReading()
    {
        RunningProgram program;
        program.platform.fonts.clear();
        for (int i = 0; i < 60; ++i)
            program.platform.fonts << QStringLiteral("Font %1").arg(59 - i, 2, 10, QChar(u'0'));
        bool seenWhileReading = false;
        program.platform.onFontRead = [&](int) {
            // 60 fonts at 20 ms each spans two ticks of the splash timer.
            QTest::qSleep(20);
            if (MainForm *main = program.splash->mainForm())
                seenWhileReading |= main->isVisible() || named(main, "FontList")->isVisible();
            QCoreApplication::processEvents();
        };
        QVERIFY(program.start());
        // A tick during the reading loaded no second main window.
        QCOMPARE(std::ranges::count_if(QApplication::topLevelWidgets(),
                                       [](QWidget *w) { return qobject_cast<MainForm *>(w); }),
                 1);
        QVERIFY(!seenWhileReading);
        QCOMPARE(named<QListView>(program.main, "FontList")->model()->rowCount(), 60);
        QCOMPARE(program.main->selectedFont(), QStringLiteral("Font 00"));
    }

    void secondInstanceShowsNothingAndNoFontsStillHandOver()
    {
        RunningProgram second;
        second.platform.otherInstance = true;
        QVERIFY(!second.start());
        QVERIFY(!second.splash->isVisible());
        QTest::qWait(700);
        QVERIFY(!second.splash->mainForm());

        RunningProgram program;
        program.platform.fonts.clear();
        QVERIFY(program.start());
        QVERIFY(program.main->selectedFont().isEmpty());
        // The preview keeps the face the load step gave it.
        QCOMPARE(named(program.main, "BigText")->font().family(), program.platform.fallbackFamily);
        QTRY_COMPARE(named<QLabel>(program.main, "FontsNumber")->text(), QStringLiteral("0"));
    }

    // What a screen reader finds: every control a user can reach or click has a name
    // and the role that says how to use it, and a link can be followed.
    void everyReachableControlIsNamed()
    {
        RunningProgram program;
        QVERIFY(program.start());
        MainForm *main = program.main;
        main->AboutPro_Click();
        main->aboutForm()->MinimizeToTray2_Click();
        main->LikeIt_Click();
        main->feedbackForm()->Image11_Click();
        int checked = 0;
        for (QWidget *window :
             QWidgetList{main, program.splash.get(), main->aboutForm(), main->feedbackForm()}) {
            for (QWidget *widget : window->findChildren<QWidget *>()) {
                const bool link = qobject_cast<LinkLabel *>(widget);
                const bool button = qobject_cast<QAbstractButton *>(widget);
                // Qt's own parts (scroll bars, the menu bar's overflow button) speak
                // for themselves.
                if (widget->window() != window || !widget->isVisibleTo(window) ||
                    (!link && !button && !(widget->focusPolicy() & Qt::TabFocus)) ||
                    widget->objectName().isEmpty() || widget->objectName().startsWith(u"qt_"))
                    continue;
                QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
                const QString what = window->objectName() + u'.' + widget->objectName();
                QVERIFY2(!face->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what));
                const QAccessible::Role role = face->role();
                QVERIFY2(link ? role == QAccessible::Link
                              : !button || role == QAccessible::Button ||
                                    role == QAccessible::CheckBox,
                         qPrintable(what));
                ++checked;
            }
        }
        QVERIFY2(checked >= 40, qPrintable(QString::number(checked)));

        QAccessibleInterface *link =
            QAccessible::queryAccessibleInterface(main->findChild<LinkLabel *>("Label7"));
        QCOMPARE(link->text(QAccessible::Name), QStringLiteral("Open Windows Character Map"));
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(program.platform.started.size(), 1);
    }

    void closeImageEndsTheProgram()
    {
        RunningProgram program;
        program.splash = std::make_unique<ReadForm>(program.platform);
        program.splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.splash.get()));
        QTest::mouseClick(program.splash->findChild<QWidget *>("CloseClick"), Qt::LeftButton);
        QCOMPARE(program.platform.endRequests, 1);
        QVERIFY(!program.splash->mainForm() && program.platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
