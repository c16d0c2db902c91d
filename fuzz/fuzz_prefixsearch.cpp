// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "browse/fontlistmodel.h"

#include <QByteArrayView>
#include <QCollator>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Alphabets with letters made of two (Danish "aa", Slovak "ch"), with accents
// that count from the end (Canadian French), and the C locale.
const char *const Collations[] = {"en_US", "de_DE", "da_DK", "sk_SK",
                                  "fr_CA", "C",     "ja_JP", "sv_SE"};

// The first byte picks how the rest is read: odd for UTF-16 little-endian, so that
// lone surrogates and any code unit reach the search, even for UTF-8; its other
// bits pick the collation. The text is then split at line feeds: the first line
// is searched for, the others are names.
QStringList splitLines(QByteArrayView input)
{
    if (input.isEmpty())
        return {};
    const bool utf16 = input[0] & 1;
    input = input.sliced(1);
    QString text;
    if (utf16) {
        text.resize(input.size() / 2);
        for (qsizetype i = 0; i < text.size(); ++i)
            text[i] = QChar(char16_t(uint8_t(input[2 * i]) | uint8_t(input[2 * i + 1]) << 8));
    } else {
        text = QString::fromUtf8(input);
    }
    return text.split(QLatin1Char('\n'));
}

QString printable(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != QLatin1Char('\\'))
            shown += c;
        else
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return shown;
}

[[noreturn]] void fail(const char *what, const FontListModel &model, const QString &text)
{
    std::fprintf(stderr, "prefix search: %s\n  searched for \"%s\"\n", what,
                 qUtf8Printable(printable(text)));
    for (int row = 0; row < model.rowCount(); ++row)
        std::fprintf(stderr, "  %4d \"%s\"\n", row, qUtf8Printable(printable(model.name(row))));
    std::abort();
}

// The search as the list box does it: a scan from the top for the first entry
// that begins with the text, both folded.
int scanForPrefix(const QStringList &folded, const QString &text)
{
    if (text.isEmpty())
        return -1;
    const QString wanted = text.toCaseFolded();
    for (qsizetype row = 0; row < folded.size(); ++row) {
        if (folded[row].startsWith(wanted))
            return int(row);
    }
    return -1;
}

QString withoutHyphens(QString name)
{
    return name.remove(u'-').remove(u'\'');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QStringList names = splitLines(QByteArrayView(data, qsizetype(size)));
    const QString text = names.isEmpty() ? QString() : names.takeFirst();
    const QLocale collation(QString::fromLatin1(Collations[size > 0 ? data[0] >> 5 : 0]));

    FontListModel model(collation);
    model.setNames(names);
    if (model.rowCount() != names.size())
        fail("entries lost or added", model, text);

    QCollator collator(collation.language() == QLocale::C ? QLocale(QLocale::English) : collation);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QStringList shown;
    QStringList folded;
    for (int row = 0; row < model.rowCount(); ++row) {
        shown << model.name(row);
        folded << shown.last().toCaseFolded();
        // Keys, not compare(): that puts an empty text first, even before one
        // whose characters all count for nothing.
        if (row > 0 && collator.sortKey(withoutHyphens(shown[row - 1]))
                               .compare(collator.sortKey(withoutHyphens(shown[row]))) > 0)
            fail("the list is out of order", model, text);
    }
    QStringList given = names;
    QStringList kept = shown;
    std::sort(given.begin(), given.end());
    std::sort(kept.begin(), kept.end());
    if (given != kept)
        fail("the list does not hold the names it was given", model, text);
    FontListModel again(collation);
    std::reverse(given.begin(), given.end());
    again.setNames(given);
    for (int row = 0; row < model.rowCount(); ++row) {
        if (again.name(row) != shown[row])
            fail("the order depends on the order the names came in", model, text);
    }

    // Besides the text given, search for pieces of the first names in other cases,
    // since a prefix of an entry that is there is what a user mostly types.
    QStringList searches{text, text.toUpper(), text.toLower()};
    for (qsizetype i = 0; i < std::min<qsizetype>(names.size(), 8); ++i) {
        const QString &name = names[i];
        for (const QString &piece : {name, name.first(std::min<qsizetype>(name.size(), 1)),
                                     name.first(name.size() / 2), name.chopped(name.size() / 3)})
            searches << piece << piece.toUpper() << piece.toLower();
    }
    for (const QString &search : searches) {
        if (model.findPrefix(search) != scanForPrefix(folded, search))
            fail("the search and a scan of the list disagree", model, search);
    }
    return 0;
}
