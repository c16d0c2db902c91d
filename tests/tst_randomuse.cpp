// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "randomsession.h"
#include "runningprogram.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

// Long random use of the real windows: whatever the user does, in whatever order,
// the rules that tie the controls together keep holding. GLYPHORY_SEED replays or
// explores one more seed; GLYPHORY_EVENTS changes the length of every run.
class TestRandomUse : public QObject {
    Q_OBJECT
private slots:
    void rulesHoldThroughRandomUse_data();
    void rulesHoldThroughRandomUse();
};

void TestRandomUse::rulesHoldThroughRandomUse_data()
{
    QTest::addColumn<quint64>("seed");
    QTest::newRow("fixed seed") << quint64(20260317);
    bool given = false;
    const quint64 seed = qEnvironmentVariable("GLYPHORY_SEED").toULongLong(&given);
    if (given)
        QTest::newRow("seed from the environment") << seed;
}

void TestRandomUse::rulesHoldThroughRandomUse()
{
    QFETCH(quint64, seed);
    bool given = false;
    int events = qEnvironmentVariableIntValue("GLYPHORY_EVENTS", &given);
    if (!given || events <= 0)
        events = 20000;

    QTemporaryDir work;
    QVERIFY(work.isValid());
    RunningProgram program;
    // Names that begin alike, differ only in case, or leave the Latin alphabet, so
    // that searches hit, miss and pick among neighbours.
    program.platform.fonts = {
        "Arial",         "arial",       "ARIAL Narrow", "Arial Black",     "Courier New",
        "Courier",       "DejaVu Sans", "DejaVu Serif", "Batang",          "Ümlaut Sans",
        "über",          "ärger",       "Zeta",         "Σίγμα",           "σίγμα Mono",
        "Ωμέγα",         "Straße",      "STRASSE",      "İstanbul",        "istanbul",
        "Noto Sans CJK", "中文字体",    "明朝",         "ゴシック体",      "한글 고딕",
        "שלום Sans",     "عربي نسخ",    "😀 Emoji",      "👍🏽 Thumbs", "e\u0301cole",
        "école",         "ǅemal",       "Dzemal",       "𝔄 Fraktur",       "Wingdings",
        "Webdings",      "Segoe UI",    "Segoe Print",  "Tahoma",          "Times New Roman",
    };
    QVERIFY(program.start());

    RandomSession session(program, seed, work.path());
    QElapsedTimer clock;
    clock.start();
    const QString failure = session.run(events);
    qInfo("seed %llu: %d events driven, %lld rules checked, %lld ms", seed, session.eventsDriven(),
          session.invariantsChecked(), clock.elapsed());
    if (!failure.isEmpty())
        QFAIL(qPrintable(failure));
    QCOMPARE(session.eventsDriven(), events);
}

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
