// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "randomsession.h"
#include "runningprogram.h"

#include <QTest>

// Long random use of the real windows: whatever the user does, in whatever order,
// the rules that tie the controls together keep holding. GLYPHORY_SEED replays or
// explores one more seed.
class TestRandomUse : public QObject {
    Q_OBJECT
private slots:
    void rulesHoldThroughRandomUse_data();
    void rulesHoldThroughRandomUse();
};

void TestRandomUse::rulesHoldThroughRandomUse_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::newRow("seed 20260317") << quint64(20260317);
    bool given = false;
    const quint64 seed = qEnvironmentVariable("GLYPHORY_SEED").toULongLong(&given);
    if (given)
        QTest::addRow("seed %llu from the environment", seed) << seed;
}

void TestRandomUse::rulesHoldThroughRandomUse()
{
    QFETCH(quint64, seed);
    RunningProgram program;
    // Names that begin alike, differ only in case, or leave the Latin alphabet, so
    // that searches hit, miss and pick among neighbours.
    program.platform.fonts = {"Arial",     "arial",    "ARIAL Narrow", "Arial Black", "Courier New",
                              "Batang",    "über",     "Ümlaut Sans",  "Σίγμα",       "σίγμα Mono",
                              "Straße",    "STRASSE",  "İstanbul",     "中文字体",    "한글 고딕",
                              "שלום Sans", "عربي نسخ", "😀 Emoji",      "e\u0301cole", "école"};
    QVERIFY(program.start());

    RandomSession session(program, seed);
    const QString failure = session.run(20000);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
