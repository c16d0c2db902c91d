// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "composemail.h"

namespace {

QString encodeBody(QString body)
{
    body.replace(QLatin1Char('&'), QStringLiteral("%26"));
    body.replace(QLatin1Char(' '), QStringLiteral("%20"));
    body.replace(QStringLiteral("\r\n"), QStringLiteral("%0D%0A"));
    body.replace(QLatin1Char('\r'), QStringLiteral("%0D"));
    body.replace(QLatin1Char('\n'), QStringLiteral("%0A"));
    return body;
}

} // namespace

QString composeMailLink(const QString &address, const QString &subject, const QString &body,
                        const QString &cc, const QString &bcc, const QString &attachment)
{
    QString query;
    if (!subject.isEmpty())
        query += QStringLiteral("&Subject=") + subject;
    if (!body.isEmpty())
        query += QStringLiteral("&Body=") + encodeBody(body) + QStringLiteral("%0D%0A");
    if (!cc.isEmpty())
        query += QStringLiteral("&CC=") + cc;
    if (!bcc.isEmpty())
        query += QStringLiteral("&BCC=") + bcc;
    // Spelled "Attacth" on purpose: the links keep the form they have always had.
    if (!attachment.isEmpty())
        query += QStringLiteral("&Attacth=\"") + attachment + QLatin1Char('"');
    if (!query.isEmpty())
        query[0] = QLatin1Char('?');
    return QStringLiteral("mailto:") + address + query;
}
