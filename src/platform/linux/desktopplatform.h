// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "platform/linux/instancelock.h"
#include "platform/platform.h"

#include <memory>

class FontCatalog;

// The real desktop: fontconfig for fonts (through FontCatalog), the XDG folders, the desktop's
// default handlers and Qt's standard dialogs.
class DesktopPlatform : public Platform {
public:
    DesktopPlatform();
    ~DesktopPlatform() override;

    int fontCount() override;
    QString fontName(int index) override;
    QStringList fontOtherNames(int index) override;
    QString resolveFamily(const QString &face) override;
    void loadFamily(const QString &family) override;
    void loadCharacters(const QString &text) override;
    void setFontsChangedHandler(std::function<void()> handler) override;
    bool anotherInstanceRunning() override;
    FontFile readFontFile(const QString &path) override;
    QString windowsFolder() override;
    QString fontsFolderName() override;
    QString programFolder() override;
    QString documentPath(const QString &fileName) override;
    QString userName() override;
    Placed placeFile(const QString &temporary, const QString &destination, bool replace,
                     QString *error) override;
    bool openUrl(const QUrl &url, std::function<void()> failedLater) override;
    bool startDetached(const QString &program, const QStringList &arguments) override;
    QStringList characterMapCommand() override;
    QStringList regionalSettingsCommand() override;
    void information(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &text,
                  bool yesIsDefault) override;
    QString openFileName(QWidget *parent, const QStringList &filters) override;
    std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) override;
    std::optional<QMargins> windowFrame(QWindow *window) override;
    void minimizeWindow(QWindow *window) override;
    void endProgram() override;

protected:
    // The installed fonts, read on the first question about them.
    FontCatalog &fonts();

private:
    // Returns text after making its characters drawable in the windows.
    QString drawable(const QString &text);

    std::unique_ptr<FontCatalog> m_fonts;
    InstanceLock m_instanceLock;
    std::function<void()> m_fontsChanged;
};
