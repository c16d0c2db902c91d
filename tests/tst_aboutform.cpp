// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"

#include "shell/addresses.h"
#include "windows/aboutform.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestAboutForm : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void looksAsLaidOut();
    void readsTheUserNameOnce();
    void okGivesTheMainWindowBack_data();
    void okGivesTheMainWindowBack();
    void licenceButtonOpensTheDocument();
    void mailLinkWritesToSupport();
    void everyControlFits_data();
    void everyControlFits();

private:
    template <typename T = QWidget> T *child(const char *name)
    {
        T *found = m_form->findChild<T *>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }

    FakePlatform m_platform;
    std::unique_ptr<QWidget> m_main;
    std::unique_ptr<AboutForm> m_form;
};

void TestAboutForm::init()
{
    m_platform = FakePlatform();
    // Shown and then disabled, as the main window does before it shows the window.
    m_main = std::make_unique<QWidget>();
    m_main->setWindowIcon(QIcon(QStringLiteral(":/images/glyphory-32.png")));
    m_main->show();
    m_main->setEnabled(false);
    m_form = std::make_unique<AboutForm>(m_platform, m_main.get());
}

void TestAboutForm::cleanup()
{
    m_form.reset();
    m_main.reset();
}

void TestAboutForm::looksAsLaidOut()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("AboutForm"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("About Glyphory"));
    QVERIFY(!m_form->parentWidget());
    const Qt::WindowFlags flags = m_form->windowFlags();
    QVERIFY(!(flags & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                       Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(m_form->minimumSize(), QSize(533, 327));
    QCOMPARE(m_form->maximumSize(), QSize(533, 327));

    QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral("Glyphory 3.6"));
    QCOMPARE(child<QLabel>("Label12")->text(), QStringLiteral("Glyphory 3.6"));
    QCOMPARE(child<QLabel>("UserName")->text(), QStringLiteral("Computer User"));
    QCOMPARE(child<QLabel>("Label9")->text(), QStringLiteral("E-Mail :"));
    QCOMPARE(child<QPushButton>("About_License")->text(),
             QStringLiteral("Glyphory License Agreement"));
    QCOMPARE(child<QPushButton>("MinimizeToTray2")->text(), QStringLiteral("OK"));
    QVERIFY(child<QLabel>("Label15")->text().contains(QLatin1String("Corvatek Software")));

    auto *mail = child<QLabel>("Label6");
    QCOMPARE(mail->text(), SupportMailAddress);
    QCOMPARE(mail->toolTip(), QStringLiteral("Contact Corvatek Software"));
    QVERIFY(mail->font().bold() && mail->font().underline());
    QCOMPARE(mail->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    QVERIFY(mail->cursor().shape() != Qt::ArrowCursor);
}

void TestAboutForm::readsTheUserNameOnce()
{
    m_platform.user = QStringLiteral("Ada Lovelace");
    m_form->show();
    QCOMPARE(child<QLabel>("UserName")->text(), QStringLiteral("Ada Lovelace"));
    QCOMPARE(m_form->windowIcon().cacheKey(), m_main->windowIcon().cacheKey());

    m_form->MinimizeToTray2_Click();
    m_platform.user = QStringLiteral("Someone Else");
    m_main->setEnabled(false);
    m_form->show();
    QCOMPARE(m_platform.userNameReads, 1);
    QCOMPARE(child<QLabel>("UserName")->text(), QStringLiteral("Ada Lovelace"));
}

void TestAboutForm::okGivesTheMainWindowBack_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("click") << 0;
    QTest::newRow("Escape") << int(Qt::Key_Escape);
    QTest::newRow("Enter") << int(Qt::Key_Return);
}

void TestAboutForm::okGivesTheMainWindowBack()
{
    QFETCH(int, key);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    const QPointer<AboutForm> form = m_form.get();

    if (key)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.data(),
                        Qt::Key(key));
    else
        QTest::mouseClick(child("MinimizeToTray2"), Qt::LeftButton);

    QVERIFY(form);
    QVERIFY(form->isHidden());
    QVERIFY(m_main->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), m_main.get());
    QVERIFY(m_platform.opened.isEmpty());
}

void TestAboutForm::licenceButtonOpensTheDocument()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString document = folder.filePath(QStringLiteral("License Agreement.rtf"));
    QFile file(document);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    m_platform.program = folder.path();
    m_form->show();

    QTest::mouseClick(child("About_License"), Qt::LeftButton);
    QCOMPARE(m_platform.opened, QList<QUrl>{QUrl::fromLocalFile(document)});
    QVERIFY(m_form->isVisible());
    QVERIFY(!m_main->isEnabled());
}

void TestAboutForm::mailLinkWritesToSupport()
{
    m_form->show();
    QTest::mouseClick(child("Label6"), Qt::LeftButton);
    QCOMPARE(m_platform.opened, QList<QUrl>{QUrl(QStringLiteral("mailto:") + SupportMailAddress)});
}

void TestAboutForm::everyControlFits_data()
{
    QTest::addColumn<QString>("user");
    QTest::newRow("short name") << QStringLiteral("Ada");
    QString longName;
    for (int i = 0; i < 300; ++i)
        longName += QLatin1Char(i % 7 == 6 ? ' ' : char('a' + i % 26));
    QTest::newRow("300 characters") << longName;
    QTest::newRow("300 characters, no blank") << QString(300, QLatin1Char('W'));
}

void TestAboutForm::everyControlFits()
{
    QFETCH(QString, user);
    m_platform.user = user;
    m_form->show();
    const QRect window = m_form->rect();
    // Centred as it finally is, after the name has made it grow.
    QVERIFY((m_form->frameGeometry().center() - m_form->screen()->availableGeometry().center())
                .manhattanLength() <= 1);
    const QRect panel = child("Shape1")->geometry();

    auto *name = child<QLabel>("UserName");
    QCOMPARE(name->text(), user);
    const QRect wrapped = name->fontMetrics().boundingRect(
        QRect(0, 0, name->width(), QWIDGETSIZE_MAX), Qt::TextWrapAnywhere, user);
    QVERIFY(name->width() >= wrapped.width() && name->height() >= wrapped.height());
    QVERIFY(panel.contains(name->geometry()));
    QVERIFY(name->geometry().bottom() < child("Label8")->y());

    // The button strip overhangs the window on purpose; its buttons must not.
    for (QWidget *control : m_form->findChildren<QWidget *>()) {
        if (control->objectName() == QLatin1String("Frame1"))
            continue;
        const QRect place(control->mapTo(m_form.get(), QPoint()), control->size());
        QVERIFY2(window.contains(place), qPrintable(control->objectName()));
    }
    QVERIFY(panel.bottom() < child("Frame1")->y());
    for (const char *text : {"Label3", "Label8", "Label9", "Label6", "Label15", "Label12"})
        QVERIFY2(panel.contains(child(text)->geometry()), text);
    auto *warning = child<QLabel>("Label15");
    QVERIFY(warning->heightForWidth(warning->width()) <= warning->height());
    QVERIFY(!child("Label9")->geometry().intersects(child("Label6")->geometry()));
}

QTEST_MAIN(TestAboutForm)
#include "tst_aboutform.moc"
