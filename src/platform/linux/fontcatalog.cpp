// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontcatalog.h"

#include "bitmapstrikes.h"
#include "facegroups.h"
#include "fontconfigrules.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QThread>

#include <fontconfig/fontconfig.h>

#include <bitset>

namespace {

// Previewed families shown to Qt at a time, beside the windows' own fonts.
constexpr int PreviewedFamilies = 8;
// Qt looks at no more than 255 fallback fonts for a character, and beyond a
// few hundred its own fallback lists start to cost again.
constexpr int MostKeptFaces = 200;

// The group a face is shown in; a variable font's whole design space, which
// is no group's own, under its first family.
QString familyOf(FcPattern *pattern)
{
    if (QString group = faceGroupOf(pattern).name; !group.isEmpty())
        return group;
    FcChar8 *family = nullptr;
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) != FcResultMatch || !family)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char *>(family));
}

FcCharSet *charactersOf(FcPattern *pattern)
{
    FcCharSet *characters = nullptr;
    if (FcPatternGetCharSet(pattern, FC_CHARSET, 0, &characters) != FcResultMatch)
        return nullptr;
    return characters;
}

QString fileOf(FcPattern *pattern)
{
    FcChar8 *file = nullptr;
    if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch || !file)
        return {};
    return QFile::decodeName(reinterpret_cast<const char *>(file));
}

bool drawsNothing(char32_t character)
{
    // Controls and the zero-width marks shape into nothing; no font is needed.
    const QChar::Category category = QChar::category(character);
    return category == QChar::Other_Control || category == QChar::Other_Format ||
           category == QChar::Other_Surrogate || category == QChar::Other_NotAssigned;
}

// The system's own order for sans-serif text, kept to the faces that add
// characters to those before them: together they draw everything the
// collection can draw, and for any character the first that has it is the one
// fontconfig would pick.
FcFontSet *sortedForSansSerif(FcConfig *config)
{
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>("sans-serif"));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcFontSet *sorted = FcFontSort(config, pattern, FcTrue, nullptr, &result);
    FcPatternDestroy(pattern);
    return sorted;
}

} // namespace

FontCatalog::FontCatalog(const QStringList &privateFontFiles)
{
    m_all = FcInitLoadConfigAndFonts();
    if (m_all) {
        // fontconfig is safe to use from several threads, and the whole
        // collection is only read from here on. At the lowest priority the sort
        // takes only what the windows leave over; whoever needs its result
        // sooner waits for it at normal priority.
        m_sorter.reset(
            QThread::create([this, config = m_all] { m_sorted = sortedForSansSerif(config); }));
        // Nothing drawn before the fonts arrive lacked a character (that would
        // have shown them at once), so no text needs shaping again. The call is
        // queued to the thread that made the catalog and dropped with m_sorter.
        QObject::connect(m_sorter.get(), &QThread::finished, m_sorter.get(),
                         [this] { showPreferred(false); });
        m_sorter->start(QThread::IdlePriority);
    }
    m_keptCharacters = FcCharSetCreate();
    indexCollection();
    QByteArray rules;
    for (const QString &file : privateFontFiles)
        rules += addPrivateFont(file);
    prepareShownConfig(rules);
}

FontCatalog::~FontCatalog()
{
    if (m_sorter)
        m_sorter->wait();
    for (FcPattern *pattern : std::as_const(m_kept))
        FcPatternDestroy(pattern);
    for (const Faces &faces : std::as_const(m_privateFaces)) {
        for (FcPattern *pattern : faces)
            FcPatternDestroy(pattern);
    }
    for (FcPattern *pattern : std::as_const(m_asShown))
        FcPatternDestroy(pattern);
    if (m_sorted)
        FcFontSetDestroy(m_sorted);
    if (m_keptCharacters)
        FcCharSetDestroy(m_keptCharacters);
    // Qt destroys the current configuration, the shown one, itself.
    if (m_shown)
        FcConfigDestroy(m_shown);
    if (m_all)
        FcConfigDestroy(m_all);
}

void FontCatalog::indexCollection()
{
    if (!m_all)
        return;
    for (FcSetName which : {FcSetSystem, FcSetApplication}) {
        FcFontSet *set = FcConfigGetFonts(m_all, which);
        if (!set)
            continue;
        m_faces.reserve(m_faces.size() + set->nfont);
        m_families.reserve(m_families.size() + set->nfont);
        // The faces of a group mostly come one after another: the last group
        // is asked first, which spares most lookups in a hash of many names.
        // Its entry stays where it is until the next one is added.
        Faces *faces = nullptr;
        QString last;
        for (int i = 0; i < set->nfont; ++i) {
            const FaceGroup group = faceGroupOf(set->fonts[i], true);
            if (group.name.isEmpty())
                continue;
            if (!faces || group.name != last) {
                faces = &m_faces[group.name];
                if (faces->isEmpty())
                    m_families.append(group.name);
                last = group.name;
            }
            faces->append(set->fonts[i]);
            if (!group.otherNames.isEmpty())
                addOtherNames(group);
        }
    }
}

void FontCatalog::addOtherNames(const FaceGroup &group)
{
    QStringList &others = m_otherNames[group.name];
    for (const QString &name : group.otherNames) {
        if (!others.contains(name))
            others.append(name);
    }
}

// The shown configuration has the system's rules (aliases, hinting, the
// languages' preferred fonts) but none of its folders: it holds only the
// faces the catalog adds. It never rescans, so a font installed while the
// program runs cannot bring the whole collection back into Qt's view.
void FontCatalog::prepareShownConfig(const QByteArray &ownRules)
{
    m_shown = FcConfigCreate();
    if (!m_shown)
        return;
    loadSystemRules(m_shown, m_all ? m_all : m_shown, {}, ownRules + "<reset-dirs/>");
    FcConfigSetRescanInterval(m_shown, 0);
    // With no folders this builds an empty system set; without one, making the
    // configuration current would scan the system's folders after all.
    FcConfigBuildFonts(m_shown);
    FcConfigSetCurrent(m_shown);
}

QByteArray FontCatalog::addPrivateFont(const QString &file)
{
    const QByteArray path = QFile::encodeName(file);
    QByteArray rules;
    int count = 1;
    for (int index = 0; index < count; ++index) {
        FcPattern *pattern = FcFreeTypeQuery(reinterpret_cast<const FcChar8 *>(path.constData()),
                                             index, nullptr, &count);
        if (!pattern)
            break;
        const QString family = familyOf(pattern);
        if (family.isEmpty() || m_faces.contains(family)) {
            FcPatternDestroy(pattern);
            continue;
        }
        int weight = FC_WEIGHT_REGULAR;
        FcPatternGetInteger(pattern, FC_WEIGHT, 0, &weight);
        // Wine's bold Tahoma has the regular face's outlines, only spaced
        // wider: it is bold in the bitmaps it carries for the small sizes
        // alone, so there it is drawn from them, as the system it was made for
        // draws it.
        if (weight >= FC_WEIGHT_BOLD)
            rules += drawnFromBitmaps(path);
        m_privateFaces[family].append(pattern);
    }
    return rules;
}

QString FontCatalog::resolve(const QString &face)
{
    if (const auto known = m_resolved.constFind(face); known != m_resolved.constEnd())
        return *known;

    QString family = face;
    if (m_privateFaces.contains(face)) {
        if (showFamily(face, m_privateFaces.value(face)))
            publish(true);
    } else if (m_all) {
        FcPattern *pattern = FcPatternCreate();
        const QByteArray utf8 = face.toUtf8();
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(utf8.constData()));
        FcConfigSubstitute(m_all, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        if (FcPattern *match = FcFontMatch(m_all, pattern, &result)) {
            const QString matched = familyOf(match);
            if (!matched.isEmpty())
                family = matched;
            FcPatternDestroy(match);
        }
        FcPatternDestroy(pattern);
        if (showFamily(family, m_faces.value(family)))
            publish(true);
    }
    m_resolved.insert(face, family);
    return family;
}

bool FontCatalog::show(const Faces &faces)
{
    bool added = false;
    for (FcPattern *pattern : faces) {
        if (m_keptFaces.contains(pattern))
            continue;
        m_keptFaces.insert(pattern);
        FcPatternReference(pattern);
        m_kept.append(pattern);
        if (FcCharSet *characters = charactersOf(pattern))
            FcCharSetMerge(m_keptCharacters, characters, nullptr);
        added = true;
    }
    return added;
}

bool FontCatalog::showFamily(const QString &family, const Faces &faces)
{
    if (faces.isEmpty() || m_keptFamilies.contains(family))
        return false;
    m_keptFamilies.insert(family);
    m_previewed.removeAll(family);
    return show(faces);
}

void FontCatalog::loadFamily(const QString &family)
{
    if (m_keptFamilies.contains(family))
        return;
    if (const qsizetype at = m_previewed.indexOf(family); at >= 0) {
        m_previewed.move(at, m_previewed.size() - 1);
        return;
    }
    if (!m_faces.contains(family))
        return;
    m_previewed.append(family);
    while (m_previewed.size() > PreviewedFamilies)
        m_previewed.removeFirst();
    publish(false);
}

FcFontSet *FontCatalog::preferenceOrder()
{
    if (!m_sorter)
        return nullptr;
    if (m_sorter->isRunning())
        m_sorter->setPriority(QThread::NormalPriority);
    m_sorter->wait();
    return m_sorted;
}

// Shows the fonts the system prefers, in its order: whole families while the
// room left holds one face of every font still to come, then single faces (Qt
// makes up the bold and italic of a font used only for a few characters).
void FontCatalog::showPreferred(bool textsChanged)
{
    if (m_preferredShown)
        return;
    m_preferredShown = true;
    FcFontSet *order = preferenceOrder();
    bool added = false;
    for (int i = 0; order && i < order->nfont && m_kept.size() < MostKeptFaces; ++i) {
        const QString family = familyOf(order->fonts[i]);
        const Faces whole = m_faces.value(family);
        const qsizetype toCome = order->nfont - i - 1;
        if (!whole.isEmpty() && m_kept.size() + whole.size() + toCome <= MostKeptFaces)
            added |= showFamily(family, whole);
        else
            added |= show(Faces{order->fonts[i]});
    }
    if (added)
        publish(textsChanged);
}

void FontCatalog::loadCharacters(const QString &text)
{
    FcCharSet *wanted = nullptr;
    // The names of a whole collection come here at once, millions of
    // characters of a few hundred kinds: each kind is looked at once.
    std::bitset<0x10000> seen;
    for (qsizetype at = 0; at < text.size(); ++at) {
        char32_t character = text[at].unicode();
        if (QChar::isHighSurrogate(character) && at + 1 < text.size() &&
            text[at + 1].isLowSurrogate()) {
            ++at;
            character = QChar::surrogateToUcs4(char16_t(character), text[at].unicode());
        }
        if (character < seen.size()) {
            if (seen.test(character))
                continue;
            seen.set(character);
        }
        if (drawsNothing(character) || FcCharSetHasChar(m_keptCharacters, character) ||
            m_undrawable.contains(character))
            continue;
        if (!wanted)
            wanted = FcCharSetCreate();
        FcCharSetAddChar(wanted, character);
    }
    if (!wanted)
        return;
    showPreferred(true);
    // What is still missing no installed font has, or there was no room for
    // it: it is not looked for again.
    FcCharSet *missing = FcCharSetSubtract(wanted, m_keptCharacters);
    FcCharSetDestroy(wanted);
    if (!missing)
        return;
    FcChar32 map[FC_CHARSET_MAP_SIZE];
    FcChar32 next = 0;
    for (FcChar32 page = FcCharSetFirstPage(missing, map, &next); page != FC_CHARSET_DONE;
         page = FcCharSetNextPage(missing, map, &next)) {
        for (int word = 0; word < FC_CHARSET_MAP_SIZE; ++word) {
            for (int bit = 0; bit < 32; ++bit) {
                if (map[word] & (1u << bit))
                    m_undrawable.insert(page + FcChar32(word) * 32 + FcChar32(bit));
            }
        }
    }
    FcCharSetDestroy(missing);
}

void FontCatalog::publish(bool textsChanged)
{
    if (!m_shown)
        return;
    makeQtReadFontsAgain();
    fillShownSet();
    // Text already laid out keeps the glyphs it was given.
    if (textsChanged && m_fontsChanged)
        m_fontsChanged();
}

// Qt 6.4 has no call that says the fonts changed. Removing an application font
// is the one public call that makes it read its font list again and forget the
// fallback lists it keeps per family and script, so a harmless one is added
// and removed. That also empties the application fonts of the current
// configuration, where the shown faces live, so they are put back after.
void FontCatalog::makeQtReadFontsAgain()
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return;
    for (FcPattern *pattern : std::as_const(m_kept)) {
        const QString file = fileOf(pattern);
        if (!file.isEmpty() && QFontDatabase::addApplicationFont(file) >= 0) {
            QFontDatabase::removeAllApplicationFonts();
            return;
        }
    }
}

void FontCatalog::fillShownSet()
{
    FcConfigAppFontClear(m_shown);
    // Adding a file that is not there still leaves an empty set to fill.
    FcConfigAppFontAddFile(m_shown, reinterpret_cast<const FcChar8 *>("/dev/null/none"));
    FcFontSet *shown = FcConfigGetFonts(m_shown, FcSetApplication);
    if (!shown)
        return;
    QHash<FcPattern *, FcPattern *> copies;
    const auto add = [&](FcPattern *face) {
        FcPattern *pattern = asShown(face, copies);
        FcPatternReference(pattern);
        if (!FcFontSetAdd(shown, pattern))
            FcPatternDestroy(pattern);
    };
    for (FcPattern *pattern : std::as_const(m_kept))
        add(pattern);
    for (const QString &family : std::as_const(m_previewed)) {
        for (FcPattern *pattern : m_faces.value(family))
            add(pattern);
    }
    // Faces no longer shown let go of their copies.
    for (FcPattern *pattern : std::as_const(m_asShown))
        FcPatternDestroy(pattern);
    m_asShown = std::move(copies);
}

// Qt files a face under its first family, the typographic one, and takes the
// others for aliases of it (or, where the style names differ, for families of
// their own): "DejaVu Sans Light" would draw DejaVu Sans' Book, and "DejaVu
// Sans" would hold its Light and Condensed faces beside the Book. The copy Qt
// is shown has the group's name alone.
FcPattern *FontCatalog::asShown(FcPattern *face, QHash<FcPattern *, FcPattern *> &shown)
{
    if (FcPattern *copy = shown.value(face))
        return copy;
    FcPattern *copy = m_asShown.take(face);
    if (!copy) {
        copy = FcPatternDuplicate(face);
        const QByteArray name = familyOf(face).toUtf8();
        FcPatternDel(copy, FC_FAMILY);
        FcPatternDel(copy, FC_FAMILYLANG);
        FcPatternAddString(copy, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.constData()));
    }
    shown.insert(face, copy);
    return copy;
}
