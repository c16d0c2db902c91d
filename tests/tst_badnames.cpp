// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "randomsession.h"
#include "runningprogram.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

// Font family names as a system may report them, however odd: the program starts,
// keeps its list in order and searches it without crashing.
class TestBadNames : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void orderAndCountHold_data() { badNames(); }
    void orderAndCountHold();
    void searchFindsTheFirstMatch_data() { badNames(); }
    void searchFindsTheFirstMatch();
    void everyEntryCanBeShown_data() { badNames(); }
    void everyEntryCanBeShown();
    void randomUseKeepsTheRules_data() { badNames(); }
    void randomUseKeepsTheRules();

private:
    void badNames();
    bool start(const QStringList &names);
    QStringList listed() const;
    int selectedRow() const;
    // Pastes text over the whole search box, the way a user enters a long name.
    void search(const QString &text);

    std::unique_ptr<RunningProgram> m_program;
};

void TestBadNames::badNames()
{
    QTest::addColumn<QStringList>("names");

    QTest::newRow("empty") << QStringList{"", "Arial", "", "Batang", " ", "  Leading blanks"};
    const QString longA(10000, QLatin1Char('A'));
    QTest::newRow("very long") << QStringList{longA,
                                              QString(10000, QLatin1Char('a')) + "b",
                                              "Arial",
                                              longA.left(9999) + "Z",
                                              QString(5000, QChar(0x5b57)),
                                              QString(2500, QChar(0x2764)) + "😀"};
    QTest::newRow("duplicated in different cases")
        << QStringList{"Arial",       "ARIAL",  "arial",   "aRiAl", "Arial", "Arial Black",
                       "ARIAL BLACK", "Straße", "STRASSE", "ΣΊΓΜΑ", "σίγμα", "σίγμας"};
    QTest::newRow("right-to-left")
        << QStringList{"שלום",  "مرحبا بالعالم", "\u202eLatin reversed", "עברית Sans",
                       "Arial", "\u200fמסומן",   "Mixed שלום Arial",     "١٢٣ أرقام"};
    QString zalgo = "Z";
    for (int i = 0; i < 300; ++i)
        zalgo += QChar(0x0300 + i % 0x70);
    QTest::newRow("combining marks")
        << QStringList{"e\u0301cole",         "école", zalgo, "Zeta", "\u0301 starts with a mark",
                       "a\u0308\u0323\u0304", "ä",     "Ä"};
    QTest::newRow("emoji") << QStringList{"😀",    "😀 Emoji",  "👨‍👩‍👧 Family",
                                          "🇩🇪🇫🇷", "❤️",   "Emoji 😀",
                                          "👍",    "👍🏽", "𝔄𝔅 Fraktur"};
}

void TestBadNames::init()
{
    m_program = std::make_unique<RunningProgram>();
}

void TestBadNames::cleanup()
{
    m_program.reset();
}

bool TestBadNames::start(const QStringList &names)
{
    QStringList reversed = names;
    std::reverse(reversed.begin(), reversed.end());
    m_program->platform.fonts = reversed;
    return m_program->start();
}

QStringList TestBadNames::listed() const
{
    QStringList names;
    const QAbstractItemModel *model = m_program->main->FontList->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names.append(model->index(row, 0).data().toString());
    return names;
}

int TestBadNames::selectedRow() const
{
    const QModelIndexList rows = m_program->main->FontList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TestBadNames::search(const QString &text)
{
    QLineEdit *box = m_program->main->FontFind;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Delete);
        return;
    }
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

void TestBadNames::orderAndCountHold()
{
    QFETCH(QStringList, names);
    QVERIFY(start(names));

    const QStringList shown = listed();
    QStringList expected = names;
    QStringList got = shown;
    expected.sort();
    got.sort();
    QCOMPARE(got, expected);
    for (qsizetype row = 1; row < shown.size(); ++row) {
        if (QString::compare(shown.at(row - 1), shown.at(row), Qt::CaseInsensitive) > 0)
            QFAIL(qPrintable(QStringLiteral("row %1 \"%2\" sorts after row %3 \"%4\"")
                                 .arg(row - 1)
                                 .arg(shown.at(row - 1).left(40))
                                 .arg(row)
                                 .arg(shown.at(row).left(40))));
    }
    QTRY_COMPARE(m_program->main->FontsNumber->text(), QString::number(names.size()));
    QCOMPARE(selectedRow(), 0);
}

void TestBadNames::searchFindsTheFirstMatch()
{
    QFETCH(QStringList, names);
    QVERIFY(start(names));
    const QStringList shown = listed();
    const auto firstMatch = [&](const QString &text) {
        if (text.isEmpty())
            return -1;
        for (qsizetype row = 0; row < shown.size(); ++row) {
            if (shown.at(row).startsWith(text, Qt::CaseInsensitive))
                return int(row);
        }
        return -1;
    };

    QStringList texts;
    for (const QString &name : names) {
        texts << name << name.toUpper() << name.toLower() << name.left(name.size() / 2)
              << name + QStringLiteral("x") << name.left(1);
    }
    for (const QString &text : std::as_const(texts)) {
        search(text);
        QCOMPARE(m_program->main->FontFind->text(), text);
        const int row = selectedRow();
        if (row != firstMatch(text))
            QFAIL(qPrintable(QStringLiteral("search \"%1\" selects row %2, the first match is %3")
                                 .arg(text.left(40))
                                 .arg(row)
                                 .arg(firstMatch(text))));
        if (row >= 0 && !shown.at(row).isEmpty())
            QCOMPARE(m_program->main->BigText->font().family(), shown.at(row));
    }
}

void TestBadNames::everyEntryCanBeShown()
{
    QFETCH(QStringList, names);
    QVERIFY(start(names));
    MainForm *main = m_program->main;
    QTest::mouseClick(main->Bold, Qt::LeftButton);
    main->BigText->setPlainText(names.join(QLatin1Char('\n')));

    QString previous = main->BigText->font().family();
    for (int row = 0; row < main->FontList->model()->rowCount(); ++row) {
        const QModelIndex index = main->FontList->model()->index(row, 0);
        main->FontList->scrollTo(index);
        QTest::mouseClick(main->FontList->viewport(), Qt::LeftButton, {},
                          main->FontList->visualRect(index).center());
        QCOMPARE(selectedRow(), row);
        const QString name = index.data().toString();
        // An empty name is no font to change to; the preview keeps the one it has.
        const QString expected = name.isEmpty() ? previous : name;
        QCOMPARE(main->BigText->font().family(), expected);
        QVERIFY(main->BigText->font().bold());
        QVERIFY(!main->BigText->font().italic());
        previous = expected;
    }

    QTest::mouseClick(main->findChild<QWidget *>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), previous);
}

void TestBadNames::randomUseKeepsTheRules()
{
    QFETCH(QStringList, names);
    QVERIFY(start(names));
    QTemporaryDir work;
    QVERIFY(work.isValid());
    RandomSession session(*m_program, 4242, work.path());
    const QString failure = session.run(1500);
    if (!failure.isEmpty())
        QFAIL(qPrintable(failure));
}

QTEST_MAIN(TestBadNames)
#include "tst_badnames.moc"
