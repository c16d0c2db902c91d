// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "platform/platform.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

// The built program, started as a user starts it.
class TestBinary : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_runtime.isValid()); }
    void secondStartEndsAtOnceAndSilently()
    {
        std::unique_ptr<QProcess> first = start();
        QVERIFY(first);
        QTest::qWait(300);
        QCOMPARE(first->state(), QProcess::Running);

        std::unique_ptr<QProcess> second = start();
        QVERIFY(second && second->waitForFinished(1000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(second->readAllStandardOutput(), QByteArray());

        QCOMPARE(first->state(), QProcess::Running);
        first->kill();
        first->waitForFinished();
    }

    void killedRunDoesNotBlockTheNextStart()
    {
        std::unique_ptr<QProcess> crashed = start();
        QVERIFY(crashed);
        QTest::qWait(300);
        crashed->kill();
        QVERIFY(crashed->waitForFinished());
        QVERIFY(QFileInfo::exists(m_runtime.filePath(QStringLiteral("glyphory.lock"))));

        std::unique_ptr<QProcess> next = start();
        QVERIFY(next);
        QVERIFY(!next->waitForFinished(1500));
        QCOMPARE(next->state(), QProcess::Running);
        next->kill();
        next->waitForFinished();
    }

    // Every way out of the program ends in the desktop's endProgram(): the process
    // must stop there, with status 0, running nothing after it.
    void endingTheProgramStopsAtOnce()
    {
        QProcess self;
        self.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--end-program")});
        QVERIFY(self.waitForFinished(5000));
        QCOMPARE(self.exitStatus(), QProcess::NormalExit);
        QCOMPARE(self.exitCode(), 0);
        QCOMPARE(self.readAllStandardOutput(), QByteArray("before\n"));
    }

private:
    std::unique_ptr<QProcess> start()
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        process->setProcessEnvironment(environment);
        process->start(QStringLiteral(GLYPHORY_BINARY), {});
        return process->waitForStarted(5000) ? std::move(process) : nullptr;
    }

    QTemporaryDir m_runtime;
};

int main(int argc, char *argv[])
{
    if (argc == 2 && qstrcmp(argv[1], "--end-program") == 0) {
        QCoreApplication app(argc, argv);
        const auto platform = makePlatform();
        std::printf("before\n");
        platform->endProgram();
        std::printf("after\n");
        return 3;
    }
    QCoreApplication app(argc, argv);
    TestBinary test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_binary.moc"
