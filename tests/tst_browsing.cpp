// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "browse/fontlistmodel.h"
#include "runningprogram.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

class TestBrowsing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void orderAndSearchAgree_data();
    void orderAndSearchAgree();
    void typingSelectsTheFirstMatch();
    void placeholderClearsOnlyOnAClick();
    void keyboardFocusKeepsThePlaceholder();
    void checkedStylesSurviveANewFont();
    void sizesAndStylesLeaveTheRestAlone();
    void colourDialogCancelKeepsTheLastConfirmedColour();
    void removeStylesAndClearAll();
    void copyFontNameCopiesThePreviewFont();
    void refreshKeepsEverything();

private:
    QLineEdit *search() const { return m_program->main->FontFind; }
    void clickInto(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(5, 5)); }

    std::unique_ptr<RunningProgram> m_program;
};

void TestBrowsing::init()
{
    m_program = std::make_unique<RunningProgram>();
    m_program->platform.fonts = {QStringLiteral("Courier New"), QStringLiteral("Arial Black"),
                                 QStringLiteral("Arial"), QStringLiteral("Batang")};
    QVERIFY(m_program->start());
}

void TestBrowsing::cleanup()
{
    m_program.reset();
}

void TestBrowsing::orderAndSearchAgree_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");

    const QStringList latin{"Courier New", "arial", "Batang", "Arial Black"};
    const QStringList latinSorted{"arial", "Arial Black", "Batang", "Courier New"};
    QTest::newRow("prefix") << latin << latinSorted << "ar" << 0;
    QTest::newRow("with blank") << latin << latinSorted << "arial b" << 1;
    QTest::newRow("capitals") << latin << latinSorted << "ARIAL B" << 1;
    QTest::newRow("whole name") << latin << latinSorted << "courier new" << 3;
    QTest::newRow("unmatched") << latin << latinSorted << "x" << -1;
    QTest::newRow("longer than any") << latin << latinSorted << "Courier New Bold" << -1;
    QTest::newRow("empty") << latin << latinSorted << "" << -1;

    const QStringList accents{"Ümlaut Sans", "über", "Zeta", "ärger", "Apex"};
    const QStringList accentsSorted{"Apex", "Zeta", "ärger", "über", "Ümlaut Sans"};
    QTest::newRow("accented capital finds lower") << accents << accentsSorted << "Ü" << 3;
    QTest::newRow("accented word") << accents << accentsSorted << "ÜML" << 4;
    const QStringList greek{"Σίγμα", "αλφα", "Ωμέγα"};
    const QStringList greekSorted{"αλφα", "Σίγμα", "Ωμέγα"};
    QTest::newRow("greek") << greek << greekSorted << "ΑΛ" << 0;
    const QStringList same{"arial", "ARIAL", "Arial"};
    QTest::newRow("names equal but for case")
        << same << QStringList{"ARIAL", "Arial", "arial"} << "aRiAl" << 0;
}

void TestBrowsing::orderAndSearchAgree()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, sorted);
    QFETCH(QString, text);
    QFETCH(int, row);
    FontListModel model;
    model.setNames(names);
    QStringList shown;
    for (int i = 0; i < model.rowCount(); ++i)
        shown << model.name(i);
    QCOMPARE(shown, sorted);
    QCOMPARE(model.findPrefix(text), row);
}

void TestBrowsing::typingSelectsTheFirstMatch()
{
    MainForm *main = m_program->main;
    clickInto(search());
    QCOMPARE(search()->text(), QString());
    QVERIFY(main->selectedFont().isEmpty());

    QTest::keyClicks(search(), QStringLiteral("ar"));
    QCOMPARE(main->selectedFont(), QStringLiteral("Arial"));
    QCOMPARE(main->BigText->font().family(), QStringLiteral("Arial"));
    QTest::keyClicks(search(), QStringLiteral("ial b"));
    QCOMPARE(main->selectedFont(), QStringLiteral("Arial Black"));

    search()->selectAll();
    QTest::keyClicks(search(), QStringLiteral("x"));
    QVERIFY(main->selectedFont().isEmpty());
    QCOMPARE(main->BigText->font().family(), QStringLiteral("Arial Black"));
    QTest::keyClick(search(), Qt::Key_Backspace);
    QCOMPARE(search()->text(), QString());
    QVERIFY(main->selectedFont().isEmpty());
    QCOMPARE(main->BigText->font().family(), QStringLiteral("Arial Black"));
    QCOMPARE(main->WhichOne->text(), QStringLiteral("FontFind"));
}

void TestBrowsing::placeholderClearsOnlyOnAClick()
{
    MainForm *main = m_program->main;
    QCOMPARE(search()->palette().color(QPalette::Text), QColor(192, 192, 192));
    clickInto(search());
    QCOMPARE(search()->text(), QString());
    QCOMPARE(search()->palette().color(QPalette::Text), QColor(Qt::black));

    QTest::keyClicks(search(), QStringLiteral("Corvatek Softwar"));
    clickInto(search());
    QCOMPARE(search()->text(), QStringLiteral("Corvatek Softwar"));
    QTest::keyClick(search(), Qt::Key_End);
    QTest::keyClicks(search(), QStringLiteral("e"));
    clickInto(search());
    QCOMPARE(search()->text(), QString());
    QCOMPARE(search()->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(main->selectedFont().isEmpty());
}

void TestBrowsing::keyboardFocusKeepsThePlaceholder()
{
    MainForm *main = m_program->main;
    search()->setFocus(Qt::TabFocusReason);
    QCOMPARE(main->WhichOne->text(), QStringLiteral("FontFind"));
    QCOMPARE(search()->text(), QStringLiteral("Corvatek Software"));
    QCOMPARE(search()->palette().color(QPalette::Text), QColor(192, 192, 192));
    QTest::keyClick(search(), Qt::Key_End);
    QTest::keyClicks(search(), QStringLiteral("x"));
    QCOMPARE(search()->text(), QStringLiteral("Corvatek Softwarex"));
    QVERIFY(main->selectedFont().isEmpty());
}

void TestBrowsing::checkedStylesSurviveANewFont()
{
    MainForm *main = m_program->main;
    QTest::mouseClick(main->Bold, Qt::LeftButton);
    QTest::mouseClick(main->Strikeout, Qt::LeftButton);
    QVERIFY(main->BigText->font().bold());
    QVERIFY(main->BigText->font().strikeOut());
    main->FontList->setCurrentIndex(main->FontList->model()->index(3, 0));
    QCOMPARE(main->BigText->font().family(), QStringLiteral("Courier New"));
    QVERIFY(main->BigText->font().bold());
    QVERIFY(main->BigText->font().strikeOut());
    QVERIFY(!main->BigText->font().italic());
    QVERIFY(!main->BigText->font().underline());

    QTest::mouseClick(main->Bold, Qt::LeftButton);
    QVERIFY(!main->BigText->font().bold());
    main->FontList->setCurrentIndex(main->FontList->model()->index(0, 0));
    QVERIFY(!main->BigText->font().bold());
    QVERIFY(main->BigText->font().strikeOut());
}

void TestBrowsing::sizesAndStylesLeaveTheRestAlone()
{
    MainForm *main = m_program->main;
    main->Italic->setChecked(true);
    main->BigText->setPlainText(QStringLiteral("sample"));
    for (const int size : {72, 8, 33}) {
        main->Sizelist->setCurrentRow(size - 8);
        const QFont font = main->BigText->font();
        QCOMPARE(font.pointSizeF(), qreal(size));
        QCOMPARE(font.family(), QStringLiteral("Arial"));
        QVERIFY(font.italic());
    }
    // A search re-applies the chosen size to the new face.
    clickInto(search());
    QTest::keyClicks(search(), QStringLiteral("cour"));
    QCOMPARE(main->BigText->font().family(), QStringLiteral("Courier New"));
    QCOMPARE(main->BigText->font().pointSizeF(), 33.0);
    // Characters the font lacks are not borrowed from other fonts.
    QVERIFY(main->BigText->font().styleStrategy() & QFont::NoFontMerging);
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral("sample"));
}

void TestBrowsing::colourDialogCancelKeepsTheLastConfirmedColour()
{
    MainForm *main = m_program->main;
    auto textColour = [main] { return main->BigText->palette().color(QPalette::Text); };
    main->ColorPick_Click();
    QCOMPARE(textColour(), QColor(Qt::black));
    m_program->platform.nextColor = QColor(200, 10, 20);
    main->ColorPick_Click();
    QCOMPARE(textColour(), QColor(200, 10, 20));
    main->ColorPick_Click();
    QCOMPARE(textColour(), QColor(200, 10, 20));
    QCOMPARE(m_program->platform.colorDialogs, 3);
}

void TestBrowsing::removeStylesAndClearAll()
{
    MainForm *main = m_program->main;
    m_program->platform.nextColor = QColor(Qt::red);
    main->ColorPick_Click();
    main->Sizelist->setCurrentRow(10);
    main->BigText->setPlainText(QStringLiteral("text"));
    for (QCheckBox *box : {main->Bold, main->Italic, main->Underline, main->Strikeout})
        box->setChecked(true);

    QTest::keyClick(main, Qt::Key_R, Qt::ControlModifier);
    for (QCheckBox *box : {main->Bold, main->Italic, main->Underline, main->Strikeout})
        QVERIFY(!box->isChecked());
    QFont font = main->BigText->font();
    QVERIFY(!font.bold() && !font.italic() && !font.underline() && !font.strikeOut());
    QCOMPARE(font.pointSizeF(), 18.0);
    QCOMPARE(main->BigText->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(main->BigText->toPlainText(), QStringLiteral("text"));

    main->Underline->setChecked(true);
    main->RemoveLabel_Click();
    QVERIFY(!main->BigText->font().underline());

    clickInto(search());
    QTest::keyClicks(search(), QStringLiteral("bat"));
    main->BigText->setFocus();
    QTest::keyClick(main->BigText, Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(main->BigText->toPlainText(), QString());
    QCOMPARE(search()->text(), QStringLiteral("bat"));
    QCOMPARE(main->selectedFont(), QStringLiteral("Batang"));
    QCOMPARE(main->BigText->font().pointSizeF(), 18.0);
    QCOMPARE(main->BigText->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(main->BigText));
}

void TestBrowsing::copyFontNameCopiesThePreviewFont()
{
    MainForm *main = m_program->main;
    clickInto(search());
    QTest::keyClicks(search(), QStringLiteral("bat"));
    QTest::keyClicks(search(), QStringLiteral("zzz"));
    QVERIFY(main->selectedFont().isEmpty());
    QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Batang"));
    QCOMPARE(m_program->platform.messages.size(), 1);
    QCOMPARE(m_program->platform.messages[0].title, QStringLiteral("Glyphory"));
    QCOMPARE(m_program->platform.messages[0].text,
             QStringLiteral("Your selected font name has been copied."));
}

void TestBrowsing::refreshKeepsEverything()
{
    MainForm *main = m_program->main;
    main->FontList->setCurrentIndex(main->FontList->model()->index(2, 0));
    QTest::mouseClick(main->findChild<QPushButton *>(QStringLiteral("Command2")), Qt::LeftButton);
    main->FontList->setFocus();
    QTest::keyClick(main->FontList, Qt::Key_F1);
    QCOMPARE(main->selectedFont(), QStringLiteral("Batang"));
    QCOMPARE(main->FontList->model()->rowCount(), 4);
    QTRY_COMPARE(main->FontsNumber->text(), QStringLiteral("4"));
    QVERIFY(m_program->platform.messages.isEmpty());
}

QTEST_MAIN(TestBrowsing)
#include "tst_browsing.moc"
