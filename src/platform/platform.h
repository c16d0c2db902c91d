// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QMargins>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QUrl;
class QWidget;
class QWindow;

// Every system service the program touches goes through this interface, so the
// windows can be driven in tests with a fake and nothing else reaches for the system.
class Platform {
public:
    virtual ~Platform() = default;

    // Installed font families, exactly as the system reports them (unsorted):
    // a family's Light or Condensed faces under their own name where the font
    // names them apart ("DejaVu Sans Light"). Read by index so the caller can
    // yield to the event loop between names.
    virtual int fontCount() = 0;
    virtual QString fontName(int index) = 0;
    // The same font's names in other languages, which find it too.
    virtual QStringList fontOtherNames(int index)
    {
        Q_UNUSED(index);
        return {};
    }

    // The installed family the system would use for a face name the layout asks
    // for. Qt must never be handed a family that is not installed: its fallback
    // search for a missing family costs time growing with the square of the fonts.
    virtual QString resolveFamily(const QString &face) = 0;
    // Qt is shown only the families the windows use, never the whole collection
    // (see FontCatalog). A family is made ready here before it is previewed...
    virtual void loadFamily(const QString &family) = 0;
    // ...and text the program did not write itself (typed text, font names)
    // before it is shown, so each character some installed font has is drawn.
    // The user name, chosen file names and message texts that the platform
    // hands back or shows are made ready by the platform itself.
    virtual void loadCharacters(const QString &text) = 0;
    // Text Qt laid out keeps the glyphs it was shaped with. When fonts are
    // shown that such text may need (a face asked for late, the fonts for
    // characters no shown font has), the platform calls handler so that whoever
    // owns the windows has their text shaped again. A platform whose fonts
    // never change under Qt never calls it.
    virtual void setFontsChangedHandler(std::function<void()> handler) { Q_UNUSED(handler); }

    // True when another copy of the program already runs for this user.
    virtual bool anotherInstanceRunning() = 0;

    // What the system's font reading finds in a file: no face at all, only faces
    // that the user's font settings leave out of every font list (bitmap fonts,
    // on many desktops), or faces that the font list will show once installed.
    enum class FontFile { NoFont, Hidden, Listed };
    // Reads the file at path as an installed font would be read, without installing it.
    virtual FontFile readFontFile(const QString &path) = 0;

    // The folder under which the user's fonts folder lies, without a trailing
    // separator; empty when it cannot be determined.
    virtual QString windowsFolder() = 0;
    // The fonts folder's own name inside windowsFolder().
    virtual QString fontsFolderName() = 0;
    // The folder that holds the program file, without a trailing separator.
    virtual QString programFolder() = 0;
    // Full path of a document shipped with the program ("License Agreement.rtf").
    virtual QString documentPath(const QString &fileName) = 0;
    // The logged-on user's name; empty when none is available.
    virtual QString userName() = 0;

    // How placeFile() ended.
    enum class Placed { Done, NameTaken, Failed };
    // Gives the complete file at temporary, which lies in destination's folder,
    // the name destination. With replace the entry of that name is replaced itself
    // (a link there too, never the file it leads to); without, whatever has the
    // name is kept and NameTaken returned. error tells why on Failed.
    virtual Placed placeFile(const QString &temporary, const QString &destination, bool replace,
                             QString *error) = 0;

    // Hands a file, folder, web address or mail link to the desktop's default
    // handler and returns at once. False when nothing could take the request.
    // Whether a handler exists is often known only after returning: failedLater
    // then runs once, from the event loop, and never when the target opened.
    virtual bool openUrl(const QUrl &url, std::function<void()> failedLater) = 0;
    // Starts a program without waiting for it. False when it could not start.
    virtual bool startDetached(const QString &program, const QStringList &arguments) = 0;
    // The desktop's character map and region settings, as program plus arguments;
    // empty when this desktop has none.
    virtual QStringList characterMapCommand() = 0;
    virtual QStringList regionalSettingsCommand() = 0;

    virtual void information(QWidget *parent, const QString &title, const QString &text) = 0;
    // A Yes/No question with an information icon; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &text,
                          bool yesIsDefault) = 0;
    // Empty when the user cancelled. filters are Qt name filters ("Text (*.txt)").
    virtual QString openFileName(QWidget *parent, const QStringList &filters) = 0;
    // No value when the user cancelled.
    virtual std::optional<QColor> chooseColor(QWidget *parent, const QColor &initial) = 0;

    // The border and title bar the window manager will put around window, a
    // top-level window created but not yet shown: none where nothing frames it,
    // no value where the manager or compositor will not tell before the window
    // is shown and so places it itself.
    virtual std::optional<QMargins> windowFrame(QWindow *window) = 0;
    // Minimizes window, also where it shows no minimize button.
    virtual void minimizeWindow(QWindow *window) = 0;

    // Ends the process at once: no further handler runs, nothing is asked or saved.
    virtual void endProgram() = 0;
};

// The platform of the system the program is built for. Each system's folder
// under platform/ defines it, and CMake compiles only the running system's.
std::unique_ptr<Platform> makePlatform();
// Chooses the window system Qt is to use on this desktop. Runs before the
// application object is made, so before any platform exists.
void chooseWindowSystem();
