// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
//
// The program with the keyboard alone, and with a window manager's close: what
// Tab reaches and in which order, what Enter and Space do there, what a screen
// reader is told, and how the windows it opens give the main window back.
#include "loadedmainform.h"
#include "named.h"
#include "shell/addresses.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QAccessible>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_app.emplace().show()); }
    void cleanup() { m_app.reset(); }

    void windowManagerClose_data()
    {
        QTest::addColumn<QString>("window");
        QTest::newRow("About") << "AboutForm";
        QTest::newRow("feedback") << "ForGlyphory";
    }
    // Alt+F4 or a panel's close does what the window's own control does, every time.
    void windowManagerClose()
    {
        QFETCH(QString, window);
        MainForm *main = m_app->main.get();
        for (int round = 0; round < 2; ++round) {
            QWidget *shown = open(window);
            QVERIFY(shown && !main->isEnabled());
            shown->windowHandle()->close();
            QVERIFY(shown->isHidden() && main->isEnabled());
            QVERIFY(QTest::qWaitFor([main] { return QApplication::activeWindow() == main; }));
        }
    }

    void tabCycle_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("forward"); // from the first stop, back to it
        const auto row = [](const char *tag, const char *window, const char *stops) {
            QTest::newRow(tag) << window << QString::fromLatin1(stops).split(u' ');
        };
        row("main", "MainForm",
            "PASS FontList Sizelist Bold Italic Underline Strikeout BigText FontPath Command2 "
            "Command1 Command3 Command4 FontFind Label5 Label7 Label15 Label16 Cut Copy Paste "
            "Delete UndoButton ColorPick ClearText RemoveLabel Label8 Label11 Label9 Label13 PASS");
        row("about", "AboutForm", "MinimizeToTray2 About_License Label6 MinimizeToTray2");
        row("feedback", "ForGlyphory", "Image11 Label6 Label12 Label4 Label8 Image1 Image11");
    }
    void tabCycle()
    {
        QFETCH(QString, window);
        QFETCH(QStringList, forward);
        QWidget *shown = open(window);
        QVERIFY(shown && QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), forward.first());
        QCOMPARE(walk(false, forward.size() - 1), forward.mid(1));
        const QStringList backward(forward.rbegin() + 1, forward.rend());
        QCOMPARE(walk(true, backward.size()), backward);
    }

    void activation_data()
    {
        // "tab:Name" (or "back:Name", with Shift+Tab), "key:Keys" or "type:text"
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *tag, const char *steps, const QString &expected) {
            QTest::newRow(tag) << steps << expected;
        };
        row("Read More, Space", "tab:Label5 key:Space",
            "ask Windows Character Map; start /usr/bin/gucharmap");
        row("Regional, keypad Enter", "tab:Label16 key:Enter",
            "start /usr/bin/gnome-control-center region");
        row("colour", "tab:ColorPick key:Return", "colour dialog");
        row("install", "tab:Label8 key:Return tab:Label9 key:Return",
            "tell Your selected font Example.otf has been successfully installed, You must restart "
            "the Glyphory application in order to active the font.; open file://$DATA/fonts; "
            "path $DATA/Example.otf");
        // The edit commands act on the box the user was in, however far Tab went since,
        // and on the selection it had. Forward from the preview, Tab passes the search
        // box, which becomes the box to act on; Shift+Tab does not. Tab into the search
        // box keeps its placeholder whole, the caret at the end.
        row("Cut in the search box", "tab:FontFind key:Shift+Left tab:Cut key:Return",
            "clipboard e; search Corvatek Softwar");
        row("Copy in the preview", "tab:BigText type:one key:Shift+Home back:Copy key:Space",
            "clipboard one; preview one");
        row("About's mail link", "key:Ctrl+B tab:Label6 key:Return",
            "open mailto:" + SupportMailAddress + "; About Glyphory shown");
        row("review site", "key:Ctrl+I tab:Label12 key:Space", "open " + ReviewSiteAddress);
        row("Close", "key:Ctrl+I tab:Image11 key:Space key:Ctrl+B", "About Glyphory shown");
    }
    void activation()
    {
        QFETCH(QString, steps);
        QGuiApplication::clipboard()->clear();

        for (const QString &step : steps.split(u' ')) {
            const QString kind = step.section(u':', 0, 0), what = step.section(u':', 1);
            if (kind == QLatin1String("tab") || kind == QLatin1String("back")) {
                QVERIFY2(tabTo(what, kind == QLatin1String("back")), qPrintable(what));
            } else if (kind == QLatin1String("type")) {
                QTest::keyClicks(QApplication::focusWidget(), what);
            } else {
                const QKeyCombination key = QKeySequence::fromString(what)[0];
                QTest::keyClick(
                    QApplication::focusWidget(), key.key(),
                    key.keyboardModifiers() |
                        (key.key() == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier));
                // A window the key opens becomes the active one.
                QTest::qWait(20);
            }
        }
        QTEST(requests(), "expected");
    }

    // Each clickable label and image is named to a screen reader by its caption or
    // tooltip, takes the focus from Tab only, and shows a mark while it has it.
    void accessibleAndMarked_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const auto row = [](const char *window, const char *control, const QString &name) {
            QTest::newRow(control) << window << control << name;
        };
        row("MainForm", "Label5", "Read More");
        row("MainForm", "Cut", "Cut");
        row("MainForm", "ColorPick", "Font Color");
        row("MainForm", "Label8", "Browse..");
        row("AboutForm", "Label6", SupportMailAddress);
        row("ForGlyphory", "Image11", "Close");
        row("ForGlyphory", "Label12", "* Windows Operating System version");
    }
    void accessibleAndMarked()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QWidget *shown = open(window);
        QVERIFY(shown);
        QWidget *widget = shown->findChild<QWidget *>(control);
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(face);
        QTEST(face->text(QAccessible::Name), "name");
        QVERIFY(face->state().focusable);

        // The mouse leaves the focus where it was, so a text box keeps its caret and
        // selection. Released off the control, the press does nothing else.
        QWidget *before = QApplication::focusWidget();
        QTest::mousePress(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(QApplication::focusWidget(), before);

        shown->setFocus();
        const QImage unmarked = widget->grab().toImage();
        QVERIFY(tabTo(control));
        QVERIFY(face->state().focused);
        const QImage marked = widget->grab().toImage();
        QVERIFY(marked != unmarked);
        // Black and white along the top edge: the mark shows on any background.
        QSet<QRgb> edge;
        for (int x = 0; x < marked.width(); ++x)
            edge.insert(marked.pixel(x, 0) & 0xffffff);
        QVERIFY(edge.contains(0x000000) && edge.contains(0xffffff));
    }

    void keypadDelete_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("selected"); // characters selected before the caret
        QTest::addColumn<QString>("expected");
        QTest::newRow("preview, nothing selected") << "BigText" << 0 << "abcd";
        QTest::newRow("preview, selection") << "BigText" << 2 << "ad";
        QTest::newRow("search, selection") << "FontFind" << 2 << "ad";
    }
    // The keypad's Delete, NumLock off, is the Delete command as the other Delete is.
    void keypadDelete()
    {
        QFETCH(QString, box);
        QFETCH(int, selected);
        QWidget *widget = named(m_app->main.get(), qPrintable(box));
        auto *text = qobject_cast<QPlainTextEdit *>(widget);
        // A click on the search box takes its placeholder away.
        QTest::mouseClick(text ? text->viewport() : widget, Qt::LeftButton);
        QTest::keyClicks(widget, QStringLiteral("abcd"));
        QTest::keyClick(widget, Qt::Key_Home);
        QTest::keyClick(widget, Qt::Key_Right);
        for (int i = 0; i < selected; ++i)
            QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(widget, Qt::Key_Delete, Qt::KeypadModifier);
        QTEST(widget->property(text ? "plainText" : "text").toString(), "expected");
    }

private:
    // Shows the main window or one of the windows it opens, active, with the focus
    // where the window puts it.
    QWidget *open(const QString &window)
    {
        QWidget *shown = m_app->main.get();
        if (window == QLatin1String("AboutForm"))
            m_app->main->AboutPro_Click(), shown = m_app->main->aboutForm();
        else if (window == QLatin1String("ForGlyphory"))
            m_app->main->LikeIt_Click(), shown = m_app->main->feedbackForm();
        shown->activateWindow();
        return QTest::qWaitForWindowActive(shown) ? shown : nullptr;
    }

    // Presses Tab, or Shift+Tab, in the active window count times or until the
    // control named stop has the focus, and names each control the focus lands on.
    static QStringList walk(bool backwards, qsizetype count, const QString &stop = {})
    {
        QStringList visited;
        for (QWidget *focus = QApplication::focusWidget();
             visited.size() < count && !(focus && focus->objectName() == stop);
             focus = QApplication::focusWidget()) {
            QTest::keyClick(focus ? focus : QApplication::activeWindow(),
                            backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            visited << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                    : QString());
        }
        return visited;
    }
    static bool tabTo(const QString &name, bool backwards = false)
    {
        walk(backwards, 40, name);
        return QApplication::focusWidget() && QApplication::focusWidget()->objectName() == name;
    }

    // What the program asked of the system, and what the keys changed in the windows.
    QString requests() const
    {
        const MainForm *main = m_app->main.get();
        const QString search = named<QLineEdit>(main, "FontFind")->text();
        return m_app->requests(
            {m_app->platform.colorDialogs ? "colour dialog" : "",
             "path " + named<QLineEdit>(main, "FontPath")->text(),
             "clipboard " + QGuiApplication::clipboard()->text(),
             search != u"Corvatek Software" ? "search " + search : "",
             "preview " + named<QPlainTextEdit>(main, "BigText")->toPlainText(),
             main->aboutForm() && main->aboutForm()->isVisible() && !main->isEnabled()
                 ? "About Glyphory shown"
                 : ""});
    }

    std::optional<LoadedMainForm> m_app;
};

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
