// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontlistmodel.h"

#include <algorithm>

QString fontSortKey(const QString &name)
{
    return name.toCaseFolded();
}

namespace {

struct Entry {
    QString key;
    QString name;
};

// Names equal but for case keep a fixed order between them, so the list reads
// the same on every start.
bool entryLess(const Entry &a, const Entry &b)
{
    const int byKey = QString::compare(a.key, b.key, Qt::CaseSensitive);
    if (byKey != 0)
        return byKey < 0;
    return QString::compare(a.name, b.name, Qt::CaseSensitive) < 0;
}

std::vector<Entry> sortedEntries(const QStringList &names)
{
    std::vector<Entry> entries;
    entries.reserve(names.size());
    for (const QString &name : names)
        entries.push_back({fontSortKey(name), name});
    std::sort(entries.begin(), entries.end(), entryLess);
    return entries;
}

} // namespace

void sortFontNames(QStringList &names)
{
    const std::vector<Entry> entries = sortedEntries(names);
    for (qsizetype i = 0; i < names.size(); ++i)
        names[i] = entries[size_t(i)].name;
}

FontListModel::FontListModel(QObject *parent)
    : QAbstractListModel(parent)
{
}

void FontListModel::setNames(QStringList names)
{
    std::vector<Entry> entries = sortedEntries(names);
    beginResetModel();
    m_keys.clear();
    m_keys.reserve(entries.size());
    for (qsizetype i = 0; i < names.size(); ++i) {
        names[i] = std::move(entries[size_t(i)].name);
        m_keys.push_back(std::move(entries[size_t(i)].key));
    }
    m_names = std::move(names);
    endResetModel();
}

int FontListModel::findPrefix(const QString &text) const
{
    if (text.isEmpty())
        return -1;
    const QString key = fontSortKey(text);
    // Every key that begins with the searched key sorts at or after it, and
    // those keys stand together, so the first candidate is the answer.
    const auto found = std::lower_bound(
        m_keys.begin(), m_keys.end(), key, [](const QString &entry, const QString &wanted) {
            return QString::compare(entry, wanted, Qt::CaseSensitive) < 0;
        });
    if (found == m_keys.end() || !found->startsWith(key, Qt::CaseSensitive))
        return -1;
    return int(found - m_keys.begin());
}

int FontListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant FontListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return m_names.at(index.row());
    return {};
}
