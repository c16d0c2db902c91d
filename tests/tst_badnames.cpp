// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "browse/fontlistmodel.h"
#include "randomsession.h"
#include "runningprogram.h"

#include <QLineEdit>
#include <QListView>
#include <QTest>

#include <algorithm>

// Font family names as a system may report them, however odd: the program starts,
// keeps its list in order, searches it and survives being used with them.
class TestBadNames : public QObject {
    Q_OBJECT
private slots:
    void oddNamesKeepOrderAndSearch_data();
    void oddNamesKeepOrderAndSearch();
};

void TestBadNames::oddNamesKeepOrderAndSearch_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::newRow("empty") << QStringList{"", "Arial", "", "Batang", " ", "  Leading blanks"};
    const QString longA(10000, u'A');
    QTest::newRow("10,000 characters")
        << QStringList{longA, QString(10000, u'a') + u'b', "Arial", longA.left(9999) + u'Z',
                       QString(10000, QChar(0x5b57))};
    QTest::newRow("duplicated in different cases")
        << QStringList{"Arial",  "ARIAL",   "arial", "aRiAl", "Arial", "Arial Black",
                       "Straße", "STRASSE", "ΣΊΓΜΑ", "σίγμα", "σίγμας"};
    QTest::newRow("right-to-left") << QStringList{"שלום",  "مرحبا بالعالم", "\u202eLatin reversed",
                                                  "Arial", "\u200fמסומן",   "Mixed שלום Arial"};
    QString zalgo = "Z";
    for (int i = 0; i < 300; ++i)
        zalgo += QChar(0x0300 + i % 0x70);
    QTest::newRow("combining marks")
        << QStringList{"e\u0301cole", "école", zalgo, "\u0301 mark first", "a\u0308\u0323", "Ä"};
    QTest::newRow("emoji") << QStringList{
        "😀", "😀 Emoji", "👨‍👩‍👧 Family", "🇩🇪🇫🇷", "❤️", "👍🏽", "𝔄𝔅 Fraktur"};
}

void TestBadNames::oddNamesKeepOrderAndSearch()
{
    QFETCH(QStringList, names);
    RunningProgram program;
    program.platform.fonts = names;
    std::reverse(program.platform.fonts.begin(), program.platform.fonts.end());
    QVERIFY(program.start());
    MainForm *main = program.main;

    QStringList keys;
    QStringList listed;
    for (int row = 0; row < main->FontList->model()->rowCount(); ++row) {
        listed.append(main->FontList->model()->index(row, 0).data().toString());
        keys.append(fontSortKey(listed.last()));
        QVERIFY2(row == 0 || keys.at(row - 1) <= keys.at(row), qPrintable(listed.last().left(40)));
    }
    QStringList expected = names;
    expected.sort();
    listed.sort();
    QCOMPARE(listed, expected);

    // Typing the start of every name, as given and in capitals, selects the first row
    // that begins with what the box holds.
    for (const QString &name : std::as_const(names)) {
        for (const QString &typed : {name.left(12), name.left(12).toUpper()}) {
            main->FontFind->clear();
            QTest::mouseClick(main->FontFind, Qt::LeftButton);
            typeText(main->FontFind, typed);
            const QString key = fontSortKey(main->FontFind->text());
            const auto first = std::find_if(keys.cbegin(), keys.cend(),
                                            [&](const QString &k) { return k.startsWith(key); });
            const int wanted =
                key.isEmpty() || first == keys.cend() ? -1 : int(first - keys.cbegin());
            const QModelIndexList selected = main->FontList->selectionModel()->selectedRows();
            QCOMPARE(selected.isEmpty() ? -1 : selected.first().row(), wanted);
        }
    }

    RandomSession session(program, 4242);
    const QString failure = session.run(600);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestBadNames)
#include "tst_badnames.moc"
