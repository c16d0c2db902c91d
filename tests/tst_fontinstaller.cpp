// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"
#include "install/fontinstaller.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>
#include <optional>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// File name to contents; folders show as "<folder>".
using FolderState = QMap<QString, QByteArray>;

QByteArray fontData(qint64 size, int seed)
{
    QByteArray data(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        data[i] = char((seed + i * 7) % 251);
    return data;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Hidden entries count too, so a temporary file left behind shows up.
FolderState folderState(const QString &path)
{
    FolderState state;
    const auto entries = QDir(path).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                                  QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries)
        state.insert(entry.fileName(),
                     entry.isDir() ? QByteArray("<folder>") : readFile(entry.filePath()));
    return state;
}

QString successText(const QString &font)
{
    return QStringLiteral("Your selected font ") + font +
           QStringLiteral(" has been successfully installed, You must restart the Glyphory "
                          "application in order to active the font.");
}

bool runsAsRoot()
{
    return ::geteuid() == 0;
}

// A 64 KiB tmpfs: a disk that really fills up, or a file system that is really
// read-only, both of which stop root as well. Mounting needs root.
class ScratchDisk {
public:
    explicit ScratchDisk(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        m_mounted =
            runsAsRoot() && ::mount("tmpfs", m_path.constData(), "tmpfs", 0, "size=64k") == 0;
    }
    ~ScratchDisk()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    bool isMounted() const { return m_mounted; }
    bool makeReadOnly()
    {
        return ::mount("tmpfs", m_path.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
};

// Caps the size of any file this process writes, which stops a copy partway just
// as a full disk does, without needing root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = m_saved;
        lowered.rlim_cur = bytes;
        m_active = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_signal);
    }
    bool isActive() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_signal)(int) = nullptr;
    bool m_active = false;
};

} // namespace

class tst_FontInstaller : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileDialogFilters();
    void installs_data();
    void installs();
    void emptyPathDoesNothing();
    void replacing_data();
    void replacing();
    void sameFileIsLeftAlone_data();
    void sameFileIsLeftAlone();

    void sourceMissing_data();
    void sourceMissing();
    void sourceUnreadable_data();
    void sourceUnreadable();
    void fontsFolderUnusable_data();
    void fontsFolderUnusable();
    void fontsFolderReadOnly_data();
    void fontsFolderReadOnly();
    void diskFillsUp_data();
    void diskFillsUp();

private:
    QString pick(const QString &name, const QByteArray &data);
    void verifyRefused(bool installed, const QString &font, const QString &reason,
                       const FolderState &before);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<FakePlatform> m_platform;
    QString m_picked;
    QString m_fonts;
};

void tst_FontInstaller::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_platform = std::make_unique<FakePlatform>();
    m_platform->windows = m_dir->filePath(QStringLiteral("share"));
    m_fonts = m_platform->windows + QStringLiteral("/fonts");
    m_picked = m_dir->filePath(QStringLiteral("picked"));
    QVERIFY(QDir().mkpath(m_picked));
}

void tst_FontInstaller::cleanup()
{
    // Undo any permission change so the temporary folder can be removed.
    QFile::setPermissions(m_fonts, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_dir.reset();
}

QString tst_FontInstaller::pick(const QString &name, const QByteArray &data)
{
    const QString path = m_picked + QLatin1Char('/') + name;
    if (!writeFile(path, data))
        qWarning("could not write %s", qPrintable(path));
    return path;
}

void tst_FontInstaller::verifyRefused(bool installed, const QString &font, const QString &reason,
                                      const FolderState &before)
{
    QVERIFY(!installed);
    QVERIFY(!m_platform->messages.isEmpty());
    const FakePlatform::Message &message = m_platform->messages.last();
    QCOMPARE(message.title, QStringLiteral("Glyphory"));
    QVERIFY(!message.question);
    QVERIFY2(
        message.text.startsWith(QStringLiteral("The font %1 was not installed.\n\n").arg(font)),
        qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QVERIFY(m_platform->opened.isEmpty());
    QCOMPARE(folderState(m_fonts), before);
}

void tst_FontInstaller::fileDialogFilters()
{
    const QStringList fonts{QStringLiteral("a.TTF"), QStringLiteral("b.ttf"),
                            QStringLiteral("c.Ttf"), QStringLiteral("d.oTF"),
                            QStringLiteral("e.pfm"), QStringLiteral("f.PfM")};
    const QStringList others{QStringLiteral("notes.txt"), QStringLiteral("font.ttf.bak")};
    for (const QString &name : fonts + others)
        pick(name, "x");

    QFileDialog dialog;
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(FontInstaller::fontFileFilters());
    dialog.setDirectory(m_picked);

    const auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    QVERIFY(types);
    QCOMPARE(types->count(), 2);
    QCOMPARE(types->itemText(0), QStringLiteral("All Font Files"));
    QCOMPARE(types->itemText(1), QStringLiteral("All Files *.*"));
    QCOMPARE(types->currentIndex(), 0);

    // Names the dialog lets the user choose; filtered names are hidden or disabled.
    auto *model = dialog.findChild<QFileSystemModel *>();
    QVERIFY(model);
    const auto choosable = [&] {
        const QModelIndex folder = model->index(m_picked);
        QStringList names;
        for (int row = 0; row < model->rowCount(folder); ++row) {
            const QModelIndex entry = model->index(row, 0, folder);
            if (entry.flags() & Qt::ItemIsEnabled)
                names.append(entry.data().toString());
        }
        names.sort();
        return names;
    };
    QTRY_COMPARE(choosable(), fonts);

    dialog.selectNameFilter(FontInstaller::fontFileFilters().at(1));
    QStringList everything = fonts + others;
    everything.sort();
    QTRY_COMPARE(choosable(), everything);
}

void tst_FontInstaller::installs_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("folderExists");

    QTest::newRow("plain") << QStringLiteral("Example.otf") << qint64(4000) << true;
    QTest::newRow("fresh account, no fonts folder yet")
        << QStringLiteral("Example.ttf") << qint64(4000) << false;
    // Larger than the copy's buffer and not a multiple of it.
    QTest::newRow("large") << QStringLiteral("Big.ttf") << qint64(1300 * 1024 + 17) << true;
    QTest::newRow("empty file") << QStringLiteral("Empty.ttf") << qint64(0) << true;
    QTest::newRow("any file type") << QStringLiteral("README") << qint64(100) << true;
    QTest::newRow("spaces") << QStringLiteral("My Font Bold Italic.ttf") << qint64(100) << true;
    QTest::newRow("quotes") << QStringLiteral("Say \"Hi\" O'Brien.ttf") << qint64(100) << true;
    QTest::newRow("non-ASCII") << QStringLiteral("Ünïcødé 字体.otf") << qint64(100) << true;
    QTest::newRow("leading dash") << QStringLiteral("-rf.ttf") << qint64(100) << true;
    QTest::newRow("percent marker") << QStringLiteral("100%1 %2.ttf") << qint64(100) << true;
}

void tst_FontInstaller::installs()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QFETCH(bool, folderExists);
    if (folderExists)
        QVERIFY(QDir().mkpath(m_fonts));
    const QByteArray data = fontData(size, 1);
    const QString source = pick(name, data);

    QVERIFY(FontInstaller::installFont(*m_platform, nullptr, source));

    FolderState expected;
    expected.insert(name, data);
    QCOMPARE(folderState(m_fonts), expected);
    QCOMPARE(readFile(source), data);
    QCOMPARE(m_platform->messages.size(), 1);
    QCOMPARE(m_platform->messages.first().title, QStringLiteral("Glyphory"));
    QVERIFY(!m_platform->messages.first().question);
    QCOMPARE(m_platform->messages.first().text, successText(name));
    QCOMPARE(m_platform->opened, QList<QUrl>{QUrl::fromLocalFile(m_fonts)});
}

void tst_FontInstaller::emptyPathDoesNothing()
{
    QVERIFY(!FontInstaller::installFont(*m_platform, nullptr, QString()));
    QVERIFY(m_platform->messages.isEmpty());
    QVERIFY(m_platform->opened.isEmpty());
    QVERIFY(!QFileInfo::exists(m_fonts));
}

void tst_FontInstaller::replacing_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("declined") << false;
    QTest::newRow("accepted") << true;
}

void tst_FontInstaller::replacing()
{
    QFETCH(bool, answerYes);
    QVERIFY(QDir().mkpath(m_fonts));
    const QByteArray old = fontData(3000, 2);
    QVERIFY(writeFile(m_fonts + QStringLiteral("/Same.ttf"), old));
    const QByteArray fresh = fontData(5000, 3);
    const QString source = pick(QStringLiteral("Same.ttf"), fresh);
    m_platform->answerYes = answerYes;

    QCOMPARE(FontInstaller::installFont(*m_platform, nullptr, source), answerYes);

    QVERIFY(!m_platform->messages.isEmpty());
    const FakePlatform::Message &question = m_platform->messages.first();
    QVERIFY(question.question);
    QVERIFY(!question.yesIsDefault);
    QCOMPARE(question.title, QStringLiteral("Glyphory"));
    QVERIFY2(question.text.contains(QStringLiteral("Same.ttf")), qPrintable(question.text));

    FolderState expected;
    expected.insert(QStringLiteral("Same.ttf"), answerYes ? fresh : old);
    QCOMPARE(folderState(m_fonts), expected);
    if (answerYes) {
        QCOMPARE(m_platform->messages.size(), 2);
        QCOMPARE(m_platform->messages.last().text, successText(QStringLiteral("Same.ttf")));
        QCOMPARE(m_platform->opened, QList<QUrl>{QUrl::fromLocalFile(m_fonts)});
    } else {
        // The user said no; a further box would only repeat it.
        QCOMPARE(m_platform->messages.size(), 1);
        QVERIFY(m_platform->opened.isEmpty());
    }
}

void tst_FontInstaller::sameFileIsLeftAlone_data()
{
    QTest::addColumn<bool>("throughLink");
    QTest::newRow("the installed file itself") << false;
    QTest::newRow("a link to the installed file") << true;
}

void tst_FontInstaller::sameFileIsLeftAlone()
{
    QFETCH(bool, throughLink);
    QVERIFY(QDir().mkpath(m_fonts));
    const QByteArray data = fontData(9000, 4);
    const QString installed = m_fonts + QStringLiteral("/Mine.ttf");
    QVERIFY(writeFile(installed, data));
    QString source = installed;
    if (throughLink) {
        source = m_picked + QStringLiteral("/Mine.ttf");
        QVERIFY(QFile::link(installed, source));
    }
    const FolderState before = folderState(m_fonts);

    QVERIFY(FontInstaller::installFont(*m_platform, nullptr, source));

    QCOMPARE(folderState(m_fonts), before);
    QCOMPARE(m_platform->messages.size(), 1);
    QVERIFY(!m_platform->messages.first().question);
    QVERIFY2(m_platform->messages.first().text.contains(QStringLiteral("already")),
             qPrintable(m_platform->messages.first().text));
    QVERIFY(m_platform->opened.isEmpty());
}

void tst_FontInstaller::sourceMissing_data()
{
    QTest::addColumn<bool>("folderExists");
    QTest::newRow("fonts folder present") << true;
    QTest::newRow("no fonts folder") << false;
}

void tst_FontInstaller::sourceMissing()
{
    QFETCH(bool, folderExists);
    if (folderExists) {
        QVERIFY(QDir().mkpath(m_fonts));
        QVERIFY(writeFile(m_fonts + QStringLiteral("/Other.ttf"), fontData(100, 5)));
    }
    const QString source = pick(QStringLiteral("Gone.ttf"), fontData(100, 6));
    QVERIFY(QFile::remove(source)); // deleted between Browse and Install
    const FolderState before = folderState(m_fonts);

    const bool installed = FontInstaller::installFont(*m_platform, nullptr, source);

    verifyRefused(installed, QStringLiteral("Gone.ttf"), QDir::toNativeSeparators(source), before);
    QCOMPARE(m_platform->messages.size(), 1);
}

void tst_FontInstaller::sourceUnreadable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no read permission")
        << QStringLiteral("permission") << QStringLiteral("Permission denied");
    QTest::newRow("read error") << QStringLiteral("read error")
                                << QStringLiteral("Input/output error");
    QTest::newRow("folder") << QStringLiteral("folder") << QStringLiteral("not a font file");
    QTest::newRow("endless device")
        << QStringLiteral("device") << QStringLiteral("not a font file");
}

void tst_FontInstaller::sourceUnreadable()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QString source;
    if (kind == QLatin1String("permission")) {
        if (runsAsRoot())
            QSKIP("Root reads any file whatever its permissions; the read-error row covers this.");
        source = pick(QStringLiteral("Locked.ttf"), fontData(100, 7));
        QVERIFY(QFile::setPermissions(source, QFile::WriteOwner));
    } else if (kind == QLatin1String("read error")) {
        // Opens for anyone, root included, but reading its start fails.
        source = QStringLiteral("/proc/self/mem");
        if (!QFile(source).open(QIODevice::ReadOnly))
            QSKIP("/proc/self/mem cannot be opened here.");
    } else if (kind == QLatin1String("folder")) {
        source = m_picked;
    } else {
        source = QStringLiteral("/dev/zero");
    }
    QVERIFY(QDir().mkpath(m_fonts));
    const FolderState before = folderState(m_fonts);
    // Should the device ever be copied, this stops it before it fills the disk.
    const FileSizeLimit limit(1024 * 1024);

    const bool installed = FontInstaller::installFont(*m_platform, nullptr, source);

    verifyRefused(installed, QFileInfo(source).fileName(), reason, before);
}

void tst_FontInstaller::fontsFolderUnusable_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("unknown") << QStringLiteral("unknown")
                             << QStringLiteral("fonts folder is unknown");
    // A folder cannot be made inside a file, not even by root.
    QTest::newRow("under a file") << QStringLiteral("under a file")
                                  << QStringLiteral("could not be created");
    QTest::newRow("is a file") << QStringLiteral("is a file") << QStringLiteral("is not a folder");
    QTest::newRow("font name taken by a folder")
        << QStringLiteral("name taken") << QStringLiteral("holds a folder named Taken.ttf");
}

void tst_FontInstaller::fontsFolderUnusable()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString source = pick(QStringLiteral("Taken.ttf"), fontData(100, 8));
    if (kind == QLatin1String("unknown")) {
        m_platform->windows.clear();
    } else if (kind == QLatin1String("under a file")) {
        QVERIFY(writeFile(m_platform->windows, "not a folder"));
    } else if (kind == QLatin1String("is a file")) {
        QVERIFY(QDir().mkpath(m_platform->windows));
        QVERIFY(writeFile(m_fonts, "not a folder"));
    } else {
        QVERIFY(QDir().mkpath(m_fonts + QStringLiteral("/Taken.ttf")));
    }
    const FolderState before = folderState(m_fonts);

    const bool installed = FontInstaller::installFont(*m_platform, nullptr, source);

    verifyRefused(installed, QStringLiteral("Taken.ttf"), reason, before);
    QCOMPARE(m_platform->messages.size(), 1);
    if (kind == QLatin1String("is a file"))
        QCOMPARE(readFile(m_fonts), QByteArray("not a folder"));
}

void tst_FontInstaller::fontsFolderReadOnly_data()
{
    QTest::addColumn<bool>("readOnlyDisk");
    QTest::addColumn<bool>("replace");
    QTest::newRow("permission bits, new font") << false << false;
    QTest::newRow("permission bits, replacing") << false << true;
    QTest::newRow("read-only file system, new font") << true << false;
    QTest::newRow("read-only file system, replacing") << true << true;
}

void tst_FontInstaller::fontsFolderReadOnly()
{
    QFETCH(bool, readOnlyDisk);
    QFETCH(bool, replace);
    if (!readOnlyDisk && runsAsRoot())
        QSKIP("Root writes into any folder whatever its permissions; the read-only file "
              "system rows cover this.");
    QVERIFY(QDir().mkpath(m_fonts));
    std::optional<ScratchDisk> disk;
    if (readOnlyDisk) {
        disk.emplace(m_fonts);
        if (!disk->isMounted())
            QSKIP("Mounting a small tmpfs needs root and a system that allows it.");
    }
    QVERIFY(writeFile(m_fonts + QStringLiteral("/Old.ttf"), fontData(2000, 9)));
    if (disk)
        QVERIFY(disk->makeReadOnly());
    else
        QVERIFY(QFile::setPermissions(m_fonts, QFile::ReadOwner | QFile::ExeOwner));
    const QString name = replace ? QStringLiteral("Old.ttf") : QStringLiteral("New.ttf");
    const QString source = pick(name, fontData(3000, 10));
    const FolderState before = folderState(m_fonts);

    const bool installed = FontInstaller::installFont(*m_platform, nullptr, source);

    // Replacing, Qt names the installed file as not writable; adding, it gives the
    // system's reason.
    const QString reason = replace        ? QDir::toNativeSeparators(m_fonts + u'/' + name)
                           : readOnlyDisk ? QStringLiteral("Read-only file system")
                                          : QStringLiteral("Permission denied");
    verifyRefused(installed, name, reason, before);
    QCOMPARE(m_platform->messages.size(), replace ? 2 : 1);
}

void tst_FontInstaller::diskFillsUp_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<bool>("replace");
    QTest::newRow("full disk, new font") << true << false;
    QTest::newRow("full disk, replacing") << true << true;
    QTest::newRow("file size limit, new font") << false << false;
    QTest::newRow("file size limit, replacing") << false << true;
}

void tst_FontInstaller::diskFillsUp()
{
    QFETCH(bool, fullDisk);
    QFETCH(bool, replace);
    QVERIFY(QDir().mkpath(m_fonts));
    std::optional<ScratchDisk> disk;
    if (fullDisk) {
        disk.emplace(m_fonts);
        if (!disk->isMounted())
            QSKIP("Mounting a small tmpfs needs root and a system that allows it.");
    }
    const QByteArray old = fontData(16 * 1024, 11);
    if (replace)
        QVERIFY(writeFile(m_fonts + QStringLiteral("/Huge.ttf"), old));
    const QString source = pick(QStringLiteral("Huge.ttf"), fontData(300 * 1024, 12));
    const FolderState before = folderState(m_fonts);

    bool installed = true;
    {
        std::optional<FileSizeLimit> limit;
        if (!fullDisk) {
            limit.emplace(128 * 1024);
            QVERIFY(limit->isActive());
        }
        installed = FontInstaller::installFont(*m_platform, nullptr, source);
    }

    verifyRefused(installed, QStringLiteral("Huge.ttf"),
                  fullDisk ? QStringLiteral("No space left on device")
                           : QStringLiteral("File too large"),
                  before);
    QCOMPARE(m_platform->messages.size(), replace ? 2 : 1);
    if (replace)
        QCOMPARE(readFile(m_fonts + QStringLiteral("/Huge.ttf")), old);
}

QTEST_MAIN(tst_FontInstaller)
#include "tst_fontinstaller.moc"
