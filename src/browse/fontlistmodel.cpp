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
    // would cost many times as much.
    const QCollator collator = listCollator(collation);
    struct Keyed {
        QCollatorSortKey key;
        int index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(size_t(names.size()));
    for (int index = 0; index < int(names.size()); ++index)
        keyed.push_back({collator.sortKey(withoutHyphens(names[index])), index});
    // Names the collation cannot tell apart keep a fixed order between them, so
    // the list reads the same on every start.
    std::sort(keyed.begin(), keyed.end(), [&names](const Keyed &a, const Keyed &b) {
        const int byKey = a.key.compare(b.key);
        if (byKey != 0)
            return byKey < 0;
        return QString::compare(names[a.index], names[b.index], Qt::CaseSensitive) < 0;
    });
    std::vector<int> order;
    order.reserve(keyed.size());
    for (const Keyed &entry : keyed)
        order.push_back(entry.index);
    return order;
}

// Folds an ASCII text in place; false, and text perhaps half folded, when it
// holds anything else.
bool foldedAscii(QChar *text, qsizetype size)
{
    for (QChar *c = text; c != text + size; ++c) {
        if (c->unicode() >= 0x80)
            return false;
        if (c->unicode() >= 'A' && c->unicode() <= 'Z')
            *c = QChar(c->unicode() + ('a' - 'A'));
    }
    return true;
}

// All names folded in one piece, and where each begins in it (one more for the
// end). Most names are plain ASCII, which is folded here in place: Qt's folding,
// a table lookup a character, would take a good part of the sort's time.
QString foldedTogether(const QStringList &names, std::vector<qsizetype> &starts)
{
    qsizetype length = 0;
    for (const QString &name : names)
        length += name.size();
    QString folded;
    folded.reserve(length);
    starts.clear();
    starts.reserve(size_t(names.size()) + 1);
    for (const QString &name : names) {
        const qsizetype start = folded.size();
        starts.push_back(start);
        folded += name;
        if (!foldedAscii(folded.data() + start, name.size())) {
            folded.truncate(start);
            folded += fontSearchKey(name);
        }
    }
    starts.push_back(folded.size());
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

void FontListModel::setNames(QStringList names)
{
    QStringList sorted;
    sorted.reserve(names.size());
    for (const int index : collatedOrder(names, m_collation))
        sorted.append(std::move(names[index]));
    beginResetModel();
    m_names = std::move(sorted);
    indexForSearch();
    endResetModel();
}

void FontListModel::indexForSearch()
{
    std::vector<qsizetype> starts;
    m_foldedNames = foldedTogether(m_names, starts);
    std::vector<Folded> folded;
    folded.reserve(size_t(m_names.size()));
    for (int row = 0; row < int(m_names.size()); ++row) {
        const QStringView key =
            QStringView(m_foldedNames)
                .sliced(starts[size_t(row)], starts[size_t(row) + 1] - starts[size_t(row)]);
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
