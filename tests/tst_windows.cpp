// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "shell/addresses.h"
#include "windows/aboutform.h"
#include "windows/composemail.h"
#include "windows/forglyphory.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

// The about and feedback windows over a disabled main window, and the mail links.
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

    void everyControlDoesItsOneThing_data()
    {
        QTest::addColumn<bool>("about");
        QTest::addColumn<QString>("control"); // clicked, or a key; empty: a mail composed
        QTest::addColumn<QString>("request"); // as the platform is asked, addresses fully encoded
        const auto row = [](const char *tag, bool about, const QString &control,
                            const QString &request) {
            QTest::newRow(tag) << about << control << request;
        };
        const QString mail = "open mailto:" + SupportMailAddress, back = "main window back";
        row("about: mail", true, "Label6", mail);
        row("about: licence", true, "About_License",
            "open " + QUrl::fromLocalFile(GLYPHORY_SOURCE_DIR "/resources/License Agreement.rtf")
                          .toString(QUrl::FullyEncoded));
        row("about: OK", true, "MinimizeToTray2", back);
        row("about: Enter", true, "Enter", back);
        row("about: Escape", true, "Escape", back);
        row("feedback: mail", false, "Label6", mail);
        row("feedback: download site", false, "Label8", "open " + DownloadSiteAddress);
        row("feedback: review site", false, "Label12", "open " + ReviewSiteAddress);
        row("feedback: tell a friend", false, "Label4",
            "open mailto:?Subject=I%20Like%20Glyphory&Body=" + ProductPageAddress + "%0D%0A");
        row("feedback: registration note", false, "Image1",
            "tell Free registration required to vote and add a review at www." + DownloadSiteHost);
        // The opener would encode every "%" again after a lone one, the link's own too.
        row("feedback: lone percent in a composed mail", false, "",
            "open mailto:?Body=100%25%20sure,%20%20%0D%0A");
        row("feedback: Close", false, "Image11", back);
        row("feedback: Enter", false, "Enter", back);
        row("feedback: Escape", false, "Escape", back);
    }

    void everyControlDoesItsOneThing()
    {
        QFETCH(bool, about);
        QFETCH(QString, control);
        QFETCH(QString, request);
        const QPointer<QWidget> form = show(about);
        QVERIFY(QTest::qWaitForWindowActive(form));
        if (control.isEmpty()) {
            static_cast<ForGlyphory *>(form.data())
                ->ComposeMail({}, {}, QStringLiteral("100% sure, %20"), {}, {}, {});
        } else if (control == QLatin1String("Enter") || control == QLatin1String("Escape")) {
            QTest::keyClick(QApplication::focusWidget(),
                            control == QLatin1String("Enter") ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            QTest::mouseClick(form->findChild<QWidget *>(control), Qt::LeftButton);
        }
        QStringList requests{m_platform.requests()};
        if (m_main->isEnabled())
            requests << QStringLiteral("main window back");
        requests.removeAll(QString());
        QCOMPARE(requests, QStringList{request});
        // Left, the window is hidden, never destroyed, and the main window is in front.
        QVERIFY(form && form->isHidden() == m_main->isEnabled());
        if (m_main->isEnabled())
            QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
    }

private:
    QWidget *show(bool about);

    FakePlatform m_platform;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<QWidget> m_form;
};

QWidget *TestWindows::show(bool about)
{
    m_form.reset();
    m_platform = FakePlatform();
    m_platform.program = QStringLiteral(GLYPHORY_SOURCE_DIR "/resources");
    m_main = std::make_unique<QWidget>();
    m_main->show();
    m_main->setEnabled(false);
    if (about)
        m_form = std::make_unique<AboutForm>(m_platform, m_main.get());
    else
        m_form = std::make_unique<ForGlyphory>(m_platform, m_main.get());
    m_form->show();
    return m_form.get();
}

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
