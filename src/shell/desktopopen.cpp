// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "desktopopen.h"

#include "platform/platform.h"
#include "toolkit/messagetitle.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QRegularExpression>
#include <QUrl>
#include <QWidget>

namespace {

// The context the messages below are translated in.
class DesktopOpen {
    Q_DECLARE_TR_FUNCTIONS(DesktopOpen)
};

// The desktop may refuse the target at once or only after its opener has looked
// for a program; either way the user hears the same words, once.
void openOrTell(Platform &platform, QWidget *owner, const QUrl &url, const QString &missing)
{
    const QPointer<QWidget> laterOwner(owner);
    const auto tellLater = [&platform, laterOwner, missing] {
        tellUser(platform, laterOwner, missing);
    };
    if (!platform.openUrl(url, tellLater))
        tellUser(platform, owner, missing);
}

} // namespace

bool isAddress(const QString &target)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    // "C:" alone is no scheme, but nothing here runs on drive letters.
    return scheme.match(target).hasMatch() && !target.startsWith(QLatin1Char('/'));
}

void tellUser(Platform &platform, QWidget *owner, const QString &text)
{
    // The owner may be the hidden splash window; a box must not hide with it.
    QWidget *parent = owner && owner->isVisible() ? owner : nullptr;
    platform.information(parent, messageTitle(), text);
}

void openAddress(Platform &platform, QWidget *owner, const QString &address)
{
    const QUrl url(address, QUrl::TolerantMode);
    const bool mail = url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0;
    openOrTell(
        platform, owner, url,
        mail
            ? DesktopOpen::tr(
                  "No mail program is set up on this computer, so the message could not "
                  "be started.\n\nSet up a default mail program in your desktop's settings.")
            : DesktopOpen::tr("No web browser is set up on this computer, so %1 could not be "
                              "opened.\n\nSet up a default web browser in your desktop's settings.")
                  .arg(address));
}

void openLocalPath(Platform &platform, QWidget *owner, const QString &path)
{
    const QFileInfo target(path);
    if (!target.exists()) {
        tellUser(platform, owner,
                 DesktopOpen::tr(
                     "\"%1\" could not be found.\n\nCheck that the file is there and try again.")
                     .arg(path));
        return;
    }
    // A relative path would make a relative URL, which the desktop may read as an address.
    openOrTell(platform, owner, QUrl::fromLocalFile(target.absoluteFilePath()),
               target.isDir()
                   ? DesktopOpen::tr(
                         "No file manager is set up on this computer, so the folder \"%1\" could "
                         "not be opened.\n\nInstall a file manager, or set one up in your "
                         "desktop's settings.")
                         .arg(path)
                   : DesktopOpen::tr(
                         "No program on this computer can open \"%1\".\n\nInstall a program for "
                         "this kind of file, or set one up in your desktop's settings.")
                         .arg(path));
}
