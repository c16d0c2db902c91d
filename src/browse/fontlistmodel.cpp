// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontlistmodel.h"

#include <QCollator>

#include <algorithm>
#include <climits>
#include <numeric>

QString fontSearchKey(const QString &name)
{
    return name.toCaseFolded();
}

namespace {

QCollator listCollator(const QLocale &collation)
{
    // The C locale orders by code point, capitals before small letters; a user
    // who chose no language still reads the list by the alphabet.
    QCollator collator(collation.language() == QLocale::C ? QLocale(QLocale::English) : collation);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

// A sorted list box passes over hyphens and apostrophes, so "-x" stands beside
// "x"; blanks still count, which keeps the names of one family together.
QString withoutHyphens(const QString &name)
{
    if (!name.contains(u'-') && !name.contains(u'\''))
        return name;
    QString kept = name;
    return kept.remove(u'-').remove(u'\'');
}

std::vector<int> collatedOrder(const QStringList &names, const QLocale &collation)
{
    // One key a name, compared as bytes: collating pairs of names while sorting
    // would cost many times as much. The keys stay where they were made and
    // only their numbers are sorted, so freeing them walks memory in order.
    const QCollator collator = listCollator(collation);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(size_t(names.size()));
    for (const QString &name : names)
        keys.push_back(collator.sortKey(withoutHyphens(name)));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    // Names the collation cannot tell apart keep a fixed order between them, so
    // the list reads the same on every start.
    std::sort(order.begin(), order.end(), [&names, &keys](int a, int b) {
        const int byKey = keys[size_t(a)].compare(keys[size_t(b)]);
        if (byKey != 0)
            return byKey < 0;
        return QString::compare(names[a], names[b], Qt::CaseSensitive) < 0;
    });
    return order;
}

// Copies text to out folded for case, if it is plain ASCII; false otherwise.
bool copiedFoldedAscii(const QString &text, QChar *out)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
        *out++ = c.unicode() >= 'A' && c.unicode() <= 'Z' ? QChar(c.unicode() + ('a' - 'A')) : c;
    }
    return true;
}

// All names folded in one piece, and where each begins in it (one more for the
// end). Most names are plain ASCII, folded here as they are copied: a string
// a name and Qt's folding of each took a good share of the whole sort.
QString foldedTogether(const QStringList &names, std::vector<qsizetype> &starts)
{
    qsizetype length = 0;
    for (const QString &name : names)
        length += name.size();
    QString folded(length, Qt::Uninitialized);
    starts.clear();
    starts.reserve(size_t(names.size()) + 1);
    qsizetype start = 0;
    for (const QString &name : names) {
        starts.push_back(start);
        if (!copiedFoldedAscii(name, folded.data() + start)) {
            // Qt's folding keeps a text's length; should it not, the name is
            // kept as it is rather than lose its place in the piece.
            const QString key = fontSearchKey(name);
            const QString &kept = key.size() == name.size() ? key : name;
            std::copy(kept.begin(), kept.end(), folded.data() + start);
        }
        start += name.size();
    }
    starts.push_back(start);
    return folded;
}

struct Folded {
    quint64 head; // the first four code units, to settle most comparisons at once
    QStringView key;
    int row;
};

quint64 headOf(QStringView key)
{
    quint64 head = 0;
    for (qsizetype i = 0; i < 4; ++i)
        head = head << 16 | (i < key.size() ? key[i].unicode() : 0u);
    return head;
}

bool foldedLess(const Folded &a, const Folded &b)
{
    if (a.head != b.head)
        return a.head < b.head;
    const int byKey = a.key.compare(b.key, Qt::CaseSensitive);
    return byKey != 0 ? byKey < 0 : a.row < b.row;
}

} // namespace

FontListModel::FontListModel(const QLocale &collation, QObject *parent)
    : QAbstractListModel(parent)
    , m_collation(collation)
{
}

void FontListModel::setNames(QStringList names, const QList<QStringList> &otherNames)
{
    QStringList sorted;
    sorted.reserve(names.size());
    QStringList others;
    std::vector<int> otherRows;
    for (const int index : collatedOrder(names, m_collation)) {
        for (const QString &other : otherNames.value(index)) {
            others.append(other);
            otherRows.push_back(int(sorted.size()));
        }
        sorted.append(std::move(names[index]));
    }
    beginResetModel();
    m_names = std::move(sorted);
    indexForSearch(others, otherRows);
    endResetModel();
}

// Each name, and each other name, is a key that finds its row.
void FontListModel::indexForSearch(const QStringList &otherNames, const std::vector<int> &otherRows)
{
    std::vector<qsizetype> starts;
    m_foldedNames = foldedTogether(otherNames.isEmpty() ? m_names : m_names + otherNames, starts);
    std::vector<Folded> folded;
    const int keys = int(starts.size()) - 1;
    folded.reserve(size_t(keys));
    for (int at = 0; at < keys; ++at) {
        const QStringView key =
            QStringView(m_foldedNames)
                .sliced(starts[size_t(at)], starts[size_t(at) + 1] - starts[size_t(at)]);
        const int row = at < m_names.size() ? at : otherRows[size_t(at - m_names.size())];
        folded.push_back({headOf(key), key, row});
    }
    std::sort(folded.begin(), folded.end(), foldedLess);
    const size_t count = folded.size();
    m_folded.clear();
    m_folded.reserve(count);
    m_leastRow.assign(2 * count, INT_MAX);
    for (size_t i = 0; i < count; ++i) {
        m_folded.push_back(folded[i].key);
        m_leastRow[count + i] = folded[i].row;
    }
    for (size_t i = count; i-- > 1;)
        m_leastRow[i] = std::min(m_leastRow[2 * i], m_leastRow[2 * i + 1]);
}

// The least row of m_folded[from] to m_folded[to - 1], climbing the tree from
// both ends: a few steps, however many names begin with the text.
int FontListModel::leastRow(size_t from, size_t to) const
{
    int least = INT_MAX;
    for (from += m_folded.size(), to += m_folded.size(); from < to; from /= 2, to /= 2) {
        if (from & 1)
            least = std::min(least, m_leastRow[from++]);
        if (to & 1)
            least = std::min(least, m_leastRow[--to]);
    }
    return least;
}

int FontListModel::findPrefix(const QString &text) const
{
    if (text.isEmpty())
        return -1;
    const QString key = fontSearchKey(text);
    const auto first = std::lower_bound(m_folded.begin(), m_folded.end(), key,
                                        [](QStringView entry, const QString &wanted) {
                                            return entry.compare(wanted, Qt::CaseSensitive) < 0;
                                        });
    const auto last = std::partition_point(
        first, m_folded.end(), [&key](QStringView entry) { return entry.startsWith(key); });
    if (first == last)
        return -1;
    return leastRow(size_t(first - m_folded.begin()), size_t(last - m_folded.begin()));
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
