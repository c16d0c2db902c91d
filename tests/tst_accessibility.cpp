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
// and the role that says how to use it, and a link can be followed.
class TestAccessibility : public QObject {
    Q_OBJECT
private slots:
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
        QCOMPARE(QAccessible::queryAccessibleInterface(main->findChild<QWidget *>("Cut"))
                     ->text(QAccessible::Name),
                 QStringLiteral("Cut"));
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
