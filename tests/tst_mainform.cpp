// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "loadedmainform.h"
#include "named.h"
#include "shell/addresses.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

// The main window's inventory, and every control, menu item and shortcut of it and
// of the windows it opens wired to the one operation it stands for. What the
// operations do is tested with their subsystems.
class TestMainForm : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_app.emplace().show()); }
    void cleanup() { m_app.reset(); }

    void inventory()
    {
        MainForm *main = m_app->main.get();
        QCOMPARE(main->windowTitle(), QStringLiteral("Glyphory - Version 3.6"));
        // Spacing and punctuation as they always were.
        QCOMPARE(named<QLabel>(main, "Label12")->text(), " Total Fonts Number :");
        QCOMPARE(named<QGroupBox>(main, "Frame2")->title(), " Fonts Installer ");
        for (const char *link : {"RemoveLabel", "Label8", "Label11", "Label9", "Label13"})
            QCOMPARE(named<QLabel>(main, link)->toolTip(), named<QLabel>(main, link)->text());
        const auto *sizes = named<QListWidget>(main, "Sizelist");
        QCOMPARE(sizes->count(), 65);
        for (int row = 0; row < 65; ++row)
            QCOMPARE(sizes->item(row)->text(), QString::number(row + 8));
        for (const char *name : {"WindowsPath", "WhichOne", "RegionalInfo", "CharMapHelp", "Frame3",
                                 "Image8", "Image9"})
            QVERIFY2(!main->findChild<QWidget *>(name)->isVisible(), name);
        // The focus holder, where the keyboard's Tab cycle starts, is behind the preview
        // frame: nothing visible has the focus.
        QWidget *pass = named(main, "PASS"), *preview = named(main, "Frame4");
        QVERIFY(preview->geometry().contains(pass->geometry()));
        const QWidgetList order =
            main->centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        QVERIFY(order.indexOf(pass) < order.indexOf(preview));
        // Paragraphs split by an empty line, CR LF line ends, one CR LF at the end.
        for (const auto &[help, paragraphs] : {std::pair{"RegionalInfo", 4}, {"CharMapHelp", 3}}) {
            const QString text = named<QLineEdit>(main, help)->text();
            QVERIFY(text.endsWith(".\r\n") && !text.endsWith("\r\n\r\n"));
            QCOMPARE(text.split(QStringLiteral("\r\n\r\n")).size(), paragraphs);
        }

        // The captions in order; every shortcut is a row of the table below.
        QStringList menus;
        for (QAction *top : main->menuBar()->actions()) {
            QStringList items;
            for (QAction *item : top->menu()->actions())
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
            menus << top->text() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
        }
        QCOMPARE(menus.join(u'\n'),
                 QStringLiteral(
                     "&Main Menu: Minimize To Taskbar, -, Exit Glyphory\n"
                     "E&dit: Undo, -, Cut, Copy, Paste, Delete, -, Clear All, Select All, "
                     "Remove Font Styles\n"
                     "O&ptions: Refresh List, -, Open Windows Fonts Folder\n"
                     "E&xtras: Open Windows Character Map, -, Open Regional and Language Options\n"
                     "&Help and Support: License Agreement, -, Contact Corvatek Software, I Like "
                     "Glyphory, Glyphory on the web, -, About Glyphory"));
    }

    void everyEntryPointDoesItsOneThing_data()
    {
        QTest::addColumn<QString>("entries"); // run in order, see run()
        QTest::addColumn<QString>("probe");   // what to look at, see probe()
        QTest::addColumn<QString>("expected");
        // Each entry point of a blank-separated list is a row of its own.
        const auto rows = [](const char *entries, const char *probe, const QString &expected) {
            for (const QString &entry : QString::fromLatin1(entries).split(u' '))
                QTest::newRow(qPrintable(entry)) << entry << probe << expected;
        };
        // The preview holds "one two" with "one" selected, the clipboard "clip".
        rows("menu:Cut2 click:Cut key:Ctrl+X", "preview", " two|one");
        rows("menu:Copy2 click:Copy key:Ctrl+C", "preview", "[one] two|one");
        rows("menu:Paste2 click:Paste key:Ctrl+V", "preview", "clip two|clip");
        rows("menu:Delete2 click:Delete key:Del", "preview", " two|clip");
        rows("menu:Undo click:UndoButton key:Ctrl+Z", "preview", "|clip");
        rows("menu:SelectAll key:Ctrl+A", "preview", "[one two]|clip");
        rows("menu:RemoveAll click:ClearText key:Ctrl+E", "preview", "|clip");
        // The edit commands act on the search box once it was entered last.
        rows("click:FontFind,key:Ctrl+V", "search", "clip|FontFind||#000000");
        rows("click:FontPath,key:Ctrl+V", "preview", "clip two|clip");

        // Italic is checked, the preview shows Arial at 8 points.
        rows("menu:RemoveEffects click:RemoveLabel key:Ctrl+R", "look", "/ Arial 8 #000000");
        rows("click:Bold", "look", "BI/BI Arial 8 #000000");
        rows("click:Italic", "look", "/ Arial 8 #000000");
        rows("click:Underline", "look", "IU/IU Arial 8 #000000");
        rows("click:Strikeout", "look", "IS/IS Arial 8 #000000");
        rows("row:Sizelist:10", "look", "I/I Arial 18 #000000");
        rows("row:FontList:2", "look", "I/I Courier New 8 #000000");
        rows("click:ColorPick", "look", "I/I Arial 8 #ff0000");

        rows("click:FontFind", "search", "|FontFind||#000000");
        // Only the exact placeholder goes, and only on a click.
        rows("type:Corvatek_Softwar,click:FontFind", "search",
             "Corvatek Softwar|FontFind||#000000");
        rows("type:Corvatek_Software,click:FontFind", "search", "|FontFind||#000000");
        rows("type:cour", "search", "cour|FontFind|Courier New|#000000");
        rows("focus:FontFind", "search", "Corvatek Software|FontFind|Arial|#c0c0c0");
        rows("focus:FontFind,click:BigText", "search", "Corvatek Software|BigText|Arial|#c0c0c0");
        rows("click:Command2 menu:RefreshLisr key:F1", "search",
             "Corvatek Software|BigText|Arial|#c0c0c0");
        rows("click:Command1", "requests", "tell Your selected font name has been copied.");

        const QString fonts = "open file://$DATA/fonts";
        rows("menu:OpenWinFonts key:F2 click:Command3", "requests", fonts);
        rows("menu:CharacterMapButton key:F3 click:Label7", "requests", "start /usr/bin/gucharmap");
        rows("menu:OpenRALO key:F4 click:Label16", "requests",
             "start /usr/bin/gnome-control-center region");
        rows("click:Label5", "requests", "ask Windows Character Map; start /usr/bin/gucharmap");
        rows("click:Label15", "requests",
             "ask Open Regional and Language Options; start /usr/bin/gnome-control-center region");
        rows("menu:License key:Ctrl+L", "requests", "open file://$DATA/License%20Agreement.rtf");
        rows("menu:Contact key:Ctrl+M", "requests", "open mailto:" + SupportMailAddress);
        rows("menu:OnTheWeb key:Ctrl+W", "requests", "open " + ProductPageAddress);

        rows("click:Label11,click:Label9", "requests", "");
        // A cancelled dialog keeps the file chosen before.
        rows("click:Label8,click:Label8", "requests", "path $DATA/Example.otf");
        rows("click:Label8,click:Label11", "requests",
             "open file://$DATA/Example.otf; path $DATA/Example.otf");
        rows("click:Label8,click:Label9", "requests",
             "tell Your selected font Example.otf has been successfully installed, You must "
             "restart the Glyphory application in order to active the font.; " +
                 fonts + "; path $DATA/Example.otf");
        rows("click:Label13", "requests", "open file://$DATA/Install%20Fonts.rtf");
        // One local file dropped anywhere on the window, a text box too, is chosen.
        rows("drop:BigText drop:FontFind drop:FontPath drop:Frame2", "requests",
             "path $DATA/Example.otf");
        rows("drop:BigText:$DATA/Example.otf|$DATA/Example.otf", "requests",
             "tell Drop a single font file: only one can be chosen at a time.");
        rows("drop:FontFind:$DATA", "requests",
             "tell \"$DATA\" is a folder. Drop a font file from it instead.");
        rows("drop:Frame2:https://example.com/Font.ttf", "requests",
             "tell \"https://example.com/Font.ttf\" is not a file on this computer. Save it in a "
             "folder first, then drop the saved file.");

        rows("menu:Quit click:Command4 call:Image9 call:close", "requests", "end");
        rows("menu:Minimize key:Ctrl+T call:Image8", "window", "minimized");
        rows("menu:AboutPro key:Ctrl+B", "window", "disabled, about");
        rows("menu:LikeIt key:Ctrl+I", "window", "disabled, feedback");
        // While a window is up, the main window's shortcuts do nothing.
        rows("menu:AboutPro,key:Ctrl+W", "requests", "");
        rows("menu:LikeIt,feedback:Image11,menu:LikeIt", "window", "disabled, feedback");

        // The windows it opens give it back, hidden, never destroyed.
        rows("menu:AboutPro,about:MinimizeToTray2 menu:AboutPro,about:Return "
             "menu:AboutPro,about:Esc menu:LikeIt,feedback:Image11 menu:LikeIt,feedback:Return "
             "menu:LikeIt,feedback:Esc",
             "window", "normal");
        rows("menu:AboutPro,about:Label6 menu:LikeIt,feedback:Label6", "requests",
             "open mailto:" + SupportMailAddress);
        rows("menu:AboutPro,about:About_License", "requests",
             "open file://$DATA/License%20Agreement.rtf");
        rows("menu:LikeIt,feedback:Label8", "requests", "open " + DownloadSiteAddress);
        rows("menu:LikeIt,feedback:Label12", "requests", "open " + ReviewSiteAddress);
        rows("menu:LikeIt,feedback:Label4", "requests",
             "open mailto:?Subject=I%20Like%20Glyphory&Body=" + ProductPageAddress + "%0D%0A");
        rows("menu:LikeIt,feedback:Image1", "requests",
             "tell Free registration required to vote and add a review at www." + DownloadSiteHost);
        // The opener would encode every "%" again after a lone one, the link's own too.
        rows("menu:LikeIt,call:ComposeMail", "requests",
             "open mailto:?Body=100%25%20sure,%20%20%0D%0A");
    }
    void everyEntryPointDoesItsOneThing()
    {
        QFETCH(QString, entries);
        QFETCH(QString, probe);
        MainForm *main = m_app->main.get();
        run(QStringLiteral("click:BigText"));
        auto *preview = named<QPlainTextEdit>(main, "BigText");
        preview->insertPlainText(QStringLiteral("one two"));
        preview->moveCursor(QTextCursor::Start);
        preview->moveCursor(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
        named<QCheckBox>(main, "Italic")->setChecked(true);

        for (const QString &entry : entries.split(u','))
            run(entry);
        QTEST(this->probe(probe), "expected");
    }

private:
    void run(const QString &entry);
    QString probe(const QString &what) const;

    std::optional<LoadedMainForm> m_app;
};

// An entry is "menu:Name" (the action), "key:Ctrl+X" (its shortcut, typed in the
// installer's path box, whose own keys must not win), "click:Name", "drop:Name" (the
// font file, or "drop:Name:url|url"), "row:List:N", "type:text" (into the search box, after a
// click; "_" for a blank), "focus:Name" (by the keyboard), "about:Name" or "feedback:Name" (a
// click, or a key, in that window once it is active) or "call:Name" for what no user can click.
void TestMainForm::run(const QString &entry)
{
    MainForm *main = m_app->main.get();
    const QString kind = entry.section(u':', 0, 0), name = entry.section(u':', 1, 1);
    auto *widget = main->findChild<QWidget *>(name);
    if (kind == QLatin1String("menu")) {
        main->findChild<QAction *>(name)->trigger();
    } else if (kind == QLatin1String("key")) {
        QWidget *path = named(main, "FontPath");
        path->setFocus();
        QTest::keySequence(path, QKeySequence::fromString(name));
    } else if (kind == QLatin1String("click")) {
        QVERIFY2(widget && widget->isVisible(), qPrintable(name));
        if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
            widget = area->viewport();
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    } else if (kind == QLatin1String("drop")) {
        // As a file manager drops files, Shift held for a move: their addresses, and
        // the first one's as text.
        const QString listed = entry.section(u':', 2).replace("$DATA", m_app->data.path());
        QList<QUrl> urls;
        for (const QString &url :
             (listed.isEmpty() ? m_app->data.filePath("Example.otf") : listed).split(u'|'))
            urls << QUrl::fromUserInput(url);
        QMimeData data;
        data.setUrls(urls);
        data.setText(urls.first().toString());
        if (auto *area = qobject_cast<QAbstractScrollArea *>(widget))
            widget = area->viewport();
        QDragEnterEvent enter({3, 3}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                              Qt::ShiftModifier);
        QDropEvent drop({3, 3}, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::ShiftModifier);
        QApplication::sendEvent(widget, &enter);
        QApplication::sendEvent(widget, &drop);
        // A move would let the file manager delete the file.
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
    } else if (kind == QLatin1String("row")) {
        auto *list = qobject_cast<QAbstractItemView *>(widget);
        const QModelIndex index = list->model()->index(entry.section(u':', 2).toInt(), 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    } else if (kind == QLatin1String("type")) {
        run(QStringLiteral("click:FontFind"));
        QTest::keyClicks(named<QLineEdit>(main, "FontFind"), QString(name).replace(u'_', u' '));
    } else if (kind == QLatin1String("focus")) {
        widget->setFocus(Qt::TabFocusReason);
    } else if (kind == QLatin1String("about") || kind == QLatin1String("feedback")) {
        QWidget *window = kind == QLatin1String("about") ? static_cast<QWidget *>(main->aboutForm())
                                                         : main->feedbackForm();
        QVERIFY(QTest::qWaitForWindowActive(window));
        if (QWidget *control = window->findChild<QWidget *>(name))
            QTest::mouseClick(control, Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), QKeySequence(name)[0].key());
    } else if (name == QLatin1String("ComposeMail")) {
        main->feedbackForm()->ComposeMail({}, {}, "100% sure, %20", {}, {}, {});
    } else {
        name == "close"    ? (void)main->close()
        : name == "Image9" ? main->Image9_Click()
                           : main->Image8_Click();
    }
}

QString TestMainForm::probe(const QString &what) const
{
    const MainForm *main = m_app->main.get();
    const auto letters = [](bool bold, bool italic, bool underline, bool strikeOut) {
        return QString(bold ? "B" : "") + (italic ? "I" : "") + (underline ? "U" : "") +
               (strikeOut ? "S" : "");
    };
    const auto *preview = named<QPlainTextEdit>(main, "BigText");
    const auto *search = named<QLineEdit>(main, "FontFind");
    const QFont font = preview->font();
    const auto on = [main](const char *box) { return named<QCheckBox>(main, box)->isChecked(); };
    if (what == QLatin1String("preview")) {
        const QTextCursor cursor = preview->textCursor();
        QString text = preview->toPlainText();
        if (cursor.hasSelection())
            text.insert(cursor.selectionEnd(), u']').insert(cursor.selectionStart(), u'[');
        return text + u'|' + QGuiApplication::clipboard()->text();
    }
    // The checked boxes, the preview's styles, face, size and colour.
    if (what == QLatin1String("look"))
        return letters(on("Bold"), on("Italic"), on("Underline"), on("Strikeout")) + u'/' +
               letters(font.bold(), font.italic(), font.underline(), font.strikeOut()) + u' ' +
               font.family() + u' ' + QString::number(font.pointSizeF()) + u' ' +
               preview->palette().color(QPalette::Text).name();
    if (what == QLatin1String("search"))
        return QStringList{search->text(), named<QLineEdit>(main, "WhichOne")->text(),
                           main->selectedFont(), search->palette().color(QPalette::Text).name()}
            .join(u'|');
    if (what == QLatin1String("window")) {
        // A window left gives the main window back in front.
        QStringList state{
            main->isMinimized()  ? "minimized"
            : !main->isEnabled() ? "disabled"
            : QTest::qWaitFor([main] { return QApplication::activeWindow() == main; }, 1000)
                ? "normal"
                : "behind",
            main->aboutForm() && main->aboutForm()->isVisible() ? "about" : "",
            main->feedbackForm() && main->feedbackForm()->isVisible() ? "feedback" : ""};
        state.removeAll(QString());
        return state.join(QStringLiteral(", "));
    }
    return m_app->requests({"path " + named<QLineEdit>(main, "FontPath")->text()});
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
