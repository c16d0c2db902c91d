// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"

#include "shell/addresses.h"
#include "windows/forglyphory.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTest>

#include <memory>

class TestForGlyphory : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void looksAsLaidOut();
    void linksReachTheDesktop_data();
    void linksReachTheDesktop();
    void noteExplainsTheRegistration();
    void closeGivesTheMainWindowBack_data();
    void closeGivesTheMainWindowBack();
    void mailLinkSurvivesTheOpener_data();
    void mailLinkSurvivesTheOpener();
    void missingMailProgramIsReported();
    void everyControlFits();

private:
    template <typename T = QWidget> T *child(const QString &name)
    {
        T *found = m_form->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }

    FakePlatform m_platform;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<ForGlyphory> m_form;
};

void TestForGlyphory::init()
{
    m_platform = FakePlatform();
    m_main = std::make_unique<QWidget>();
    m_main->show();
    m_main->setEnabled(false);
    m_form = std::make_unique<ForGlyphory>(m_platform, m_main.get());
    m_form->show();
}

void TestForGlyphory::cleanup()
{
    m_form.reset();
    m_main.reset();
}

void TestForGlyphory::looksAsLaidOut()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("ForGlyphory"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("I Like Glyphory"));
    QVERIFY(!m_form->parentWidget());
    QVERIFY(
        !(m_form->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(m_form->minimumSize(), QSize(559, 337));
    QCOMPARE(m_form->maximumSize(), QSize(559, 337));
    QVERIFY((m_form->frameGeometry().center() - m_form->screen()->availableGeometry().center())
                .manhattanLength() <= 1);

    QCOMPARE(child<QLabel>(QStringLiteral("Label5"))->text(),
             QStringLiteral("* Vote for Glyphory at ") + DownloadSiteBrand);
    QCOMPARE(child<QLabel>(QStringLiteral("Label7"))->text(),
             QStringLiteral("Goto ") + DownloadSiteBrand + QLatin1Char(':'));
    QCOMPARE(child<QLabel>(QStringLiteral("Label8"))->toolTip(),
             QStringLiteral("Goto ") + DownloadSiteHost);
    QCOMPARE(child<QLabel>(QStringLiteral("Label9"))->text(),
             QStringLiteral("Search for Glyphory, Open its page and click on \"Rate it!\" link."));
    QCOMPARE(child(QStringLiteral("Image31"))->toolTip(), QStringLiteral("Add a review at ") +
                                                              DownloadSiteHost.left(1).toUpper() +
                                                              DownloadSiteHost.mid(1));
    QCOMPARE(child(QStringLiteral("Image11"))->toolTip(), QStringLiteral("Close"));

    // The review link looks like the plain labels around it.
    const auto *plain = child<QLabel>(QStringLiteral("Label11"));
    const auto *review = child<QLabel>(QStringLiteral("Label12"));
    QCOMPARE(review->cursor().shape(), Qt::ArrowCursor);
    QCOMPARE(review->font(), plain->font());
    QCOMPARE(review->palette().color(QPalette::WindowText),
             plain->palette().color(QPalette::WindowText));
    const auto *link = child<QLabel>(QStringLiteral("Label4"));
    QVERIFY(link->font().bold() && link->font().underline());
    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 192));
}

void TestForGlyphory::linksReachTheDesktop_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("address");
    QTest::newRow("support mail") << "Label6" << QStringLiteral("mailto:") + SupportMailAddress;
    QTest::newRow("download site") << "Label8" << DownloadSiteAddress;
    QTest::newRow("review site") << "Label12" << ReviewSiteAddress;
    QTest::newRow("tell a friend") << "Label4"
                                   << QStringLiteral("mailto:?Subject=I Like Glyphory&Body=") +
                                          ProductPageAddress + QStringLiteral("%0D%0A");
}

void TestForGlyphory::linksReachTheDesktop()
{
    QFETCH(QString, control);
    QFETCH(QString, address);
    QTest::mouseClick(child(control), Qt::LeftButton);
    QCOMPARE(m_platform.opened, QList<QUrl>{QUrl(address, QUrl::TolerantMode)});
    QVERIFY(m_platform.messages.isEmpty());
    QVERIFY(m_form->isVisible());
}

void TestForGlyphory::noteExplainsTheRegistration()
{
    QTest::mouseClick(child(QStringLiteral("Image1")), Qt::LeftButton);
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(m_platform.messages[0].title, QStringLiteral("Glyphory"));
    QCOMPARE(m_platform.messages[0].text,
             QStringLiteral("Free registration required to vote and add a review at www.") +
                 DownloadSiteHost);
    QVERIFY(m_platform.opened.isEmpty());
}

void TestForGlyphory::closeGivesTheMainWindowBack_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("click") << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape);
}

void TestForGlyphory::closeGivesTheMainWindowBack()
{
    QFETCH(int, key);
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    const QPointer<ForGlyphory> form = m_form.get();
    if (key)
        QTest::keyClick(form.data(), Qt::Key(key));
    else
        QTest::mouseClick(child(QStringLiteral("Image11")), Qt::LeftButton);

    QVERIFY(form);
    QVERIFY(form->isHidden());
    QVERIFY(m_main->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), m_main.get());

    // Shown again, it is the same window.
    m_main->setEnabled(false);
    form->show();
    QTest::mouseClick(child(QStringLiteral("Label8")), Qt::LeftButton);
    QCOMPARE(m_platform.opened.size(), 1);
}

// What the desktop's opener is handed: Qt passes the fully encoded form on to
// xdg-open as one argument.
void TestForGlyphory::mailLinkSurvivesTheOpener_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("attachment");
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<QString>("decodedQuery");

    QTest::newRow("blanks in the subject")
        << "I Like Glyphory"
        << "x" << QString() << QByteArray("mailto:?Subject=I%20Like%20Glyphory&Body=x%0D%0A")
        << "Subject=I Like Glyphory&Body=x\r\n";
    QTest::newRow("percent signs in the body")
        << QString() << "100% sure, %20" << QString()
        << QByteArray("mailto:?Body=100%25%20sure,%20%20%0D%0A") << "Body=100% sure,  \r\n";
    QTest::newRow("quoted attachment")
        << QString() << QString() << "/tmp/a b.txt"
        << QByteArray("mailto:?Attacth=%22/tmp/a%20b.txt%22") << "Attacth=\"/tmp/a b.txt\"";
}

void TestForGlyphory::mailLinkSurvivesTheOpener()
{
    QFETCH(QString, subject);
    QFETCH(QString, body);
    QFETCH(QString, attachment);
    QFETCH(QByteArray, encoded);
    QFETCH(QString, decodedQuery);
    m_form->ComposeMail(QString(), subject, body, QString(), QString(), attachment);
    QCOMPARE(m_platform.opened.size(), 1);
    QCOMPARE(m_platform.opened[0].toEncoded(), encoded);
    QCOMPARE(m_platform.opened[0].query(QUrl::FullyDecoded), decodedQuery);
}

void TestForGlyphory::missingMailProgramIsReported()
{
    m_platform.openSucceeds = false;
    QTest::mouseClick(child(QStringLiteral("Label4")), Qt::LeftButton);
    QCOMPARE(m_platform.opened.size(), 1);
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages[0].text.contains(QLatin1String("mail program")));
}

void TestForGlyphory::everyControlFits()
{
    const QWidget *frame = child(QStringLiteral("Frame2"));
    QVERIFY(m_form->rect().contains(frame->geometry()));
    const QList<QWidget *> controls = frame->findChildren<QWidget *>();
    QCOMPARE(controls.size(), 21);
    for (const QWidget *control : controls) {
        QVERIFY2(frame->rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (const QWidget *other : controls) {
            QVERIFY2(control == other || !control->geometry().intersects(other->geometry()),
                     qPrintable(control->objectName() + QLatin1Char('/') + other->objectName()));
        }
    }
    const auto *note = child<QLabel>(QStringLiteral("Label14"));
    QVERIFY(note->heightForWidth(note->width()) <= note->height());
}

QTEST_MAIN(TestForGlyphory)
#include "tst_forglyphory.moc"
