// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "app/readform.h"
#include "runningprogram.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void listIsSortedWithoutRegardToCaseAndPreviewStartsOnFirstFont();
    void handOverRunsOnceDuringSlowReading();
    void secondInstanceShowsNothing();
    void emptyFontListStillHandsOver();
    void onlyInstalledFamiliesReachQt();
    void captionsKeepTheirSpacing_data();
    void captionsKeepTheirSpacing();
    void sizeListHoldsEverySize();
    void hiddenControlsStayHidden();
    void visibleControlsLieInsideTheirWindow();
    void menusHaveEveryItemWithItsShortcut();
    void everyExitPathEndsTheProgram();
    void minimizeOnlyMinimizes();
};

void TestStartup::listIsSortedWithoutRegardToCaseAndPreviewStartsOnFirstFont()
{
    RunningProgram program;
    program.platform.fonts = {QStringLiteral("arial"), QStringLiteral("Courier New"),
                              QStringLiteral("Batang")};
    QVERIFY(program.start());
    MainForm *main = program.main;

    QAbstractItemModel *model = main->FontList->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("arial"));
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("Batang"));
    QCOMPARE(model->index(2, 0).data().toString(), QStringLiteral("Courier New"));

    QCOMPARE(main->selectedFont(), QStringLiteral("arial"));
    QCOMPARE(main->Sizelist->currentItem()->text(), QStringLiteral("8"));
    const QFont preview = main->BigText->font();
    QCOMPARE(preview.family(), QStringLiteral("arial"));
    QCOMPARE(preview.pointSizeF(), 8.0);
    QVERIFY(!preview.bold() && !preview.italic() && !preview.underline() && !preview.strikeOut());
    QCOMPARE(main->WhichOne->text(), QStringLiteral("BigText"));
    QCOMPARE(main->WindowsPath->text(), program.platform.windows);

    QVERIFY(!program.splash->isVisible());
    QVERIFY(!program.splash->ReadingTimer->isActive());
    QTRY_COMPARE(main->FontsNumber->text(), QStringLiteral("3"));
}

void TestStartup::handOverRunsOnceDuringSlowReading()
{
    RunningProgram program;
    program.platform.fonts.clear();
    for (int i = 0; i < 60; ++i)
        program.platform.fonts.append(
            QStringLiteral("Font %1").arg(59 - i, 2, 10, QLatin1Char('0')));

    int mainFormsSeen = 0;
    bool shownEarly = false;
    bool listVisibleWhileReading = false;
    program.platform.onFontRead = [&](int) {
        // 60 fonts at 20 ms each spans two ticks of the splash timer.
        QTest::qSleep(20);
        MainForm *main = program.splash->mainForm();
        if (main) {
            shownEarly |= main->isVisible();
            listVisibleWhileReading |= main->FontList->isVisible();
        }
        QCoreApplication::processEvents();
    };
    auto *counter = new QTimer;
    QObject::connect(counter, &QTimer::timeout, counter, [&] {
        const auto forms = QApplication::topLevelWidgets();
        mainFormsSeen = int(std::count_if(forms.begin(), forms.end(), [](QWidget *w) {
            return w->objectName() == QLatin1String("MainForm");
        }));
    });
    counter->start(5);
    QVERIFY(program.start());
    delete counter;

    QCOMPARE(mainFormsSeen, 1);
    QVERIFY(!shownEarly);
    QVERIFY(!listVisibleWhileReading);
    QCOMPARE(program.main->FontList->model()->rowCount(), 60);
    QCOMPARE(program.main->selectedFont(), QStringLiteral("Font 00"));
}

void TestStartup::secondInstanceShowsNothing()
{
    RunningProgram program;
    program.platform.otherInstance = true;
    QVERIFY(!program.start());
    QVERIFY(!program.splash->isVisible());
    QTest::qWait(700);
    QVERIFY(!program.splash->mainForm());
}

void TestStartup::emptyFontListStillHandsOver()
{
    RunningProgram program;
    program.platform.fonts.clear();
    QVERIFY(program.start());
    QVERIFY(program.main->selectedFont().isEmpty());
    // The preview keeps the face the load step gave it.
    QCOMPARE(program.main->BigText->font().family(), program.platform.fallbackFamily);
    QTRY_COMPARE(program.main->FontsNumber->text(), QStringLiteral("0"));
}

// Qt spends time growing with the square of the installed families on every
// face it cannot find, so no widget may carry a face the system lacks.
void TestStartup::onlyInstalledFamiliesReachQt()
{
    RunningProgram program;
    program.platform.installedFaces = {QStringLiteral("DejaVu Sans")};
    QVERIFY(program.start());
    QStringList installed = program.platform.fonts;
    installed << program.platform.installedFaces;

    QList<QWidget *> widgets = program.main->findChildren<QWidget *>();
    widgets << program.main << program.splash.get() << program.splash->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        const QString family = widget->font().family();
        QVERIFY2(installed.contains(family),
                 qPrintable(QString::fromLatin1(widget->metaObject()->className()) +
                            QLatin1Char(' ') + widget->objectName() + QLatin1String(": ") +
                            family));
    }
    QVERIFY(program.platform.resolvedFaces.contains(QStringLiteral("Tahoma")));
    QVERIFY(program.platform.resolvedFaces.contains(QStringLiteral("Arial")));
}

void TestStartup::captionsKeepTheirSpacing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::newRow("count") << "Label12"
                           << " Total Fonts Number :";
    QTest::newRow("browse") << "Label8"
                            << "Browse..";
    QTest::newRow("guide") << "Label13"
                           << "How To Install Fonts In Your Windows Manually";
    QTest::newRow("preview") << "Label6"
                             << "Your custom text goes here:";
    QTest::newRow("copy") << "Command1"
                          << "&Copy Font Name";
    QTest::newRow("fonts folder") << "Command3"
                                  << "&Open Windows Fonts Folder";
    QTest::newRow("installer") << "Frame2"
                               << " Fonts Installer ";
    QTest::newRow("placeholder") << "FontFind"
                                 << "Corvatek Software";
    QTest::newRow("strike") << "Strikeout"
                            << "Strikeout";
}

void TestStartup::captionsKeepTheirSpacing()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    FakePlatform platform;
    MainForm main(platform);
    QObject *widget = main.findChild<QObject *>(name);
    QVERIFY2(widget, qPrintable(name));
    QString text;
    if (auto *label = qobject_cast<QLabel *>(widget))
        text = label->text();
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        text = button->text();
    else if (auto *box = qobject_cast<QGroupBox *>(widget))
        text = box->title();
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        text = line->text();
    QCOMPARE(text, caption);
    QCOMPARE(main.windowTitle(), QStringLiteral("Glyphory - Version 3.6"));
    for (const char *link : {"RemoveLabel", "Label8", "Label11", "Label9", "Label13"}) {
        auto *label = main.findChild<QLabel *>(QString::fromLatin1(link));
        QCOMPARE(label->toolTip(), label->text());
    }
}

void TestStartup::sizeListHoldsEverySize()
{
    FakePlatform platform;
    MainForm main(platform);
    QCOMPARE(main.Sizelist->count(), 65);
    for (int row = 0; row < 65; ++row) {
        QCOMPARE(main.Sizelist->item(row)->text(), QString::number(row + 8));
        QCOMPARE(main.Sizelist->item(row)->data(Qt::UserRole).toInt(), 0);
    }
    QVERIFY(!main.Sizelist->currentItem());
}

void TestStartup::hiddenControlsStayHidden()
{
    RunningProgram program;
    QVERIFY(program.start());
    MainForm *main = program.main;
    for (const char *name :
         {"WindowsPath", "WhichOne", "RegionalInfo", "CharMapHelp", "Frame3", "Image8", "Image9"}) {
        auto *widget = main->findChild<QWidget *>(QString::fromLatin1(name));
        QVERIFY2(widget, name);
        QVERIFY2(!widget->isVisible(), name);
    }
    QVERIFY(!main->WhichOne->isEnabled());
    // The focus holder is behind the preview frame: nothing visible has the focus.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(main->PASS));
    QVERIFY(main->Frame4->geometry().contains(main->PASS->geometry()));
    const QWidgetList order =
        main->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    QVERIFY(order.indexOf(main->PASS) < order.indexOf(main->Frame4));

    // Each help text: paragraphs split by an empty line, CR LF line ends, one CR LF at the end.
    for (QLineEdit *help : {main->RegionalInfo, main->CharMapHelp}) {
        const QString text = help->text();
        QVERIFY(text.endsWith(QLatin1String(".\r\n")) || text.endsWith(QLatin1String(". \r\n")));
        QVERIFY(!text.endsWith(QLatin1String("\r\n\r\n")));
    }
    QCOMPARE(main->RegionalInfo->text().split(QStringLiteral("\r\n\r\n")).size(), 4);
    QCOMPARE(main->CharMapHelp->text().split(QStringLiteral("\r\n\r\n")).size(), 3);
    QCOMPARE(main->RegionalInfo->text().size(), 726);
    QCOMPARE(main->CharMapHelp->text().size(), 644);
}

void TestStartup::visibleControlsLieInsideTheirWindow()
{
    RunningProgram program;
    QVERIFY(program.start());
    for (QWidget *window :
         {static_cast<QWidget *>(program.main), static_cast<QWidget *>(program.splash.get())}) {
        if (!window->isVisible())
            window->show();
        const QRect inside = window->rect();
        for (QWidget *child : window->findChildren<QWidget *>()) {
            if (!child->isVisible() || child->isWindow() || child->objectName().isEmpty())
                continue;
            // The splash's frame deliberately starts above the client area so its
            // top border line does not show.
            if (window == program.splash.get() && child->objectName() == QLatin1String("Frame1"))
                continue;
            const QRect where(child->mapTo(window, QPoint(0, 0)), child->size());
            QVERIFY2(inside.contains(where), qPrintable(child->objectName()));
            // The layout was drawn for narrower faces than this system may have.
            if (auto *label = qobject_cast<QLabel *>(child); label && !label->wordWrap())
                QVERIFY2(label->width() >= label->sizeHint().width(),
                         qPrintable(child->objectName()));
            if (auto *box = qobject_cast<QCheckBox *>(child))
                QVERIFY2(box->width() >= box->sizeHint().width(), qPrintable(child->objectName()));
        }
    }
    QCOMPARE(program.main->centralWidget()->size(), QSize(872, 547));
    QCOMPARE(program.splash->size(), QSize(306, 96));
    QCOMPARE(program.main->FontList->geometry(), QRect(14, 76, 157, 438));
    QCOMPARE(program.main->BigText->geometry(), QRect(84, 58, 553, 234));
}

void TestStartup::menusHaveEveryItemWithItsShortcut()
{
    FakePlatform platform;
    MainForm main(platform);
    QStringList seen;
    for (QAction *top : main.menuBar()->actions()) {
        seen << top->text();
        for (QAction *item : top->menu()->actions()) {
            seen << (item->isSeparator()
                         ? QStringLiteral("-")
                         : item->text() + QLatin1Char('|') +
                               item->shortcut().toString(QKeySequence::PortableText));
        }
    }
    const QStringList expected{"&Main Menu",
                               "Minimize To Taskbar|Ctrl+T",
                               "-",
                               "Exit Glyphory|",
                               "E&dit",
                               "Undo|Ctrl+Z",
                               "-",
                               "Cut|Ctrl+X",
                               "Copy|Ctrl+C",
                               "Paste|Ctrl+V",
                               "Delete|Del",
                               "-",
                               "Clear All|Ctrl+E",
                               "Select All|Ctrl+A",
                               "Remove Font Styles|Ctrl+R",
                               "O&ptions",
                               "Refresh List|F1",
                               "-",
                               "Open Windows Fonts Folder|F2",
                               "E&xtras",
                               "Open Windows Character Map|F3",
                               "-",
                               "Open Regional and Language Options|F4",
                               "&Help and Support",
                               "License Agreement|Ctrl+L",
                               "-",
                               "Contact Corvatek Software|Ctrl+M",
                               "I Like Glyphory|Ctrl+I",
                               "Glyphory on the web|Ctrl+W",
                               "-",
                               "About Glyphory|Ctrl+B"};
    QCOMPARE(seen, expected);
}

void TestStartup::everyExitPathEndsTheProgram()
{
    RunningProgram program;
    QVERIFY(program.start());
    MainForm *main = program.main;
    main->findChild<QAction *>(QStringLiteral("Quit"))->trigger();
    QCOMPARE(program.platform.endRequests, 1);
    QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command4")), Qt::LeftButton);
    QCOMPARE(program.platform.endRequests, 2);
    main->Image9_Click();
    QCOMPARE(program.platform.endRequests, 3);
    main->close();
    QCOMPARE(program.platform.endRequests, 4);
    program.splash->CloseClick_Click();
    QCOMPARE(program.platform.endRequests, 5);
    QVERIFY(program.platform.messages.isEmpty());
}

void TestStartup::minimizeOnlyMinimizes()
{
    RunningProgram program;
    QVERIFY(program.start());
    MainForm *main = program.main;
    main->BigText->setPlainText(QStringLiteral("kept"));
    QTest::keyClick(main, Qt::Key_T, Qt::ControlModifier);
    QVERIFY(main->windowState() & Qt::WindowMinimized);
    main->Minimize_Click();
    QVERIFY(main->windowState() & Qt::WindowMinimized);
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral("kept"));
    QCOMPARE(program.platform.endRequests, 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
