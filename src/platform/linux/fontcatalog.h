// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QThread;
struct FaceGroup;
struct _FcCharSet;
struct _FcConfig;
struct _FcFontSet;
struct _FcPattern;

// The installed fonts, seen twice. fontconfig's whole collection says which
// families exist and which font can draw a character; Qt is shown only the
// families the windows use. For every character a widget's font lacks, Qt
// builds a fallback list and compares each of its entries with every family it
// knows: over a whole collection that costs seconds at 20,000 families, paid
// again for each script, style and size, while over a few dozen families it is
// nothing. Qt reads the fonts of fontconfig's current configuration, so that
// configuration is made to hold the shown fonts only; it must be in place
// before Qt lays out its first text, which is why the catalog is created on the
// first font question, after the splash is on the screen but before its texts.
class FontCatalog {
public:
    // privateFontFiles: fonts kept beside the system's own (not in fontconfig's
    // folders), offered under their family names when the system lacks them.
    explicit FontCatalog(const QStringList &privateFontFiles = {});
    ~FontCatalog();
    FontCatalog(const FontCatalog &) = delete;
    FontCatalog &operator=(const FontCatalog &) = delete;

    // Every installed style group (see FaceGroup), each name once, in no
    // particular order.
    const QStringList &families() const { return m_families; }
    // A group's names in other languages.
    QStringList otherNames(const QString &family) const { return m_otherNames.value(family); }
    // The family fontconfig draws a face name with ("Arial" may be drawn with
    // an installed metric-compatible family); it is shown to Qt.
    QString resolve(const QString &face);
    // Shows an installed group to Qt before it is previewed, under its name and
    // with its own faces alone. Only the latest few previewed groups stay shown.
    void loadFamily(const QString &family);
    // Makes sure Qt can draw every character of text that some installed font
    // has: the first time a shown font lacks one, the fonts the system prefers
    // for all characters are shown (see showPreferred).
    void loadCharacters(const QString &text);

    // Called when fonts were shown that text already laid out may need: a face
    // the windows asked for late, or the fonts for characters no shown font
    // has. Text keeps the glyphs it was shaped with until it is shaped again.
    void setFontsChangedHandler(std::function<void()> handler)
    {
        m_fontsChanged = std::move(handler);
    }

private:
    using Faces = QList<_FcPattern *>;

    void indexCollection();
    void addOtherNames(const FaceGroup &group);
    void prepareShownConfig(const QByteArray &ownRules);
    // Returns the rules the shown configuration needs to draw the file's faces.
    QByteArray addPrivateFont(const QString &file);
    _FcFontSet *preferenceOrder();
    void showPreferred(bool textsChanged);
    // Keeps faces shown; false when all already were. The caller publishes.
    bool show(const Faces &faces);
    bool showFamily(const QString &family, const Faces &faces);
    // Shows Qt the kept and previewed faces; textsChanged says whether text
    // already laid out may now be drawn differently.
    void publish(bool textsChanged);
    void makeQtReadFontsAgain();
    void fillShownSet();
    _FcPattern *asShown(_FcPattern *face, QHash<_FcPattern *, _FcPattern *> &shown);

    _FcConfig *m_all = nullptr;
    _FcConfig *m_shown = nullptr;
    QStringList m_families;
    QHash<QString, Faces> m_faces;
    QHash<QString, QStringList> m_otherNames;
    QHash<QString, Faces> m_privateFaces;
    QHash<QString, QString> m_resolved;

    // Shown for good: the windows' faces and the fonts preferred for characters.
    QList<_FcPattern *> m_kept;
    QSet<_FcPattern *> m_keptFaces;
    QSet<QString> m_keptFamilies;
    _FcCharSet *m_keptCharacters = nullptr;
    // Every installed face in the order the system prefers them, trimmed to
    // those that add characters. Sorting a whole collection takes a good part
    // of a second, so it starts with the catalog on a thread of its own; the
    // fonts are shown as soon as it is done, before anyone types a script the
    // windows lack, or at once when some text needs them earlier.
    std::unique_ptr<QThread> m_sorter;
    _FcFontSet *m_sorted = nullptr; // written by the sorter, read once it ends
    bool m_preferredShown = false;
    QSet<char32_t> m_undrawable;
    // Previewed families, oldest first.
    QList<QString> m_previewed;
    // Each shown face as Qt sees it: under its group's name alone, so that
    // Qt's family of that name holds the group's faces and no others.
    QHash<_FcPattern *, _FcPattern *> m_asShown;
    std::function<void()> m_fontsChanged;
};
