// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "runningprogram.h"

#include <QAbstractButton>
#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void commandsActOnTheEditTarget();
    void everyEntryPointRunsTheSameCommand_data();
    void everyEntryPointRunsTheSameCommand();
    void shortcutsWinOverTheBoxesOwnKeys();
    void installerPathLeavesTheTargetAlone();
    void copyAndPasteEdgeCases();
    void cutAndUndoInTheSearchBoxRerunTheSearch();
    void unusedOperationsDoNothing();

private:
    void clickInto(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }
    QAction *item(const char *name)
    {
        return m_program->main->findChild<QAction *>(QString::fromLatin1(name));
    }
    QAbstractButton *image(const char *name)
    {
        return m_program->main->findChild<QAbstractButton *>(QString::fromLatin1(name));
    }

    std::unique_ptr<RunningProgram> m_program;
};

void TestEditCommands::init()
{
    m_program = std::make_unique<RunningProgram>();
    m_program->platform.fonts = {QStringLiteral("Arial"), QStringLiteral("Arial Black"),
                                 QStringLiteral("Courier New")};
    QVERIFY(m_program->start());
    QGuiApplication::clipboard()->clear();
}

void TestEditCommands::cleanup()
{
    m_program.reset();
}

void TestEditCommands::commandsActOnTheEditTarget()
{
    MainForm *main = m_program->main;
    main->BigText->setPlainText(QStringLiteral("preview text"));
    // Right after start the preview box is the target, though it has no focus.
    QVERIFY(!main->BigText->hasFocus());
    item("SelectAll")->trigger();
    QCOMPARE(main->BigText->textCursor().selectedText(), QStringLiteral("preview text"));

    clickInto(main->FontFind);
    QTest::keyClicks(main->FontFind, QStringLiteral("arial"));
    QTest::keyClick(main->FontFind, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(main->FontFind->selectedText(), QStringLiteral("arial"));

    clickInto(main->BigText->viewport());
    QCOMPARE(main->WhichOne->text(), QStringLiteral("BigText"));
    QTest::keyClick(main->BigText, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(main->BigText->textCursor().selectedText(), QStringLiteral("preview text"));
    QTest::keyClick(main->BigText, Qt::Key_Delete);
    QCOMPARE(main->BigText->toPlainText(), QString());
    QCOMPARE(main->FontFind->text(), QStringLiteral("arial"));
}

void TestEditCommands::everyEntryPointRunsTheSameCommand_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("menu") << "menu";
    QTest::newRow("image") << "image";
    QTest::newRow("shortcut") << "shortcut";
}

void TestEditCommands::everyEntryPointRunsTheSameCommand()
{
    QFETCH(QString, entry);
    MainForm *main = m_program->main;
    struct Command {
        const char *menu;
        const char *image;
        QKeySequence keys;
    };
    auto run = [&](const Command &command) {
        if (entry == QLatin1String("menu"))
            item(command.menu)->trigger();
        else if (entry == QLatin1String("image"))
            QTest::mouseClick(image(command.image), Qt::LeftButton);
        else
            QTest::keyClick(main->BigText, command.keys[0].key(),
                            command.keys[0].keyboardModifiers());
    };
    const Command cut{"Cut2", "Cut", QKeySequence(Qt::CTRL | Qt::Key_X)};
    const Command copy{"Copy2", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C)};
    const Command paste{"Paste2", "Paste", QKeySequence(Qt::CTRL | Qt::Key_V)};
    const Command del{"Delete2", "Delete", QKeySequence(Qt::Key_Delete)};
    const Command undo{"Undo", "UndoButton", QKeySequence(Qt::CTRL | Qt::Key_Z)};

    clickInto(main->BigText->viewport());
    QTest::keyClicks(main->BigText, QStringLiteral("one two"));
    QTextCursor cursor = main->BigText->textCursor();
    cursor.setPosition(0);
    cursor.setPosition(3, QTextCursor::KeepAnchor);
    main->BigText->setTextCursor(cursor);

    run(copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one"));
    run(cut);
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral(" two"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one"));
    run(undo);
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral("one two"));

    main->BigText->moveCursor(QTextCursor::End);
    run(paste);
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral("one twoone"));
    // Del with no selection removes nothing, not even the character after the caret.
    main->BigText->moveCursor(QTextCursor::Start);
    run(del);
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral("one twoone"));
    main->BigText->moveCursor(QTextCursor::End, QTextCursor::KeepAnchor);
    run(del);
    QCOMPARE(main->BigText->toPlainText(), QString());
    // The focus never left the preview box.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(main->BigText));
}

void TestEditCommands::shortcutsWinOverTheBoxesOwnKeys()
{
    MainForm *main = m_program->main;
    clickInto(main->BigText->viewport());
    QTest::keyClicks(main->BigText, QStringLiteral("abc"));
    // Target the search box, then type in the preview: Ctrl+A goes to the target.
    main->WhichOne->setText(QStringLiteral("FontFind"));
    QTest::keyClick(main->BigText, Qt::Key_A, Qt::ControlModifier);
    QVERIFY(!main->BigText->textCursor().hasSelection());
    QCOMPARE(main->FontFind->selectedText(), QStringLiteral("Corvatek Software"));
    // Delete then acts on the search box too, and the search runs on the change.
    QTest::keyClick(main->BigText, Qt::Key_Delete);
    QCOMPARE(main->FontFind->text(), QString());
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral("abc"));
}

void TestEditCommands::installerPathLeavesTheTargetAlone()
{
    MainForm *main = m_program->main;
    clickInto(main->FontFind);
    QTest::keyClicks(main->FontFind, QStringLiteral("cour"));
    clickInto(main->FontPath);
    QCOMPARE(main->WhichOne->text(), QStringLiteral("FontFind"));
    QTest::keyClick(main->FontPath, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(main->FontFind->selectedText(), QStringLiteral("cour"));
}

void TestEditCommands::copyAndPasteEdgeCases()
{
    MainForm *main = m_program->main;
    QGuiApplication::clipboard()->setText(QStringLiteral("stale"));
    main->BigText->setPlainText(QStringLiteral("keep"));
    main->CopyCode();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());

    // Pasting with no text on the clipboard deletes the selection.
    auto *image = new QMimeData;
    image->setData(QStringLiteral("image/png"), QByteArray("not text"));
    QGuiApplication::clipboard()->setMimeData(image);
    main->BigText->selectAll();
    main->PasteCode();
    QCOMPARE(main->BigText->toPlainText(), QString());

    // Rich text comes in as its plain text only.
    auto *rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>bold</b>"));
    rich->setText(QStringLiteral("bold"));
    QGuiApplication::clipboard()->setMimeData(rich);
    main->PasteCode();
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral("bold"));
    QVERIFY(!main->BigText->font().bold());
}

void TestEditCommands::cutAndUndoInTheSearchBoxRerunTheSearch()
{
    MainForm *main = m_program->main;
    clickInto(main->FontFind);
    QTest::keyClicks(main->FontFind, QStringLiteral("arial b"));
    QCOMPARE(main->selectedFont(), QStringLiteral("Arial Black"));

    main->FontFind->setSelection(5, 2);
    QTest::mouseClick(image("Cut"), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral(" b"));
    QCOMPARE(main->FontFind->text(), QStringLiteral("arial"));
    QCOMPARE(main->selectedFont(), QStringLiteral("Arial"));

    // Undo from the image, with the focus elsewhere, restores the text and searches.
    main->FontList->setFocus();
    QTest::mouseClick(image("UndoButton"), Qt::LeftButton);
    QCOMPARE(main->FontFind->text(), QStringLiteral("arial b"));
    QCOMPARE(main->selectedFont(), QStringLiteral("Arial Black"));

    QGuiApplication::clipboard()->setText(QStringLiteral("cou"));
    main->FontFind->selectAll();
    item("Paste2")->trigger();
    QCOMPARE(main->selectedFont(), QStringLiteral("Courier New"));
}

void TestEditCommands::unusedOperationsDoNothing()
{
    MainForm *main = m_program->main;
    main->ReportCode();
    main->OpenFile();
    QVERIFY(m_program->platform.fileDialogFilters.isEmpty());
    QVERIFY(m_program->platform.messages.isEmpty());
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(
        std::count_if(windows.begin(), windows.end(), [](QWidget *w) { return w->isVisible(); }),
        1);
}

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
