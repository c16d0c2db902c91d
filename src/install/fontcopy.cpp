// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontcopy.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>

namespace {

// Fonts run to several megabytes; a fixed buffer keeps the copy's memory flat.
constexpr qint64 chunkSize = 256 * 1024;
constexpr int answerEveryMs = 50;

QString readFailure(const QFile &source)
{
    return FontCopy::tr("\"%1\" could not be read (%2). Nothing in your fonts folder was changed.")
        .arg(QDir::toNativeSeparators(source.fileName()), source.errorString());
}

// A full disk first shows as a short write without an error; writing the rest
// then fails with the reason the user needs to see.
bool writeAll(QFileDevice &target, const char *data, qint64 size)
{
    for (qint64 written = 0; written < size;) {
        const qint64 step = target.write(data + written, size - written);
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

// A very large file takes seconds; meanwhile the windows repaint and answer the
// clipboard. Clicks and keys wait until the copy is done, so nothing can start a
// second install or end the program in the middle of this one.
void keepWindowsAnswering(QElapsedTimer &sinceLastTime)
{
    if (sinceLastTime.elapsed() < answerEveryMs)
        return;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    sinceLastTime.restart();
}

QString copyBytes(QFile &source, QFileDevice &target, const QString &destination)
{
    const qint64 expected = source.size();
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    qint64 copied = 0;
    // A source that keeps growing would otherwise be copied for ever.
    while (copied <= expected) {
        const qint64 got = source.read(chunk.data(), chunkSize);
        if (got < 0)
            return readFailure(source);
        if (got == 0)
            break;
        if (!writeAll(target, chunk.constData(), got))
            return FontCopy::writeFailure(destination, target.errorString());
        copied += got;
        keepWindowsAnswering(sinceEvents);
    }
    if (copied != expected) {
        return FontCopy::tr(
                   "\"%1\" changed while it was being copied. Nothing in your fonts folder was "
                   "changed.")
            .arg(QDir::toNativeSeparators(source.fileName()));
    }
    return {};
}

} // namespace

QString FontCopy::readFailure(const QString &source, const QString &error)
{
    return FontCopy::tr("\"%1\" could not be read (%2).")
        .arg(QDir::toNativeSeparators(source), error);
}

QString FontCopy::writeFailure(const QString &destination, const QString &error)
{
    return FontCopy::tr(
               "\"%1\" could not be written (%2). Nothing in your fonts folder was changed.")
        .arg(QDir::toNativeSeparators(destination), error);
}

QString FontCopy::copy(const QString &sourcePath, QTemporaryFile &copy, const QString &destination)
{
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return readFailure(sourcePath, source.errorString());
    if (!copy.open())
        return writeFailure(destination, copy.errorString());
    // A temporary file is private to its owner; an installed font is read like any other.
    copy.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    QString problem = copyBytes(source, copy, destination);
    if (problem.isEmpty() && !copy.flush())
        problem = writeFailure(destination, copy.errorString());
    copy.close();
    return problem;
}
