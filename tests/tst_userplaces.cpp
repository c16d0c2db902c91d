// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "platform/linux/windowmanager.h"
#include "platform/platform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Leaves the variable unset for an empty value. Each test sets every variable it
// reads, so only TMPDIR, where the test's own folders go, is put back.
void setEnvironment(const char *name, const QString &value)
{
    if (value.isEmpty())
        qunsetenv(name);
    else
        qputenv(name, QFile::encodeName(value));
}

const uint nobody = 65534;

} // namespace

// The places in the user's account the program writes to or locks, under
// environments and folders that someone else may have prepared.
class TestUserPlaces : public QObject {
    Q_OBJECT
private slots:
    void dataFolder_data()
    {
        QTest::addColumn<QString>("home");
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<QString>("folder");
        const auto row = [](const char *tag, const char *home, const char *dataHome,
                            const char *folder) {
            QTest::newRow(tag) << QString(home) << QString(dataHome) << QString(folder);
        };
        const char *standard = "/home/someone/.local/share";
        row("unset", "/home/someone", "", standard);
        row("absolute", "/home/someone", "/data/fonts home/", "/data/fonts home");
        // Relative values are invalid by the XDG rules, addresses among them.
        for (const char *relative : {"reldata", "https://evil.example/x", "mailto:x", ":/x"})
            row(relative, "/home/someone", relative, standard);
        row("no home", "", "reldata", "");
        row("relative home", "someone", "", "");
    }

    void dataFolder()
    {
        QFETCH(QString, home);
        QFETCH(QString, dataHome);
        QFETCH(QString, folder);
        setEnvironment("HOME", home);
        setEnvironment("XDG_DATA_HOME", dataHome);
        QCOMPARE(makePlatform()->windowsFolder(), folder);
    }

    // Each row a place prepared before the start; a second start finds the first
    // one unless no place is the user's own.
    void singleInstance_data()
    {
        QTest::addColumn<QString>("setup");
        for (const char *setup :
             {"runtime folder", "runtime lock folder", "runtime lock link", "runtime lock foreign",
              "no runtime", "shared held", "own folder link", "own folder foreign", "nowhere"})
            QTest::newRow(setup) << QString(setup);
    }

    void singleInstance()
    {
        QFETCH(QString, setup);
        QTemporaryDir dir;
        const QString runtime = dir.filePath(QStringLiteral("runtime"));
        const QString temporary = dir.filePath(QStringLiteral("tmp"));
        // Where the links and folders of another user lead; nothing may appear there.
        const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
        QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(temporary) && QDir().mkpath(elsewhere));
        QVERIFY(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const bool inRuntime = setup.startsWith(QLatin1String("runtime"));
        int heldByOther = -1;
        const auto restore = qScopeGuard([&, tmp = qgetenv("TMPDIR")] {
            qputenv("TMPDIR", tmp);
            if (heldByOther >= 0)
                ::close(heldByOther);
        });
        setEnvironment("XDG_RUNTIME_DIR", inRuntime ? runtime : QString());
        setEnvironment("TMPDIR", temporary);
        setEnvironment("HOME",
                       setup == QLatin1String("nowhere") ? QString() : dir.filePath("home"));
        setEnvironment("XDG_CACHE_HOME", QString());

        const QString ownFolder = temporary + "/glyphory-" + QString::number(::geteuid());
        const QString runtimeLock = runtime + QStringLiteral("/glyphory.lock");
        if (setup.endsWith(QLatin1String("foreign")) && ::geteuid() != 0)
            QSKIP("Making a file another user's takes root.");
        if (setup == QLatin1String("runtime lock folder")) {
            QVERIFY(QDir().mkpath(runtimeLock));
        } else if (setup == QLatin1String("runtime lock link")) {
            QVERIFY(QFile::link(elsewhere + QStringLiteral("/lock"), runtimeLock));
        } else if (setup == QLatin1String("runtime lock foreign")) {
            QVERIFY(writeForeign(runtimeLock));
        } else if (setup == QLatin1String("shared held")) {
            // Names anyone can take in the shared folder before this user starts: the
            // usual per-user runtime folder and a lock open to all, held.
            const passwd *user = ::getpwuid(::geteuid());
            QVERIFY(user && writeForeign(temporary + "/runtime-" + user->pw_name));
            const QByteArray shared = QFile::encodeName(temporary + "/glyphory.lock");
            heldByOther = ::open(shared.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            QVERIFY(heldByOther >= 0 && ::flock(heldByOther, LOCK_EX | LOCK_NB) == 0);
        } else if (setup == QLatin1String("own folder link") || setup == "nowhere") {
            QVERIFY(QFile::link(elsewhere, ownFolder));
        } else if (setup == QLatin1String("own folder foreign")) {
            QVERIFY(QDir().mkpath(ownFolder) &&
                    ::chown(QFile::encodeName(ownFolder).constData(), nobody, nobody) == 0);
        }

        const auto first = makePlatform();
        QVERIFY(!first->anotherInstanceRunning());
        const auto second = makePlatform();
        QCOMPARE(second->anotherInstanceRunning(), setup != QLatin1String("nowhere"));
        const auto empty = QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot;
        QVERIFY(QDir(elsewhere).isEmpty(empty));
        if (setup == QLatin1String("own folder foreign"))
            QVERIFY(QDir(ownFolder).isEmpty(empty));
    }

    // Under GNOME on Wayland the windows go through XWayland, framed by GNOME's
    // own manager, unless the user chose a window system or there is no XWayland.
    void windowSystem_data()
    {
        QTest::addColumn<QByteArrayList>("session");
        QTest::addColumn<QByteArray>("chosen");
        const auto row = [](const char *tag, QByteArrayList session, const char *chosen) {
            QTest::newRow(tag) << session << QByteArray(chosen);
        };
        row("GNOME", {"wayland", "GNOME", ":0", ""}, "xcb");
        row("Ubuntu's GNOME", {"wayland", "ubuntu:GNOME", ":1", ""}, "xcb");
        row("KDE", {"wayland", "KDE", ":0", ""}, "");
        row("sway", {"wayland", "sway", "", ""}, "");
        row("GNOME without XWayland", {"wayland", "GNOME", "", ""}, "");
        row("GNOME on X11", {"x11", "GNOME", ":0", ""}, "");
        row("the user's choice", {"wayland", "GNOME", ":0", "wayland"}, "");
    }

    void windowSystem()
    {
        QFETCH(QByteArrayList, session);
        QFETCH(QByteArray, chosen);
        QCOMPARE(WindowManager::windowSystemFor(session[0], session[1], session[2], session[3]),
                 chosen);
    }

private:
    // A file another user left behind, which this user could not open; without
    // root it is this user's own.
    static bool writeForeign(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) &&
               file.setPermissions(QFile::ReadOwner | QFile::WriteOwner) &&
               (::geteuid() != 0 || ::fchown(file.handle(), nobody, nobody) == 0);
    }
};

QTEST_GUILESS_MAIN(TestUserPlaces)
#include "tst_userplaces.moc"
