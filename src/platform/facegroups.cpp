// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "facegroups.h"

#include <fontconfig/fontconfig.h>

#include <cstring>
#include <optional>

namespace {

const char *stringOf(FcPattern *face, const char *object, int at)
{
    FcChar8 *value = nullptr;
    if (FcPatternGetString(face, object, at, &value) != FcResultMatch || !value)
        return nullptr;
    return reinterpret_cast<const char *>(value);
}

// A family value whose language fontconfig does not know (one a rule added)
// belongs to no language and so names no group.
const char *languageOf(FcPattern *face, int at)
{
    const char *language = stringOf(face, FC_FAMILYLANG, at);
    return language ? language : "";
}

bool isEnglish(const char *language)
{
    return std::strcmp(language, "en") == 0 || std::strncmp(language, "en-", 3) == 0;
}

bool sameLanguage(const char *a, const char *b)
{
    return std::strcmp(a, b) == 0;
}

// The group's name in one language. fontconfig lists a face's families by
// name ID (the typographic family before the one of the style group), so
// within a language the group's own is the last; a named instance is named
// from the typographic family, the first.
QString nameIn(FcPattern *face, int families, const char *language,
               const std::optional<QString> &instance)
{
    int first = -1;
    int last = -1;
    for (int at = 0; at < families; ++at) {
        if (sameLanguage(languageOf(face, at), language)) {
            if (first < 0)
                first = at;
            last = at;
        }
    }
    if (first < 0)
        return {};
    if (!instance)
        return QString::fromUtf8(stringOf(face, FC_FAMILY, last));
    const QString family = QString::fromUtf8(stringOf(face, FC_FAMILY, first));
    return instance->isEmpty() ? family : family + u' ' + *instance;
}

// What a named instance of a variable font adds to its family's name; none for
// any other face.
std::optional<QString> instanceOf(FcPattern *face)
{
    int index = 0;
    if (FcPatternGetInteger(face, FC_INDEX, 0, &index) != FcResultMatch || (index >> 16) == 0)
        return std::nullopt;
    const char *style = stringOf(face, FC_STYLE, 0);
    return instanceGroupSuffix(QString::fromUtf8(style ? style : ""));
}

} // namespace

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

FaceGroup faceGroupOf(FcPattern *face, bool withOtherNames)
{
    FcBool variable = FcFalse;
    if (FcPatternGetBool(face, FC_VARIABLE, 0, &variable) == FcResultMatch && variable)
        return {};
    int families = 0;
    while (stringOf(face, FC_FAMILY, families))
        ++families;
    if (families == 0)
        return {};
    const char *language = languageOf(face, 0);
    for (int at = 0; at < families && !isEnglish(language); ++at) {
        if (isEnglish(languageOf(face, at)))
            language = languageOf(face, at);
    }
    const std::optional<QString> instance = instanceOf(face);
    FaceGroup group{nameIn(face, families, language, instance), {}};
    if (!withOtherNames)
        return group;
    for (int at = 0; at < families; ++at) {
        const char *other = languageOf(face, at);
        if (sameLanguage(other, language) || !*other)
            continue;
        const QString name = nameIn(face, families, other, instance);
        if (name != group.name && !group.otherNames.contains(name))
            group.otherNames.append(name);
    }
    return group;
}
