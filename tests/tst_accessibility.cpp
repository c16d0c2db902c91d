// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/clickables.h"
#include "app/mainform.h"
#include "app/readform.h"
#include "runningprogram.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QTest>

// What a screen reader finds: every control a user can reach or click has a name
// and the role that says how to use it.
class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
    void everyReachableControlIsNamed();
    void linksCanBeFollowed();
};

void TestAccessibility::everyReachableControlIsNamed()
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
         {static_cast<QWidget *>(main), static_cast<QWidget *>(program.splash.get()),
          static_cast<QWidget *>(main->aboutForm()),
          static_cast<QWidget *>(main->feedbackForm())}) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (widget->window() != window || !widget->isVisibleTo(window))
                continue;
            const bool link = qobject_cast<LinkLabel *>(widget);
            const bool button = qobject_cast<QAbstractButton *>(widget);
            const bool focusable = widget->focusPolicy() & Qt::TabFocus;
            if (!link && !button && !focusable)
                continue;
            // Qt's own parts (scroll bars, the menu bar's overflow button) speak for themselves.
            if (widget->objectName().isEmpty() ||
                widget->objectName().startsWith(QLatin1String("qt_")))
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(face);
            const QString what = window->objectName() + QLatin1Char('.') + widget->objectName();
            QVERIFY2(!face->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what));
            if (link)
                QVERIFY2(face->role() == QAccessible::Link, qPrintable(what));
            if (button && !link)
                QVERIFY2(face->role() == QAccessible::Button ||
                             face->role() == QAccessible::CheckBox,
                         qPrintable(what));
            ++checked;
        }
    }
    QVERIFY2(checked >= 40, qPrintable(QString::number(checked)));
}

void TestAccessibility::linksCanBeFollowed()
{
    RunningProgram program;
    QVERIFY(program.start());
    auto *link = program.main->findChild<LinkLabel *>(QStringLiteral("Label7"));
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(link);
    QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Open Windows Character Map"));
    QVERIFY(face->actionInterface());
    face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(program.platform.started.size(), 1);

    auto *cut = program.main->findChild<QAbstractButton *>(QStringLiteral("Cut"));
    QCOMPARE(QAccessible::queryAccessibleInterface(cut)->text(QAccessible::Name),
             QStringLiteral("Cut"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
