// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "desktopopen.h"

#include "platform/platform.h"
#include "toolkit/messagetitle.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <QWidget>

namespace {

// The context the messages below are translated in.
class DesktopOpen {
    Q_DECLARE_TR_FUNCTIONS(DesktopOpen)
};

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
    if (platform.openUrl(url))
        return;
    const bool mail = url.scheme().compare(QLatin1String("mailto"), Qt::CaseInsensitive) == 0;
    tellUser(platform, owner,
             mail ? DesktopOpen::tr(
                        "No mail program is set up on this computer, so the message could not "
                        "be started.\n\nSet up a default mail program in your desktop's settings.")
                  : DesktopOpen::tr(
                        "No web browser is set up on this computer, so %1 could not be "
                        "opened.\n\nSet up a default web browser in your desktop's settings.")
                        .arg(address));
}

void openLocalPath(Platform &platform, QWidget *owner, const QString &path)
{
    if (!QFileInfo::exists(path)) {
        tellUser(platform, owner,
                 DesktopOpen::tr(
                     "\"%1\" could not be found.\n\nCheck that the file is there and try again.")
                     .arg(path));
        return;
    }
    // A relative path would make a relative URL, which the desktop may read as an address.
    if (!platform.openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()))) {
        tellUser(
            platform, owner,
            DesktopOpen::tr("No program on this computer can open \"%1\".\n\nInstall a program for "
                            "this kind of file, or set one up in your desktop's settings.")
                .arg(path));
    }
}
