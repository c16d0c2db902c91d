// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/linux/fileplacing.h"
#include "platform/linux/fontfilereading.h"
#include "platform/platform.h"

#include <QList>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <functional>

// A platform that records what the program asks of the system and answers as the
// test says. Message boxes and dialogs return at once.
class FakePlatform : public Platform {
public:
    struct Message {
        QString title, text;
        bool question = false, yesIsDefault = false;
    };

    // What the system "has".
    QStringList fonts{"arial", "Courier New", "Batang"};
    // Called before each font name is handed out; a test can slow the reading.
    std::function<void(int)> onFontRead;
    // Face names the system has; others resolve to "DejaVu Sans".
    QStringList installedFaces{QStringLiteral("DejaVu Sans")};
    QString fallbackFamily = QStringLiteral("DejaVu Sans");
    QString windows = QStringLiteral("/nonexistent/share");
    QString program = QStringLiteral("/nonexistent/bin");
    QString user = QStringLiteral("Test User");
    bool otherInstance = false, openSucceeds = true, startSucceeds = true, answerYes = true;
    QStringList charMap{QStringLiteral("/usr/bin/gucharmap")};
    QStringList regional{QStringLiteral("/usr/bin/gnome-control-center"), QStringLiteral("region")};
    QString nextFileName;
    // What reading any file as a font finds; unset, the system's real reading.
    std::optional<FontFile> fontFile = FontFile::Listed;
    // Called before a copied file takes its name; a test can race the installer.
    std::function<void(const QString &destination)> beforePlacing;
    std::optional<QColor> nextColor;
    // The frame a window manager would draw around each window; none where it
    // would not tell.
    std::optional<QMargins> frame = QMargins();

    // What the program asked for; a request the system refused counts as not made.
    QList<QUrl> opened;
    QList<QStringList> started; // each the program, then its arguments
    QList<Message> messages;
    // How to report each accepted request as failed, as a desktop does that
    // finds no handler only after the call returned.
    QList<std::function<void()>> openFailures;
    int colorDialogs = 0, userNameReads = 0, endRequests = 0;
    QStringList resolvedFaces;

    // The requests in short, by kind: the messages, the addresses opened, the
    // programs started and the end.
    QString requests() const
    {
        QStringList said;
        for (const Message &message : messages)
            said << (message.question ? "ask " + message.title : "tell " + message.text);
        for (const QUrl &url : opened)
            said << "open " + url.toString(QUrl::FullyEncoded);
        for (const QStringList &command : started)
            said << "start " + command.join(u' ');
        if (endRequests > 0)
            said << QStringLiteral("end");
        return said.join(QStringLiteral("; "));
    }

    int fontCount() override { return int(fonts.size()); }
    QString fontName(int index) override
    {
        if (onFontRead)
            onFontRead(index);
        return fonts.value(index);
    }
    QString resolveFamily(const QString &face) override
    {
        resolvedFaces.append(face);
        return installedFaces.contains(face) ? face : fallbackFamily;
    }
    void loadFamily(const QString &) override {}
    void loadCharacters(const QString &) override {}
    bool anotherInstanceRunning() override { return otherInstance; }
    FontFile readFontFile(const QString &path) override
    {
        return fontFile ? *fontFile : FontFileReading::read(path);
    }
    QString windowsFolder() override { return windows; }
    QString fontsFolderName() override { return QStringLiteral("fonts"); }
    QString programFolder() override { return program; }
    QString documentPath(const QString &name) override { return program + u'/' + name; }
    QString userName() override
    {
        ++userNameReads;
        return user;
    }
    Placed placeFile(const QString &temporary, const QString &destination, bool replace,
                     QString *error) override
    {
        if (beforePlacing)
            beforePlacing(destination);
        return FilePlacing::place(temporary, destination, replace, error);
    }
    bool openUrl(const QUrl &url, std::function<void()> failedLater) override
    {
        if (openSucceeds) {
            opened.append(url);
            openFailures.append(std::move(failedLater));
        }
        return openSucceeds;
    }
    bool startDetached(const QString &name, const QStringList &arguments) override
    {
        if (startSucceeds)
            started.append(QStringList{name} + arguments);
        return startSucceeds;
    }
    QStringList characterMapCommand() override { return charMap; }
    QStringList regionalSettingsCommand() override { return regional; }
    void information(QWidget *, const QString &title, const QString &text) override
    {
        messages.append({title, text, false, false});
    }
    bool askYesNo(QWidget *, const QString &title, const QString &text, bool yesIsDefault) override
    {
        messages.append({title, text, true, yesIsDefault});
        return answerYes;
    }
    QString openFileName(QWidget *, const QStringList &) override
    {
        return std::exchange(nextFileName, QString());
    }
    std::optional<QColor> chooseColor(QWidget *, const QColor &) override
    {
        ++colorDialogs;
        return std::exchange(nextColor, std::nullopt);
    }
    std::optional<QMargins> windowFrame(QWindow *) override { return frame; }
    // A window system reports the new state back to the widget; offscreen Qt does not.
    void minimizeWindow(QWindow *window) override
    {
        QWidget *widget = QWidget::find(window->winId());
        widget->setWindowState(widget->windowState() | Qt::WindowMinimized);
    }
    void endProgram() override { ++endRequests; }
};
