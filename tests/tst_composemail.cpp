// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "windows/composemail.h"

#include <QTest>

class TestComposeMail : public QObject {
    Q_OBJECT
private slots:
    void link_data();
    void link();
};

void TestComposeMail::link_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("cc");
    QTest::addColumn<QString>("bcc");
    QTest::addColumn<QString>("attachment");
    QTest::addColumn<QString>("expected");

    const QString none;
    QTest::newRow("tell a friend")
        << none << "I Like Glyphory"
        << "http://www.example.com/software/glyphory.html" << none << none << none
        << "mailto:?Subject=I Like Glyphory&Body=http://www.example.com/software/glyphory.html"
           "%0D%0A";
    QTest::newRow("only the address") << "someone@example.org" << none << none << none << none
                                      << none << "mailto:someone@example.org";
    QTest::newRow("nothing at all") << none << none << none << none << none << none << "mailto:";
    QTest::newRow("only cc") << "a@example.org" << none << none << "b@example.org" << none << none
                             << "mailto:a@example.org?CC=b@example.org";
    QTest::newRow("only bcc") << none << none << none << none << "c@example.org" << none
                              << "mailto:?BCC=c@example.org";
    QTest::newRow("only an attachment") << none << none << none << none << none << "C:\\a b.txt"
                                        << "mailto:?Attacth=\"C:\\a b.txt\"";
    QTest::newRow("every field, in order")
        << "a@example.org"
        << "Hi & bye"
        << "x"
        << "b@example.org"
        << "c@example.org"
        << "f.txt"
        << "mailto:a@example.org?Subject=Hi & bye&Body=x%0D%0A&CC=b@example.org"
           "&BCC=c@example.org&Attacth=\"f.txt\"";

    // Only the body is encoded: "&", blanks and line breaks, but never "%".
    const auto body = [none](const char *tag, const QString &text, const QString &encoded) {
        QTest::newRow(tag) << none << none << text << none << none << none
                           << QStringLiteral("mailto:?Body=") + encoded + QStringLiteral("%0D%0A");
    };
    body("blank, ampersand, CR LF", QStringLiteral("a b&c\r\n"), QStringLiteral("a%20b%26c%0D%0A"));
    body("lone CR and lone LF", QStringLiteral("a\rb\nc"), QStringLiteral("a%0Db%0Ac"));
    body("LF CR is two breaks", QStringLiteral("a\n\rb"), QStringLiteral("a%0A%0Db"));
    body("CR before CR LF", QStringLiteral("a\r\r\nb"), QStringLiteral("a%0D%0D%0Ab"));
    body("literal %20 kept", QStringLiteral("x%20y z"), QStringLiteral("x%20y%20z"));
    body("literal %26 beside an ampersand", QStringLiteral("%26&"), QStringLiteral("%26%26"));
    body("lone percent", QStringLiteral("100%"), QStringLiteral("100%"));
    body("only a blank", QStringLiteral(" "), QStringLiteral("%20"));
}

void TestComposeMail::link()
{
    QFETCH(QString, address);
    QFETCH(QString, subject);
    QFETCH(QString, body);
    QFETCH(QString, cc);
    QFETCH(QString, bcc);
    QFETCH(QString, attachment);
    QFETCH(QString, expected);
    QCOMPARE(composeMailLink(address, subject, body, cc, bcc, attachment), expected);
}

QTEST_APPLESS_MAIN(TestComposeMail)
#include "tst_composemail.moc"
