// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "bitmapstrikes.h"

#include "fontconfigrules.h"

#include <QFile>
#include <QtEndian>

namespace {

quint32 bigEndian32(const QByteArray &data, qsizetype at)
{
    return qFromBigEndian<quint32>(data.constData() + at);
}

// Where a table starts in the file, or 0 when the file has none.
quint32 tableOffset(QFile &font, const char tag[4])
{
    const QByteArray header = font.read(12);
    if (header.size() < 12)
        return 0;
    const int tables = qFromBigEndian<quint16>(header.constData() + 4);
    const QByteArray directory = font.read(qint64(tables) * 16);
    for (qsizetype entry = 0; entry + 16 <= directory.size(); entry += 16) {
        if (directory.mid(entry, 4) == QByteArray(tag, 4))
            return bigEndian32(directory, entry + 8);
    }
    return 0;
}

} // namespace

QList<int> bitmapStrikes(const QString &file)
{
    QFile font(file);
    if (!font.open(QIODevice::ReadOnly))
        return {};
    const quint32 location = tableOffset(font, "EBLC");
    if (location == 0 || !font.seek(location))
        return {};
    // A version, a count, then one 48-byte record a strike, its vertical size
    // in its 46th byte.
    const QByteArray header = font.read(8);
    if (header.size() < 8)
        return {};
    const quint32 count = qMin<quint32>(bigEndian32(header, 4), 256);
    const QByteArray records = font.read(qint64(count) * 48);
    QList<int> sizes;
    for (qsizetype record = 0; record + 48 <= records.size(); record += 48)
        sizes.append(quint8(records.at(record + 45)));
    return sizes;
}

// Qt draws a face's bitmaps only where it does not smooth the text.
QByteArray drawnFromBitmaps(const QByteArray &path)
{
    QByteArray rules;
    for (const int pixels : bitmapStrikes(QFile::decodeName(path))) {
        rules += "<match target=\"font\"><test name=\"file\"><string>" + xmlEscaped(path) +
                 "</string></test><test name=\"pixelsize\" compare=\"more_eq\"><double>" +
                 QByteArray::number(pixels - 0.5) +
                 "</double></test><test name=\"pixelsize\" compare=\"less\"><double>" +
                 QByteArray::number(pixels + 0.5) +
                 "</double></test><edit name=\"antialias\" mode=\"assign\"><bool>false</bool>"
                 "</edit></match>";
    }
    return rules;
}
