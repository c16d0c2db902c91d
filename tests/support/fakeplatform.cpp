// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fakeplatform.h"

int FakePlatform::fontCount()
{
    return int(fonts.size());
}

QString FakePlatform::fontName(int index)
{
    if (onFontRead)
        onFontRead(index);
    return fonts.value(index);
}

QString FakePlatform::resolveFamily(const QString &face)
{
    resolvedFaces.append(face);
    return installedFaces.contains(face) ? face : fallbackFamily;
}

QString FakePlatform::documentPath(const QString &fileName)
{
    return program + QLatin1Char('/') + fileName;
}

QString FakePlatform::userName()
{
    ++userNameReads;
    return user;
}

bool FakePlatform::openUrl(const QUrl &url)
{
    opened.append(url);
    return openSucceeds;
}

bool FakePlatform::startDetached(const QString &programName, const QStringList &arguments)
{
    started.append({programName, arguments});
    return startSucceeds;
}

void FakePlatform::information(QWidget *, const QString &title, const QString &text)
{
    messages.append({title, text, false, false});
}

bool FakePlatform::askYesNo(QWidget *, const QString &title, const QString &text, bool yesIsDefault)
{
    messages.append({title, text, true, yesIsDefault});
    return answerYes;
}

QString FakePlatform::openFileName(QWidget *, const QStringList &filters)
{
    fileDialogFilters.append(filters);
    return std::exchange(nextFileName, QString());
}

std::optional<QColor> FakePlatform::chooseColor(QWidget *, const QColor &)
{
    ++colorDialogs;
    return std::exchange(nextColor, std::nullopt);
}
