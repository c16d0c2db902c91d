// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "platform/linux/desktopplatform.h"
#include "shell/addresses.h"
#include "shell/extrascommands.h"
#include "shell/winfontfolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// What the shell routines hand to the desktop, and what they tell the user when
// nothing there can take it.
class TestShell : public QObject {
    Q_OBJECT
private slots:
    void everyTargetOpensOrIsReported_data()
    {
        QTest::addColumn<QString>("target");  // "regional" for the region settings
        QTest::addColumn<QString>("missing"); // what the system lacks
        QTest::addColumn<QString>("result");  // the request, or words of the message
        const auto row = [](const char *tag, const char *target, const char *missing,
                            const char *result) {
            QTest::newRow(tag) << target << missing << result;
        };
        row("fonts folder, made first", "Fonts", "", "open file://$DATA/fonts");
        row("fonts folder unknown", "Fonts", "data folder", "tell fonts folder could not be found");
        row("no character map", "charmap.exe", "tools", "tell No character map program");
        row("character map fails", "charmap.exe", "start", "tell sudo apt install gucharmap");
        row("no region settings", "regional", "tools", "tell No region and language settings");
        row("region settings fail", "regional", "start", "tell Region & Language");
        row("web address", "http://www.example.com/a b", "", "open http://www.example.com/a%20b");
        row("missing document", "$DATA/License Agreement.rtf", "", "tell could not be found");
        row("no program for the file", "$DATA/Install Fonts.rtf", "handler", "tell No program");
        row("no web browser", "http://www.example.com", "handler", "tell No web browser");
        row("no mail program", "mailto:someone@example.com", "handler", "tell No mail program");
        row("no file manager", "Fonts", "handler", "tell No file manager is set up");
    }

    void everyTargetOpensOrIsReported()
    {
        QFETCH(QString, target);
        QFETCH(QString, missing);
        QFETCH(QString, result);
        QTemporaryDir data;
        QFile document(data.filePath(QStringLiteral("Install Fonts.rtf")));
        QVERIFY(document.open(QIODevice::WriteOnly));
        target.replace(QLatin1String("$DATA"), data.path());
        // A desktop may find no handler at once or only after the call returned; the
        // user is told the same either way, once, and nothing when it opened.
        for (const bool later : {false, true}) {
            FakePlatform platform;
            platform.windows = missing == QLatin1String("data folder") ? QString() : data.path();
            platform.openSucceeds = later || missing != QLatin1String("handler");
            platform.startSucceeds = missing != QLatin1String("start");
            if (missing == QLatin1String("tools"))
                platform.charMap = platform.regional = QStringList();
            if (target == QLatin1String("regional"))
                WinFontFolder::OpenRegionalSettings(platform, nullptr);
            else
                WinFontFolder::OpenWithShell(platform, nullptr, target);
            if (later && missing == QLatin1String("handler")) {
                QVERIFY(platform.messages.isEmpty());
                QVERIFY(platform.openFailures.size() == 1 && platform.openFailures.first());
                platform.openFailures.first()();
                platform.opened.clear();
            }
            for (const auto &message : std::as_const(platform.messages))
                QCOMPARE(message.title, QStringLiteral("Glyphory"));
            // One thing happens: the request, or a message instead.
            const QString said = platform.requests().replace(data.path(), QLatin1String("$DATA"));
            QVERIFY2(!said.contains(u';') && said.startsWith(result.left(5)) &&
                         said.contains(result.mid(5)),
                     qPrintable(said));
        }
        if (result.endsWith(QLatin1String("/fonts")))
            QVERIFY(QFileInfo(data.filePath(QStringLiteral("fonts"))).isDir());
    }

    // The desktop's own opener, stood in for by a script that answers as xdg-open
    // does: its status arrives while the windows go on running.
    void theOpenersStatusArrivesLater_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("messages");
        QTest::newRow("no method available") << "sleep 1; exit 3" << 1;
        QTest::newRow("handler's window open") << "sleep 1; exit 0" << 0;
    }
    void theOpenersStatusArrivesLater()
    {
        QFETCH(QString, answer);
        QFETCH(int, messages);
        QTemporaryDir bin;
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly) &&
                opener.write("#!/bin/sh\n" + answer.toUtf8()) &&
                opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        opener.close();
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
        struct ToldPlatform : DesktopPlatform {
            QStringList told;
            void information(QWidget *, const QString &, const QString &text) override
            {
                told << text;
            }
        } platform;
        QElapsedTimer returning;
        returning.start();
        WinFontFolder::OpenWithShell(platform, nullptr, QStringLiteral("http://www.example.com"));
        qputenv("PATH", path);
        QVERIFY2(returning.elapsed() < 500, "the call waited for the opener");
        // Nothing is said before the opener has answered.
        QTest::qWait(200);
        QVERIFY(platform.told.isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(platform.told.size(), messages, 3000);
        QTest::qWait(messages ? 0 : 1500);
        QCOMPARE(platform.told.size(), messages);
    }

    void readMoreAsksFirst()
    {
        const QString help = QStringLiteral("First paragraph. \r\n\r\nLast one.\r\n");
        for (const bool characterMap : {true, false}) {
            for (const bool yes : {false, true}) {
                FakePlatform platform;
                platform.answerYes = yes;
                (characterMap ? ExtrasCommands::readMoreCharacterMap
                              : ExtrasCommands::readMoreRegionalOptions)(platform, nullptr, help);
                QCOMPARE(platform.messages.size(), 1);
                QVERIFY(platform.messages[0].question && platform.messages[0].yesIsDefault);
                // The help text ends with CR LF, so an empty line stands before the question.
                QCOMPARE(platform.messages[0].text,
                         help + QStringLiteral("\r\nWould you like to open %1 now?")
                                    .arg(characterMap ? "Windows Character Map"
                                                      : "Regional and Language Options"));
                QCOMPARE(platform.started.size(), int(yes));
            }
        }
    }

    // Every address the program was built with belongs to a reserved example domain.
    void addressesAreReserved()
    {
        static const QRegularExpression reserved(
            QStringLiteral("[@.](example\\.(com|net|org)|[a-z]+\\.example)(/|$)"));
        for (const QString &address :
             {SupportMailAddress, ProductPageAddress, DownloadSiteAddress, ReviewSiteAddress})
            QVERIFY2(reserved.match(address).hasMatch(), qPrintable(address));
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
