// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "windows/composemail.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

enum Field { Address, Subject, Body, Cc, Bcc, Attachment, FieldCount };

using Fields = std::array<QString, FieldCount>;

// A NUL byte separates the fields: no typed text holds one, so every other byte,
// line breaks included, stays free for the fuzzer to put inside a field. Any
// further NULs belong to the attachment.
Fields splitFields(QByteArrayView input)
{
    Fields fields;
    int field = Address;
    qsizetype start = 0;
    for (qsizetype i = 0; i < input.size() && field < Attachment; ++i) {
        if (input[i] == '\0') {
            fields[field++] = QString::fromUtf8(input.sliced(start, i - start));
            start = i + 1;
        }
    }
    fields[field] = QString::fromUtf8(input.sliced(start));
    return fields;
}

[[noreturn]] void fail(const char *what, const Fields &fields, const QString &link)
{
    static constexpr const char *names[FieldCount] = {"address", "subject", "body",
                                                      "cc",      "bcc",     "attachment"};
    std::fprintf(stderr, "mail link: %s\n", what);
    for (int i = 0; i < FieldCount; ++i)
        std::fprintf(stderr, "  %-10s \"%s\"\n", names[i],
                     qUtf8Printable(QString::fromLatin1(fields[i].toUtf8().toPercentEncoding())));
    std::fprintf(stderr, "  link       \"%s\"\n",
                 qUtf8Printable(QString::fromLatin1(link.toUtf8().toPercentEncoding())));
    std::abort();
}

// What a mail program does with the four escapes the body is given. A "%" is
// never escaped, so a body that already holds one of these sequences reads as
// the character they stand for.
QString unescapeBody(const QString &text)
{
    static constexpr struct {
        const char *escape;
        char16_t character;
    } escapes[] = {{"%26", u'&'}, {"%20", u' '}, {"%0D", u'\r'}, {"%0A", u'\n'}};
    QString plain;
    for (qsizetype i = 0; i < text.size();) {
        bool replaced = false;
        for (const auto &e : escapes) {
            if (QStringView(text).sliced(i).startsWith(QLatin1StringView(e.escape))) {
                plain += QChar(e.character);
                i += 3;
                replaced = true;
                break;
            }
        }
        if (!replaced)
            plain += text[i++];
    }
    return plain;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fields f = splitFields(QByteArrayView(data, qsizetype(size)));
    const QString link =
        composeMailLink(f[Address], f[Subject], f[Body], f[Cc], f[Bcc], f[Attachment]);

    const QString start = QStringLiteral("mailto:") + f[Address];
    if (!link.startsWith(start))
        fail("does not start with mailto: and the address", f, link);
    const QString query = link.sliced(start.size());

    bool anyField = false;
    for (int i = Subject; i < FieldCount; ++i)
        anyField = anyField || !f[i].isEmpty();
    if (anyField != query.startsWith(QLatin1Char('?')))
        fail("a query is present when no field is given, or missing when one is", f, link);
    if (!anyField) {
        if (!query.isEmpty())
            fail("text after the address with every field empty", f, link);
        return 0;
    }

    // Every field but the body passes as it is, so the query is fixed around the
    // encoded body: the fields before it, then it, then the fields after it.
    QString before;
    if (!f[Subject].isEmpty())
        before += QStringLiteral("&Subject=") + f[Subject];
    if (!f[Body].isEmpty())
        before += QStringLiteral("&Body=");
    QString after;
    if (!f[Body].isEmpty())
        after += QStringLiteral("%0D%0A");
    if (!f[Cc].isEmpty())
        after += QStringLiteral("&CC=") + f[Cc];
    if (!f[Bcc].isEmpty())
        after += QStringLiteral("&BCC=") + f[Bcc];
    if (!f[Attachment].isEmpty())
        after += QStringLiteral("&Attacth=\"") + f[Attachment] + QLatin1Char('"');
    QString &first = before.isEmpty() ? after : before;
    first[0] = QLatin1Char('?');

    if (query.size() < before.size() + after.size() || !query.startsWith(before) ||
        !query.endsWith(after))
        fail("fields missing, changed or out of order", f, link);
    const QString body = query.sliced(before.size(), query.size() - before.size() - after.size());

    if (body.isEmpty() != f[Body].isEmpty())
        fail("the body is lost or invented", f, link);
    for (const QChar raw : {u'&', u' ', u'\r', u'\n'}) {
        if (body.contains(raw))
            fail("the body holds a character it must carry escaped", f, link);
    }
    // Unescaping the body given as well leaves it as it is unless it holds a typed
    // escape, which the mail program reads as the character, so the link must too.
    if (unescapeBody(body) != unescapeBody(f[Body]))
        fail("the body does not read back as it was given", f, link);

    // Line breaks may only reach the link through the fields that are not encoded.
    for (const QChar lineBreak : {u'\r', u'\n'}) {
        qsizetype carried = 0;
        for (int i = 0; i < FieldCount; ++i)
            carried += i == Body ? 0 : f[i].count(lineBreak);
        if (link.count(lineBreak) != carried)
            fail("a raw line break that no unencoded field carries", f, link);
    }
    return 0;
}
