// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "app/platform.h"

#include <QList>
#include <QUrl>

#include <functional>

// A platform that records what the program asks of the system and answers as the
// test says. Message boxes and dialogs return at once.
class FakePlatform : public Platform {
public:
    struct Message {
        QString title;
        QString text;
        bool question = false;
        bool yesIsDefault = false;
    };
    struct Started {
        QString program;
        QStringList arguments;
    };

    // What the system "has".
    QStringList fonts{QStringLiteral("arial"), QStringLiteral("Courier New"),
                      QStringLiteral("Batang")};
    // Called before each font name is handed out; a test can slow the reading.
    std::function<void(int)> onFontRead;
    // Face names the system has; others resolve to "DejaVu Sans".
    QStringList installedFaces{QStringLiteral("DejaVu Sans")};
    QString fallbackFamily = QStringLiteral("DejaVu Sans");
    bool otherInstance = false;
    QString windows = QStringLiteral("/nonexistent/share");
    QString program = QStringLiteral("/nonexistent/bin");
    QString user = QStringLiteral("Test User");
    bool openSucceeds = true;
    bool startSucceeds = true;
    QStringList charMap{QStringLiteral("/usr/bin/gucharmap")};
    QStringList regional{QStringLiteral("/usr/bin/gnome-control-center"), QStringLiteral("region")};
    bool answerYes = true;
    QString nextFileName;
    std::optional<QColor> nextColor;

    // What the program asked for.
    QList<QUrl> opened;
    QList<Started> started;
    QList<Message> messages;
    QList<QStringList> fileDialogFilters;
    int colorDialogs = 0;
    int userNameReads = 0;
    int endRequests = 0;
    QStringList resolvedFaces;
    QStringList loadedFamilies;
    QStringList loadedTexts;

    int fontCount() override;
    QString fontName(int index) override;
    QString resolveFamily(const QString &face) override;
    void loadFamily(const QString &family) override { loadedFamilies.append(family); }
    void loadCharacters(const QString &text) override { loadedTexts.append(text); }
    bool anotherInstanceRunning() override { return otherInstance; }
    QString windowsFolder() override { return windows; }
    QString fontsFolderName() override { return QStringLiteral("fonts"); }
    QString programFolder() override { return program; }
    QString documentPath(const QString &fileName) override;
    QString userName() override;
    bool openUrl(const QUrl &url) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    QStringList characterMapCommand() override { return charMap; }
    QStringList regionalSettingsCommand() override { return regional; }
    void information(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text,
                  bool yesIsDefault) override;
    QString openFileName(QWidget *parent, const QStringList &filters) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    void endProgram() override { ++endRequests; }
};
