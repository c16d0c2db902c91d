// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "app/readform.h"
#include "runningprogram.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

// The splash window and its hand-over to the main window.
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
        QCOMPARE(main->Sizelist->currentItem()->text(), QStringLiteral("8"));
        const QFont preview = main->BigText->font();
        QCOMPARE(preview.family(), QStringLiteral("arial"));
        QCOMPARE(preview.pointSizeF(), 8.0);
        QVERIFY(!preview.bold() && !preview.italic() && !preview.underline() &&
                !preview.strikeOut());
        QVERIFY(!program.splash->isVisible());
        QVERIFY(!program.splash->ReadingTimer->isActive());
        QTRY_COMPARE(main->FontsNumber->text(), QStringLiteral("3"));

        // Qt spends time growing with the square of the installed families on every
        // face it cannot find, so no widget may carry a face the system lacks.
        const QStringList installed = program.platform.fonts + program.platform.installedFaces;
        QList<QWidget *> widgets = main->findChildren<QWidget *>();
        widgets << main << program.splash.get() << program.splash->findChildren<QWidget *>();
        for (QWidget *widget : widgets)
            QVERIFY2(installed.contains(widget->font().family()),
                     qPrintable(widget->objectName() + u' ' + widget->font().family()));
        QVERIFY(program.platform.resolvedFaces.contains(QStringLiteral("Tahoma")));
        QVERIFY(program.platform.resolvedFaces.contains(QStringLiteral("Arial")));
    }

    void handOverRunsOnceDuringSlowReading()
    {
        RunningProgram program;
        program.platform.fonts.clear();
        for (int i = 0; i < 60; ++i)
            program.platform.fonts << QStringLiteral("Font %1").arg(59 - i, 2, 10, QChar(u'0'));
        int mainFormsSeen = 0;
        bool seenWhileReading = false;
        program.platform.onFontRead = [&](int) {
            // 60 fonts at 20 ms each spans two ticks of the splash timer.
            QTest::qSleep(20);
            if (MainForm *main = program.splash->mainForm())
                seenWhileReading |= main->isVisible() || main->FontList->isVisible();
            QCoreApplication::processEvents();
        };
        QTimer counter;
        QObject::connect(&counter, &QTimer::timeout, &counter, [&] {
            const auto forms = QApplication::topLevelWidgets();
            mainFormsSeen = int(std::count_if(forms.begin(), forms.end(), [](QWidget *w) {
                return w->objectName() == QLatin1String("MainForm");
            }));
        });
        counter.start(5);
        QVERIFY(program.start());
        QCOMPARE(mainFormsSeen, 1);
        QVERIFY(!seenWhileReading);
        QCOMPARE(program.main->FontList->model()->rowCount(), 60);
        QCOMPARE(program.main->selectedFont(), QStringLiteral("Font 00"));
    }

    void secondInstanceShowsNothing()
    {
        RunningProgram program;
        program.platform.otherInstance = true;
        QVERIFY(!program.start());
        QVERIFY(!program.splash->isVisible());
        QTest::qWait(700);
        QVERIFY(!program.splash->mainForm());
    }

    void emptyFontListStillHandsOver()
    {
        RunningProgram program;
        program.platform.fonts.clear();
        QVERIFY(program.start());
        QVERIFY(program.main->selectedFont().isEmpty());
        // The preview keeps the face the load step gave it.
        QCOMPARE(program.main->BigText->font().family(), program.platform.fallbackFamily);
        QTRY_COMPARE(program.main->FontsNumber->text(), QStringLiteral("0"));
    }

    void controlsLieInsideTheirWindow()
    {
        RunningProgram program;
        QVERIFY(program.start());
        program.splash->show();
        QCOMPARE(misplacedControls(program.main), QStringList());
        // The splash's frame starts above the client area so its top line does not show.
        QCOMPARE(misplacedControls(program.splash.get(), {"Frame1"}), QStringList());
        QCOMPARE(program.main->centralWidget()->size(), QSize(872, 547));
        QCOMPARE(program.splash->size(), QSize(306, 96));
        // In pixels, within their parents; the search box lies inside its strip's border.
        const std::pair<const char *, QRect> places[] = {{"FontList", QRect(14, 76, 157, 438)},
                                                         {"BigText", QRect(84, 58, 553, 234)},
                                                         {"FontFind", QRect(30, 4, 117, 14)},
                                                         {"Line17", QRect(84, 36, 553, 1)}};
        for (const auto &[name, place] : places)
            QCOMPARE(program.main->findChild<QWidget *>(QLatin1String(name))->geometry(), place);
    }

    void closeImageEndsTheProgram()
    {
        RunningProgram program;
        program.splash = std::make_unique<ReadForm>(program.platform);
        program.splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(program.splash.get()));
        QTest::mouseClick(program.splash->findChild<QWidget *>(QStringLiteral("CloseClick")),
                          Qt::LeftButton);
        QCOMPARE(program.platform.endRequests, 1);
        QVERIFY(!program.splash->mainForm());
        QVERIFY(program.platform.messages.isEmpty());
    }
};

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
