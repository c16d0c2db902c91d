// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "shell/addresses.h"
#include "windows/composemail.h"

#include <QTest>

// The mail links the windows compose. What their controls do is tested with the
// main window that opens them.
class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void mailLink_data()
    {
        QTest::addColumn<QString>("parts"); // address|subject|body|cc|bcc|attachment
        QTest::addColumn<QString>("link");
        const auto row = [](const char *tag, const QString &parts, const QString &link) {
            QTest::newRow(tag) << parts << link;
        };
        row("only the address", "a@example.org|||||", "mailto:a@example.org");
        row("only cc", "|||b@example.org||", "mailto:?CC=b@example.org");
        row("every part, in order", "a@example.org|Hi & bye|x|b@example.org|c@example.org|f.txt",
            "mailto:a@example.org?Subject=Hi & bye&Body=x%0D%0A&CC=b@example.org&BCC=c@example.org"
            "&Attacth=\"f.txt\"");
        // Only the body is encoded, and its "%" never: encoding it, or encoding it after
        // the blanks, would turn a typed or an encoded blank into "%2520".
        row("blank, ampersand, CR LF", "||a b&c\r\n|||", "mailto:?Body=a%20b%26c%0D%0A%0D%0A");
        row("lone CR, lone LF", "||a\rb\nc|||", "mailto:?Body=a%0Db%0Ac%0D%0A");
        row("literal %20 kept", "||x%20y z|||", "mailto:?Body=x%20y%20z%0D%0A");
        row("lone percent", "||100%|||", "mailto:?Body=100%%0D%0A");
    }

    void mailLink()
    {
        QFETCH(QString, parts);
        QFETCH(QString, link);
        const QStringList p = parts.split(u'|');
        QCOMPARE(composeMailLink(p[0], p[1], p[2], p[3], p[4], p[5]), link);
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
