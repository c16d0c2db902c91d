// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "facegroups.h"

#include <QVarLengthArray>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// A face's family names with their languages, read once. A family value whose
// language fontconfig does not know (one a rule added) belongs to no language
// and so names no group.
struct Families {
    QVarLengthArray<const char *, 4> names;
    QVarLengthArray<const char *, 4> languages;

    explicit Families(FcPattern *face)
    {
        FcPatternIter at;
        FcValue value;
        if (FcPatternFindIter(face, &at, FC_FAMILY)) {
            for (int i = 0; FcPatternIterGetValue(face, &at, i, &value, nullptr) == FcResultMatch;
                 ++i)
                names.append(value.type == FcTypeString ? reinterpret_cast<const char *>(value.u.s)
                                                        : "");
        }
        languages.resize(names.size());
        std::fill(languages.begin(), languages.end(), "");
        // One name is the group's whatever its language.
        if (names.size() > 1) {
            if (FcPatternFindIter(face, &at, FC_FAMILYLANG)) {
                for (int i = 0; i < names.size() && FcPatternIterGetValue(face, &at, i, &value,
                                                                          nullptr) == FcResultMatch;
                     ++i) {
                    if (value.type == FcTypeString)
                        languages[i] = reinterpret_cast<const char *>(value.u.s);
                }
            }
        }
    }
};

bool isEnglish(const char *language)
{
    return std::strcmp(language, "en") == 0 || std::strncmp(language, "en-", 3) == 0;
}

// The group's name in one language. fontconfig lists a face's families by
// name ID (the typographic family before the one of the style group), so
// within a language the group's own is the last; a named instance is named
// from the typographic family, the first.
QString nameIn(const Families &families, const char *language,
               const std::optional<QString> &instance)
{
    qsizetype first = -1;
    qsizetype last = -1;
    for (qsizetype at = 0; at < families.names.size(); ++at) {
        if (std::strcmp(families.languages[at], language) == 0) {
            if (first < 0)
                first = at;
            last = at;
        }
    }
    if (first < 0)
        return {};
    if (!instance)
        return QString::fromUtf8(families.names[last]);
    const QString family = QString::fromUtf8(families.names[first]);
    return instance->isEmpty() ? family : family + u' ' + *instance;
}

// What a named instance's style adds to its family's name: the style without
// the words that choose among the four basic styles ("Semi Bold Italic" gives
// "Semi Bold", "Bold Italic" nothing).
QString instanceGroupSuffix(const QString &style)
{
    static const QStringList Basic{QStringLiteral("Regular"), QStringLiteral("Italic"),
                                   QStringLiteral("Oblique")};
    // "Bold" after one of these is a weight of its own ("Semi Bold").
    static const QStringList Degrees{QStringLiteral("Semi"), QStringLiteral("Demi"),
                                     QStringLiteral("Extra"), QStringLiteral("Ultra")};
    const QStringList words = style.split(u' ', Qt::SkipEmptyParts);
    QStringList kept;
    for (qsizetype at = 0; at < words.size(); ++at) {
        const QString &word = words[at];
        const bool plainBold = word.compare(u"Bold", Qt::CaseInsensitive) == 0 &&
                               (at == 0 || !Degrees.contains(words[at - 1], Qt::CaseInsensitive));
        if (!plainBold && !Basic.contains(word, Qt::CaseInsensitive))
            kept.append(word);
    }
    return kept.join(u' ');
}

// What a named instance of a variable font adds to its family's name; none for
// any other face.
std::optional<QString> instanceOf(FcPattern *face)
{
    int index = 0;
    if (FcPatternGetInteger(face, FC_INDEX, 0, &index) != FcResultMatch || (index >> 16) == 0)
        return std::nullopt;
    FcChar8 *style = nullptr;
    FcPatternGetString(face, FC_STYLE, 0, &style);
    return instanceGroupSuffix(
        QString::fromUtf8(style ? reinterpret_cast<const char *>(style) : ""));
}

} // namespace

FaceGroup faceGroupOf(FcPattern *face, bool withOtherNames)
{
    FcBool variable = FcFalse;
    if (FcPatternGetBool(face, FC_VARIABLE, 0, &variable) == FcResultMatch && variable)
        return {};
    const Families families(face);
    if (families.names.isEmpty())
        return {};
    const char *language = families.languages[0];
    for (qsizetype at = 0; at < families.names.size() && !isEnglish(language); ++at) {
        if (isEnglish(families.languages[at]))
            language = families.languages[at];
    }
    const std::optional<QString> instance = instanceOf(face);
    FaceGroup group{nameIn(families, language, instance), {}};
    if (!withOtherNames)
        return group;
    for (const char *other : families.languages) {
        if (std::strcmp(other, language) == 0 || !*other)
            continue;
        const QString name = nameIn(families, other, instance);
        if (name != group.name && !group.otherNames.contains(name))
            group.otherNames.append(name);
    }
    return group;
}
