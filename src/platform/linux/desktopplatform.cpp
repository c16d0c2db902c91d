// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "desktopplatform.h"

#include "platform/linux/fileplacing.h"
#include "platform/linux/fontcatalog.h"
#include "platform/linux/fontfilereading.h"
#include "platform/linux/userfolders.h"
#include "platform/linux/windowmanager.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

DesktopPlatform::DesktopPlatform() = default;

DesktopPlatform::~DesktopPlatform() = default;

// Tahoma, which the windows are laid out for, ships with Wine outside
// fontconfig's folders; where the system has no Tahoma of its own, these are
// used, so every caption takes the room the layout gives it.
static const char *const PrivateFontFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                               "/usr/share/wine/fonts/tahomabd.ttf"};

FontCatalog &DesktopPlatform::fonts()
{
    if (!m_fonts) {
        QStringList files;
        for (const char *file : PrivateFontFiles) {
            if (QFile::exists(QString::fromLatin1(file)))
                files.append(QString::fromLatin1(file));
        }
        m_fonts = std::make_unique<FontCatalog>(files);
        m_fonts->setFontsChangedHandler(m_fontsChanged);
    }
    return *m_fonts;
}

void DesktopPlatform::setFontsChangedHandler(std::function<void()> handler)
{
    m_fontsChanged = std::move(handler);
    if (m_fonts)
        m_fonts->setFontsChangedHandler(m_fontsChanged);
}

int DesktopPlatform::fontCount()
{
    return int(fonts().families().size());
}

QString DesktopPlatform::fontName(int index)
{
    return fonts().families().value(index);
}

QStringList DesktopPlatform::fontOtherNames(int index)
{
    return fonts().otherNames(fontName(index));
}

QString DesktopPlatform::resolveFamily(const QString &face)
{
    return fonts().resolve(face);
}

void DesktopPlatform::loadFamily(const QString &family)
{
    fonts().loadFamily(family);
}

void DesktopPlatform::loadCharacters(const QString &text)
{
    fonts().loadCharacters(text);
}

bool DesktopPlatform::anotherInstanceRunning()
{
    return m_instanceLock.heldElsewhere();
}

Platform::FontFile DesktopPlatform::readFontFile(const QString &path)
{
    return FontFileReading::read(path);
}

QString DesktopPlatform::windowsFolder()
{
    return UserFolders::dataHome();
}

QString DesktopPlatform::fontsFolderName()
{
    return QStringLiteral("fonts");
}

QString DesktopPlatform::programFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString DesktopPlatform::documentPath(const QString &fileName)
{
    const QString beside = programFolder() + QLatin1Char('/') + fileName;
    if (QFile::exists(beside))
        return beside;
    // An installed program finds its documents in its share folder.
    const QString shared =
        QDir::cleanPath(programFolder() + QStringLiteral("/../share/glyphory/") + fileName);
    if (QFile::exists(shared))
        return shared;
    return beside;
}

QString DesktopPlatform::userName()
{
    if (const passwd *entry = ::getpwuid(::getuid())) {
        // The first comma-separated field of the GECOS entry is the full name.
        const QString gecos = QString::fromLocal8Bit(entry->pw_gecos ? entry->pw_gecos : "");
        const QString fullName = gecos.section(QLatin1Char(','), 0, 0).trimmed();
        if (!fullName.isEmpty())
            return drawable(fullName);
        if (entry->pw_name && *entry->pw_name)
            return drawable(QString::fromLocal8Bit(entry->pw_name));
    }
    return drawable(qEnvironmentVariable("USER"));
}

Platform::Placed DesktopPlatform::placeFile(const QString &temporary, const QString &destination,
                                            bool replace, QString *error)
{
    return FilePlacing::place(temporary, destination, replace, error);
}

QString DesktopPlatform::drawable(const QString &text)
{
    loadCharacters(text);
    return text;
}

// xdg-open that has run this long has handed the target to a program the user
// has seen; a failure status after that is that program's own, not a missing handler.
static constexpr qint64 HandOverMilliseconds = 10000;

bool DesktopPlatform::openUrl(const QUrl &url, std::function<void()> failedLater)
{
    // Qt starts the desktop's opener detached and so never learns that it found
    // no program for the target; running it ourselves lets its status be read.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return QDesktopServices::openUrl(url);
    auto *process = new QProcess;
    process->setProgram(opener);
    process->setArguments({QString::fromUtf8(url.toEncoded())});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    QElapsedTimer running;
    running.start();
    // The opener may stay until the handler's window closes, so it is watched
    // from the event loop; waiting for it would freeze the windows meanwhile.
    QObject::connect(process, &QProcess::finished, process,
                     [process, running,
                      failedLater = std::move(failedLater)](int code, QProcess::ExitStatus status) {
                         process->deleteLater();
                         const bool failed = status != QProcess::NormalExit || code != 0;
                         if (failed && running.elapsed() < HandOverMilliseconds && failedLater)
                             QTimer::singleShot(0, QCoreApplication::instance(), failedLater);
                     });
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    return true;
}

bool DesktopPlatform::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

static QStringList firstAvailable(const QList<QStringList> &candidates)
{
    for (const QStringList &command : candidates) {
        const QString path = QStandardPaths::findExecutable(command.first());
        if (!path.isEmpty()) {
            QStringList found = command;
            found.first() = path;
            return found;
        }
    }
    return {};
}

QStringList DesktopPlatform::characterMapCommand()
{
    return firstAvailable({{QStringLiteral("gucharmap")},
                           {QStringLiteral("kcharselect")},
                           {QStringLiteral("gnome-characters")}});
}

QStringList DesktopPlatform::regionalSettingsCommand()
{
    return firstAvailable({{QStringLiteral("gnome-control-center"), QStringLiteral("region")},
                           {QStringLiteral("systemsettings"), QStringLiteral("kcm_regionandlang")},
                           {QStringLiteral("cinnamon-settings"), QStringLiteral("region")},
                           {QStringLiteral("xfce4-settings-manager")},
                           {QStringLiteral("lxqt-config-locale")},
                           {QStringLiteral("mate-control-center")}});
}

void DesktopPlatform::information(QWidget *parent, const QString &title, const QString &text)
{
    loadCharacters(title + text);
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}

bool DesktopPlatform::askYesNo(QWidget *parent, const QString &title, const QString &text,
                               bool yesIsDefault)
{
    loadCharacters(title + text);
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(yesIsDefault ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString DesktopPlatform::openFileName(QWidget *parent, const QStringList &filters)
{
    // The details would show the patterns after each description; the captions
    // are meant to read exactly as given.
    return drawable(QFileDialog::getOpenFileName(parent, QString(), QString(),
                                                 filters.join(QStringLiteral(";;")), nullptr,
                                                 QFileDialog::HideNameFilterDetails));
}

std::optional<QColor> DesktopPlatform::chooseColor(QWidget *parent, const QColor &initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void chooseWindowSystem()
{
    const QByteArray chosen =
        WindowManager::windowSystemFor(qgetenv("XDG_SESSION_TYPE"), qgetenv("XDG_CURRENT_DESKTOP"),
                                       qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM"));
    if (!chosen.isEmpty())
        qputenv("QT_QPA_PLATFORM", chosen);
}

std::optional<QMargins> DesktopPlatform::windowFrame(QWindow *window)
{
    return WindowManager::expectedFrame(window);
}

void DesktopPlatform::minimizeWindow(QWindow *window)
{
    WindowManager::minimize(window);
}

void DesktopPlatform::endProgram()
{
    // Quitting the event loop would let a nested loop (the font reading yields to
    // it) run on and show the main window; the process has nothing to save.
    std::fflush(nullptr);
    std::_Exit(0);
}

std::unique_ptr<Platform> makePlatform()
{
    return std::make_unique<DesktopPlatform>();
}
