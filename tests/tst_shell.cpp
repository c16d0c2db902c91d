// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "shell/addresses.h"
#include "shell/support.h"
#include "shell/winfontfolder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void fontsFolderIsCreatedAndOpened();
    void unknownDataFolderIsReported();
    void missingToolsAreReported_data();
    void missingToolsAreReported();
    void filesAndAddressesGoToTheDefaultHandler();
    void nothingToOpenThemIsReported_data();
    void nothingToOpenThemIsReported();
    void supportShortcuts();
};

void TestShell::fontsFolderIsCreatedAndOpened()
{
    QTemporaryDir data;
    FakePlatform platform;
    platform.windows = data.path();
    WinFontFolder::OpenWithShell(platform, nullptr, QStringLiteral("Fonts"));
    QVERIFY(QFileInfo(data.filePath(QStringLiteral("fonts"))).isDir());
    QCOMPARE(platform.opened,
             QList<QUrl>{QUrl::fromLocalFile(data.filePath(QStringLiteral("fonts")))});
    QVERIFY(platform.messages.isEmpty());
}

void TestShell::unknownDataFolderIsReported()
{
    FakePlatform platform;
    platform.windows.clear();
    WinFontFolder::OpenWithShell(platform, nullptr, QStringLiteral("Fonts"));
    QVERIFY(platform.opened.isEmpty());
    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.messages[0].title, QStringLiteral("Glyphory"));
    QVERIFY(platform.messages[0].text.contains(QStringLiteral("fonts folder")));
}

void TestShell::missingToolsAreReported_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("starts");
    QTest::newRow("none installed") << false << true;
    QTest::newRow("fails to start") << true << false;
}

void TestShell::missingToolsAreReported()
{
    QFETCH(bool, installed);
    QFETCH(bool, starts);
    FakePlatform platform;
    if (!installed) {
        platform.charMap.clear();
        platform.regional.clear();
    }
    platform.startSucceeds = starts;
    WinFontFolder::OpenWithShell(platform, nullptr, QStringLiteral("charmap.exe"));
    WinFontFolder::OpenRegionalSettings(platform, nullptr);
    QCOMPARE(platform.messages.size(), 2);
    QVERIFY(platform.messages[0].text.contains(QStringLiteral("character map")));
    QVERIFY(platform.messages[0].text.contains(QStringLiteral("gucharmap")));
    QVERIFY(platform.messages[1].text.contains(QStringLiteral("region and language")));
}

void TestShell::filesAndAddressesGoToTheDefaultHandler()
{
    QTemporaryDir folder;
    const QString document = folder.filePath(QStringLiteral("Install Fonts.rtf"));
    QFile file(document);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    FakePlatform platform;
    WinFontFolder::OpenWithShell(platform, nullptr, document);
    WinFontFolder::OpenWithShell(platform, nullptr, QStringLiteral("http://www.example.com/a b"));
    QCOMPARE(platform.opened.size(), 2);
    QCOMPARE(platform.opened[0], QUrl::fromLocalFile(document));
    QCOMPARE(platform.opened[1].scheme(), QStringLiteral("http"));
    QCOMPARE(platform.opened[1].path(), QStringLiteral("/a b"));
    QVERIFY(platform.messages.isEmpty());
}

void TestShell::nothingToOpenThemIsReported_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("handlerExists");
    QTest::addColumn<QString>("said");
    QTest::newRow("missing document")
        << "/nonexistent/License Agreement.rtf" << true << "could not be found";
    QTest::newRow("no handler") << QString() << false << "No program";
    QTest::newRow("no browser") << "http://www.example.com" << false << "web browser";
    QTest::newRow("no mail program") << "mailto:someone@example.com" << false << "mail program";
}

void TestShell::nothingToOpenThemIsReported()
{
    QFETCH(QString, target);
    QFETCH(bool, handlerExists);
    QFETCH(QString, said);
    QTemporaryDir folder;
    if (target.isEmpty()) {
        target = folder.filePath(QStringLiteral("odd.xyz"));
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    FakePlatform platform;
    platform.openSucceeds = handlerExists;
    WinFontFolder::OpenWithShell(platform, nullptr, target);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY2(platform.messages[0].text.contains(said), qPrintable(platform.messages[0].text));
}

void TestShell::supportShortcuts()
{
    FakePlatform platform;
    Support::MailSupport(platform);
    Support::OpenProductPage(platform);
    QCOMPARE(platform.opened.size(), 2);
    QCOMPARE(platform.opened[0].toString(), QStringLiteral("mailto:") + SupportMailAddress);
    QCOMPARE(platform.opened[1].toString(), ProductPageAddress);
    for (const QString &address :
         {SupportMailAddress, ProductPageAddress, DownloadSiteAddress, ReviewSiteAddress}) {
        const QString host = address.section(QLatin1Char('@'), -1).section(QLatin1Char('/'), 2, 2);
        const QString domain = host.isEmpty() ? address.section(QLatin1Char('@'), -1) : host;
        QVERIFY2(domain.endsWith(QLatin1String("example.com")) ||
                     domain.endsWith(QLatin1String("example.net")) ||
                     domain.endsWith(QLatin1String("example.org")) ||
                     domain.endsWith(QLatin1String(".example")),
                 qPrintable(address));
    }
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
