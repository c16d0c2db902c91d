// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "install/fontinstaller.h"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <sys/mount.h>
#include <unistd.h>

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

// Every entry with its contents, hidden ones too, so that a temporary file left
// behind shows. A file standing where the folder should be shows as itself, and a
// link as a link, so that writing through it shows.
QMap<QString, QByteArray> folderState(const QString &path)
{
    const QFileInfo place(path);
    QMap<QString, QByteArray> state;
    for (const QFileInfo &entry :
         place.isFile() ? QFileInfoList{place}
                        : QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                   QDir::NoDotAndDotDot)) {
        QFile file(entry.filePath());
        state.insert(entry.fileName(), entry.isSymLink()
                                           ? "<link to " + entry.symLinkTarget().toUtf8() + '>'
                                       : entry.isDir()                  ? "<folder>"
                                       : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                        : "<unreadable>");
    }
    return state;
}

} // namespace

class TestFontInstaller : public QObject {
    Q_OBJECT
private slots:
    void fileDialogOffersFontsFirst()
    {
        QTemporaryDir dir;
        QStringList fonts;
        for (const QString &kind :
             QString("ttf ttc otf otc woff woff2 otb cff pfa pfb t1 t42 pfr fon fnt pcf pcf.gz bdf")
                 .split(u' '))
            fonts << "a." + kind << "B." + kind.toUpper()
                  << "c." + kind.left(1).toUpper() + kind.mid(1);
        // Metrics without their font, and what FreeType here cannot unpack.
        for (const QString &name :
             fonts + QStringList{"e.pfm", "f.AFM", "g.pcf.bz2", "notes.txt", "font.ttf.bak"})
            QVERIFY(writeFile(dir.filePath(name), "x"));
        fonts.sort();
        // Even where a dialog matches letter case as it stands.
        const QString filter = FontInstaller::fontFileFilters().first();
        QDir folder(dir.path(), filter.mid(filter.indexOf(u'(') + 1).chopped(1), QDir::Name,
                    QDir::Files | QDir::CaseSensitive);
        QCOMPARE(folder.entryList(), fonts);
        QFileDialog dialog;
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(FontInstaller::fontFileFilters());
        dialog.setDirectory(dir.path());

        QCOMPARE(dialog.selectedNameFilter(), "All Font Files");
        const auto *model = dialog.findChild<QFileSystemModel *>();
        // The names the user can choose; the dialog hides or disables the others.
        const auto choosable = [&] {
            QStringList names;
            const QModelIndex folder = model->index(dir.path());
            for (int row = 0; row < model->rowCount(folder); ++row)
                if (model->index(row, 0, folder).flags() & Qt::ItemIsEnabled)
                    names.append(model->index(row, 0, folder).data().toString());
            names.sort();
            return names;
        };
        QTRY_COMPARE(choosable(), fonts);
        dialog.selectNameFilter(FontInstaller::fontFileFilters().at(1));
        QTRY_COMPARE(choosable().size(), fonts.size() + 5);
    }

    void install_data()
    {
        QTest::addColumn<QString>("name");
        // What goes wrong first; a path starting with "/" is installed instead of the font.
        QTest::addColumn<QString>("setup");
        // What the fonts folder holds under the font's name: nothing, a "font", a "link"
        // to a file outside or a "dangling link".
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("answerYes");
        QTest::addColumn<QString>("reason"); // empty when the font goes in, or the user says no
        // Font.ttf unless the row names the font; nothing of its name installed yet, and
        // yes to any question.
        const auto row = [](const char *tag, const char *setup, const char *reason,
                            const char *entry = "", bool answerYes = true,
                            const char *name = "Font.ttf") {
            QTest::newRow(tag) << QString(name) << QString(setup) << QString(entry) << answerYes
                               << QString(reason);
        };
        for (const char *name :
             {"Say \"Hi\" O'Brien.ttf", "Ünïcødé 字体.otf", "-rf.ttf", "100%1 %2.ttf"})
            row(name, "", "", "", true, name);
        row("no fonts folder yet", "fresh", "");
        row("source deleted", "deleted", "could not be found");
        // Opens for anyone, root included, but reading its start fails.
        row("source unreadable", "/proc/self/mem", "could not be read");
        row("source a folder", "/tmp", "not a font file");
        row("source a device", "/dev/zero", "not a font file");
        row("fonts folder unknown", "unknown", "fonts folder is unknown");
        row("fonts folder is a file", "file", "is not a folder");
        row("fonts folder cannot be created", "under a file", "could not be created");
        row("font name taken by a folder", "taken", "holds a folder");
        row("read-only folder", "read-only", "could not be written");
        row("disk full", "full", "could not be written");
        row("disk full while replacing", "full", "could not be written", "font");
        row("replace declined", "", "", "font", false);
        row("replace accepted", "", "", "font");
        row("link replaced, not written through", "", "", "link");
        row("dangling link replaced", "", "", "dangling link");
        row("dangling link kept", "", "", "dangling link", false);
        // Another program writes a file of the font's name while the copy runs.
        row("name taken during the copy, kept", "race", "", "", false);
        row("name taken during the copy, replaced", "race", "");
        // A data folder that looks like a web address is a folder all the same.
        row("web address as data folder", "https://evil.example/x", "");
        // Read as the desktop reads fonts, Debian's own fonts under their own names
        // among them; the user's font settings hide bitmap fonts or list them.
        row("text file named .ttf", "real text", "No font was found", "", true, "Notes.ttf");
        row("truncated font", "real truncated", "No font was found", "", true, "DejaVuSans.ttf");
        row("real font", "real", "", "", true, "DejaVuSans.ttf");
        row("bitmaps hidden", "real, bitmaps hidden", "never appear", "", true,
            "ter-u12b_iso-8859-1.pcf.gz");
        row("bitmaps listed", "real, bitmaps listed", "", "", true, "ter-u12b_iso-8859-1.pcf.gz");
    }

    void install()
    {
        QFETCH(QString, name);
        QFETCH(QString, setup);
        QFETCH(QString, entry);
        QFETCH(bool, answerYes);
        QFETCH(QString, reason);
        const bool installs = reason.isEmpty() && answerYes;
        const bool asked = !entry.isEmpty() || setup == QLatin1String("race");
        QTemporaryDir dir;
        const QString home = QDir::currentPath();
        FakePlatform platform;
        platform.windows = dir.filePath(QStringLiteral("share"));
        if (setup.contains(u':')) {
            QVERIFY(QDir::setCurrent(dir.path()));
            platform.windows = setup;
        }
        platform.answerYes = answerYes;
        const QString fonts = platform.windows + QStringLiteral("/fonts");
        // Several copy buffers long, and more than the small disk below holds.
        QByteArray data;
        for (int i = 0; i < 300 * 1024 + 17; ++i)
            data += char(i % 251);
        if (setup.startsWith(u"real")) {
            platform.fontFile.reset();
            QFile font("/usr/share/fonts/" +
                       QString(name.endsWith(".ttf") ? "truetype/dejavu/" : "X11/misc/") + name);
            if (!font.open(QIODevice::ReadOnly) && !setup.endsWith(u"text"))
                QSKIP("The real fonts come from fonts-dejavu-core and xfonts-terminus.");
            data = setup.endsWith(u"text")
                       ? QByteArray("This is no font.\n")
                       : font.read(setup.endsWith(u"truncated") ? 1000 : 1 << 30);
        }
        if (setup.contains(u"bitmaps")) {
            QVERIFY(writeFile(dir.filePath("fonts.conf"),
                              setup.endsWith(u"listed")
                                  ? "<fontconfig/>"
                                  : "<fontconfig><selectfont><rejectfont><pattern>"
                                    "<patelt name='scalable'><bool>false</bool>"
                                    "</patelt></pattern></rejectfont></selectfont>"
                                    "</fontconfig>"));
            qputenv("FONTCONFIG_FILE", QFile::encodeName(dir.filePath("fonts.conf")));
        }
        const QString source = setup.startsWith(u'/') ? setup : dir.filePath(name);
        QVERIFY(setup.startsWith(u'/') || writeFile(source, data));

        // Root ignores permission bits, so a small tmpfs makes the fonts folder really
        // full or read-only.
        const QByteArray mountPoint = QFile::encodeName(fonts);
        const bool smallDisk =
            setup == QLatin1String("full") || (setup == "read-only" && !::geteuid());
        const auto restore = qScopeGuard([&] {
            QFile::setPermissions(fonts, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            if (smallDisk)
                ::umount2(mountPoint.constData(), MNT_DETACH);
            QDir::setCurrent(home);
            qunsetenv("FONTCONFIG_FILE");
        });
        if (!QStringList{"fresh", "file", "under a file"}.contains(setup)) {
            QVERIFY(QDir().mkpath(fonts));
            if (smallDisk && (::geteuid() || ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0,
                                                     "size=64k") != 0))
                QSKIP("A full or read-only disk is made with a small tmpfs, which needs root.");
            QVERIFY(writeFile(fonts + QStringLiteral("/Other.ttf"), QByteArray(16 * 1024, 'o')));
        }
        const QString installed = fonts + u'/' + name;
        const QString outside = dir.filePath(QStringLiteral("outside"));
        if (entry == QLatin1String("font"))
            QVERIFY(writeFile(installed, QByteArray(16 * 1024, 'e')));
        else if (entry == QLatin1String("link"))
            QVERIFY(writeFile(outside, "outside") && QFile::link(outside, installed));
        else if (entry == QLatin1String("dangling link"))
            QVERIFY(QFile::link(outside, installed));
        const QByteArray racer(8 * 1024, 'r');
        if (setup == QLatin1String("race"))
            platform.beforePlacing = [&](const QString &) { writeFile(installed, racer); };
        else if (setup == QLatin1String("deleted"))
            QVERIFY(QFile::remove(source));
        else if (setup == QLatin1String("unknown"))
            platform.windows.clear();
        else if (setup == QLatin1String("file"))
            QVERIFY(QDir().mkpath(platform.windows) && writeFile(fonts, "not a folder"));
        else if (setup == QLatin1String("under a file"))
            QVERIFY(writeFile(platform.windows, "not a folder"));
        else if (setup == QLatin1String("taken"))
            QVERIFY(QDir().mkpath(installed));
        else if (setup == QLatin1String("read-only"))
            QVERIFY(smallDisk ? ::mount("tmpfs", mountPoint.constData(), "tmpfs",
                                        MS_REMOUNT | MS_RDONLY, nullptr) == 0
                              : QFile::setPermissions(fonts, QFile::ReadOwner | QFile::ExeOwner));
        const auto before = folderState(fonts);
        const auto outsideBefore = folderState(outside);
        const QString font = QFileInfo(source).fileName();

        QCOMPARE(FontInstaller::installFont(platform, nullptr, source), installs);

        auto after = before;
        if (setup == QLatin1String("race"))
            after.insert(font, racer);
        if (installs) {
            after.insert(font, data);
            QCOMPARE(folderState(source).value(font), data);
        }
        QCOMPARE(folderState(fonts), after);
        // Nothing outside the fonts folder is written, whatever a link there leads to.
        QCOMPARE(folderState(outside), outsideBefore);
        QCOMPARE(platform.opened,
                 installs ? QList<QUrl>{QUrl::fromLocalFile(QFileInfo(fonts).absoluteFilePath())}
                          : QList<QUrl>{});
        // A declined replacement needs no box after the question.
        QCOMPARE(platform.messages.size(), int(asked) + int(installs || !reason.isEmpty()));
        if (asked) {
            const FakePlatform::Message question = platform.messages.first();
            QVERIFY(question.question && !question.yesIsDefault);
            // A link that leads nowhere is no font.
            QCOMPARE(question.text.contains("holds a font named " + font),
                     entry != QLatin1String("dangling link"));
        }
        // The main window's test reads the whole message of a font installed.
        const QString told = platform.messages.value(platform.messages.size() - 1).text;
        QVERIFY2(installs ? told.contains(font)
                          : reason.isEmpty() ||
                                (told.startsWith("The font " + font + " was not installed.\n\n") &&
                                 told.contains(reason)),
                 qPrintable(told));
    }

    // Clicks and keys that arrive while a copy runs wait for its end, so that
    // nothing can start a second install or end the program in the middle of one.
    void userInputWaitsForTheCopy()
    {
        QLineEdit box;
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QTemporaryDir dir;
        FakePlatform platform;
        platform.windows = dir.path();
        const QString source = dir.filePath(QStringLiteral("Large.ttf"));
        bool answered = false;
        // Larger until the windows are answered during the copy at least once.
        for (qint64 size = 16 << 20; !answered && size <= (qint64(1) << 30); size *= 4) {
            QFile file(source);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
            QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
                box.windowHandle(), QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
            bool copying = true;
            QTimer::singleShot(0, &box, [&] { answered = copying; });
            QVERIFY(FontInstaller::installFont(platform, nullptr, source));
            copying = false;
            QCOMPARE(box.text(), QString());
            QTRY_COMPARE(box.text(), "a");
            box.clear();
        }
        QVERIFY2(answered, "No copy of up to 1 GB was long enough to answer the windows.");
    }
};

QTEST_MAIN(TestFontInstaller)
#include "tst_fontinstaller.moc"
