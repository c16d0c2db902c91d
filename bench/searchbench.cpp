// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT

// Times the font list's sort and prefix search alone, in process, over the
// families of one benchmark collection, in the user's collation. Prints one
// line of JSON so the runner can table it.
//
//     glyphory_searchbench FAMILIES.TXT

#include "browse/fontlistmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

namespace {

// One call takes well under a microsecond, below the clock's useful grain, so
// each prefix is searched many times over and the mean kept. The best of a few
// such batches is kept, since on a shared machine a batch can lose its core.
constexpr int kRepeats = 400;
constexpr int kBatches = 5;

double nanosPerSearch(const FontListModel &model, const QString &prefix, int &sink)
{
    double best = 0;
    for (int batch = 0; batch < kBatches; ++batch) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < kRepeats; ++i)
            sink += model.findPrefix(prefix);
        const double mean = double(timer.nsecsElapsed()) / kRepeats;
        if (batch == 0 || mean < best)
            best = mean;
    }
    return best;
}

double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// The best of a few sorts, by the clock and by the processor time of this
// thread, which another program on the machine disturbs less.
std::unique_ptr<FontListModel> sortedModel(const QStringList &names, double &wallMs, double &cpuMs)
{
    std::unique_ptr<FontListModel> model;
    for (int batch = 0; batch < kBatches; ++batch) {
        model = std::make_unique<FontListModel>(QLocale::system().collation());
        QElapsedTimer timer;
        timer.start();
        const double cpuStart = threadMilliseconds();
        model->setNames(names);
        const double cpu = threadMilliseconds() - cpuStart;
        const double wall = double(timer.nsecsElapsed()) / 1e6;
        if (batch == 0 || wall < wallMs)
            wallMs = wall;
        if (batch == 0 || cpu < cpuMs)
            cpuMs = cpu;
    }
    return model;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FAMILIES.TXT\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    QStringList names = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);

    double setNamesMs = 0;
    double setNamesCpuMs = 0;
    const std::unique_ptr<FontListModel> sorted = sortedModel(names, setNamesMs, setNamesCpuMs);
    const FontListModel &model = *sorted;

    // Every prefix of a spread of names, as typed one key at a time, plus
    // texts that match nothing and so run the search to its end.
    QStringList prefixes;
    const int rows = model.rowCount();
    const int step = std::max(1, rows / 200);
    for (int row = 0; row < rows; row += step) {
        const QString name = model.name(row);
        for (qsizetype len = 1; len <= name.size(); ++len)
            prefixes << name.left(len);
    }
    prefixes << model.name(rows - 1) << QStringLiteral("zzzzzzzzzz") << QStringLiteral("0")
             << QStringLiteral("\u00c5ngstr\u00f6m") << QStringLiteral("\u4e2d\u6587");

    int sink = 0;
    for (const QString &prefix : std::as_const(prefixes).mid(0, 50))
        nanosPerSearch(model, prefix, sink);

    std::vector<double> times;
    times.reserve(size_t(prefixes.size()));
    QString worstPrefix;
    double worst = 0;
    for (const QString &prefix : std::as_const(prefixes)) {
        const double ns = nanosPerSearch(model, prefix, sink);
        times.push_back(ns);
        if (ns > worst) {
            worst = ns;
            worstPrefix = prefix;
        }
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double p99 = times[std::min(times.size() - 1, times.size() * 99 / 100)];

    std::printf("{\"families\": %d, \"prefixes\": %lld, \"median_us\": %.4f, \"p99_us\": %.4f, "
                "\"worst_us\": %.4f, \"worst_prefix\": \"%s\", \"set_names_ms\": %.2f, "
                "\"set_names_cpu_ms\": %.2f, \"collation\": \"%s\", \"sink\": %d}\n",
                rows, static_cast<long long>(prefixes.size()), median / 1000, p99 / 1000,
                worst / 1000, worstPrefix.toUtf8().replace('"', "\\\"").constData(), setNamesMs,
                setNamesCpuMs, qPrintable(QLocale::system().collation().name()), sink & 1);
    return 0;
}
