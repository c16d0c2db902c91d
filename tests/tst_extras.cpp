// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "runningprogram.h"
#include "shell/addresses.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

// The Extras and Help commands, reached from every entry point of the main window.
class TestExtras : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void entryPointsReachTheSameRequest_data();
    void entryPointsReachTheSameRequest();
    void readMoreAsksFirst_data();
    void readMoreAsksFirst();
    void installerLinksNeedAChosenFile();
    void aboutAndFeedbackHoldTheMainWindow_data();
    void aboutAndFeedbackHoldTheMainWindow();

private:
    void trigger(const QString &entry);

    std::unique_ptr<RunningProgram> m_program;
    QTemporaryDir m_data;
};

void TestExtras::init()
{
    m_program = std::make_unique<RunningProgram>();
    m_program->platform.windows = m_data.path();
    QVERIFY(m_program->start());
}

void TestExtras::cleanup()
{
    m_program.reset();
}

// An entry is "menu:Name" (the action), "key:F2" (its shortcut), "button:Name" or
// "link:Name" (a click on the control).
void TestExtras::trigger(const QString &entry)
{
    MainForm *main = m_program->main;
    const QString kind = entry.section(QLatin1Char(':'), 0, 0);
    const QString name = entry.section(QLatin1Char(':'), 1);
    if (kind == QLatin1String("menu")) {
        main->findChild<QAction *>(name)->trigger();
    } else if (kind == QLatin1String("key")) {
        const QKeySequence keys = QKeySequence::fromString(name);
        main->BigText->setFocus();
        QTest::keyClick(main->BigText, keys[0].key(), keys[0].keyboardModifiers());
    } else {
        auto *widget = main->findChild<QWidget *>(name);
        QVERIFY2(widget && widget->isVisible(), qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    }
}

void TestExtras::entryPointsReachTheSameRequest_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("request");
    const QString fonts = QUrl::fromLocalFile(m_data.filePath(QStringLiteral("fonts"))).toString();
    QTest::newRow("fonts folder") << QStringList{"menu:OpenWinFonts", "key:F2", "button:Command3"}
                                  << fonts;
    QTest::newRow("character map")
        << QStringList{"menu:CharacterMapButton", "key:F3", "link:Label7"}
        << "start:/usr/bin/gucharmap";
    QTest::newRow("regional options") << QStringList{"menu:OpenRALO", "key:F4", "link:Label16"}
                                      << "start:/usr/bin/gnome-control-center region";
    QTest::newRow("licence") << QStringList{"menu:License", "key:Ctrl+L"}
                             << "file:///nonexistent/bin/License Agreement.rtf";
    QTest::newRow("mail") << QStringList{"menu:Contact", "key:Ctrl+M"}
                          << "mailto:" + SupportMailAddress;
    QTest::newRow("web page") << QStringList{"menu:OnTheWeb", "key:Ctrl+W"} << ProductPageAddress;
}

void TestExtras::entryPointsReachTheSameRequest()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, request);
    FakePlatform &platform = m_program->platform;
    // The licence lies beside the program: pretend it is there.
    if (request.endsWith(QLatin1String(".rtf")))
        platform.program = m_data.path();
    request.replace(QLatin1String("/nonexistent/bin"), m_data.path());
    if (request.endsWith(QLatin1String(".rtf"))) {
        QFile licence(m_data.filePath(QStringLiteral("License Agreement.rtf")));
        QVERIFY(licence.open(QIODevice::WriteOnly));
    }

    for (const QString &entry : entries) {
        platform.opened.clear();
        platform.started.clear();
        trigger(entry);
        QStringList requests;
        for (const QUrl &url : std::as_const(platform.opened))
            requests << url.toString();
        for (const auto &started : std::as_const(platform.started))
            requests
                << QStringLiteral("start:") +
                       (QStringList{started.program} + started.arguments).join(QLatin1Char(' '));
        QCOMPARE(requests, QStringList{request});
        QVERIFY2(platform.messages.isEmpty(), qPrintable(entry));
    }
}

void TestExtras::readMoreAsksFirst_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("helpBox");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("program");
    QTest::newRow("character map") << "Label5"
                                   << "CharMapHelp"
                                   << "Windows Character Map"
                                   << "Would you like to open Windows Character Map now?"
                                   << "/usr/bin/gucharmap";
    QTest::newRow("regional options") << "Label15"
                                      << "RegionalInfo"
                                      << "Open Regional and Language Options"
                                      << "Would you like to open Regional and Language Options now?"
                                      << "/usr/bin/gnome-control-center";
}

void TestExtras::readMoreAsksFirst()
{
    QFETCH(QString, link);
    QFETCH(QString, helpBox);
    QFETCH(QString, title);
    QFETCH(QString, question);
    QFETCH(QString, program);
    FakePlatform &platform = m_program->platform;
    const QString help = m_program->main->findChild<QLineEdit *>(helpBox)->text();

    platform.answerYes = false;
    trigger(QStringLiteral("link:") + link);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.messages[0].question);
    QVERIFY(platform.messages[0].yesIsDefault);
    QCOMPARE(platform.messages[0].title, title);
    // The help text ends with CR LF, so an empty line stands before the question.
    QCOMPARE(platform.messages[0].text, help + QStringLiteral("\r\n") + question);
    QVERIFY(platform.messages[0].text.contains(QStringLiteral(".\r\n\r\nWould")) ||
            platform.messages[0].text.contains(QStringLiteral(". \r\n\r\nWould")));
    QVERIFY(platform.started.isEmpty());

    platform.answerYes = true;
    trigger(QStringLiteral("link:") + link);
    QCOMPARE(platform.started.size(), 1);
    QCOMPARE(platform.started[0].program, program);
}

void TestExtras::installerLinksNeedAChosenFile()
{
    FakePlatform &platform = m_program->platform;
    MainForm *main = m_program->main;
    trigger(QStringLiteral("link:Label11"));
    trigger(QStringLiteral("link:Label9"));
    QVERIFY(platform.opened.isEmpty());
    QVERIFY(platform.messages.isEmpty());

    // Browse: a cancel keeps the earlier choice.
    QFile font(m_data.filePath(QStringLiteral("Example.otf")));
    QVERIFY(font.open(QIODevice::WriteOnly));
    font.write("OTTO");
    font.close();
    platform.nextFileName = font.fileName();
    trigger(QStringLiteral("link:Label8"));
    QCOMPARE(main->FontPath->text(), font.fileName());
    trigger(QStringLiteral("link:Label8"));
    QCOMPARE(main->FontPath->text(), font.fileName());
    QCOMPARE(platform.fileDialogFilters.size(), 2);
    QVERIFY(platform.fileDialogFilters[0].first().startsWith(QLatin1String("All Font Files (")));
    QVERIFY(platform.fileDialogFilters[0].last().startsWith(QLatin1String("All Files *.* (")));

    trigger(QStringLiteral("link:Label11"));
    QCOMPARE(platform.opened, QList<QUrl>{QUrl::fromLocalFile(font.fileName())});

    platform.opened.clear();
    trigger(QStringLiteral("link:Label9"));
    QVERIFY(QFile::exists(m_data.filePath(QStringLiteral("fonts/Example.otf"))));
    QCOMPARE(
        platform.messages.last().text,
        QStringLiteral("Your selected font Example.otf has been successfully installed, You must "
                       "restart the Glyphory application in order to active the font."));
    QCOMPARE(platform.opened,
             QList<QUrl>{QUrl::fromLocalFile(m_data.filePath(QStringLiteral("fonts")))});
}

void TestExtras::aboutAndFeedbackHoldTheMainWindow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("about");
    QTest::newRow("about from the menu") << "menu:AboutPro" << true;
    QTest::newRow("about from its shortcut") << "key:Ctrl+B" << true;
    QTest::newRow("feedback from the menu") << "menu:LikeIt" << false;
    QTest::newRow("feedback from its shortcut") << "key:Ctrl+I" << false;
}

void TestExtras::aboutAndFeedbackHoldTheMainWindow()
{
    QFETCH(QString, entry);
    QFETCH(bool, about);
    MainForm *main = m_program->main;
    auto window = [&]() -> QWidget * {
        return about ? static_cast<QWidget *>(main->aboutForm())
                     : static_cast<QWidget *>(main->feedbackForm());
    };
    auto leave = [&] {
        if (about)
            main->aboutForm()->MinimizeToTray2_Click();
        else
            main->feedbackForm()->Image11_Click();
    };

    trigger(entry);
    QWidget *first = window();
    QVERIFY(first && first->isVisible());
    QVERIFY(!main->isEnabled());
    // While the window is up, the main window's shortcuts do nothing.
    QTest::keyClick(main, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(m_program->platform.opened.isEmpty());

    leave();
    QVERIFY(main->isEnabled());
    QVERIFY(!first->isVisible());
    QCOMPARE(window(), first);

    trigger(entry);
    QCOMPARE(window(), first);
    QVERIFY(first->isVisible());
    QVERIFY(!main->isEnabled());
    leave();
    QVERIFY(main->isEnabled());
    QCOMPARE(m_program->platform.userNameReads, about ? 1 : 0);
}

QTEST_MAIN(TestExtras)
#include "tst_extras.moc"
