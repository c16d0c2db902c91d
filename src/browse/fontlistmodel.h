// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QLocale>
#include <QStringList>

#include <vector>

// The installed font names in the user's alphabetical order without regard to
// case, with a prefix search for the first of them that begins with a text.
class FontListModel : public QAbstractListModel {
    Q_OBJECT
public:
    // collation: the locale whose alphabet orders the list; the program passes
    // the user's own.
    explicit FontListModel(const QLocale &collation, QObject *parent = nullptr);

    // Replaces the entries; they are sorted here, whatever order they come in.
    // otherNames[i], where there is one, holds more names that find names[i]
    // (the same font's names in other languages); they are not shown.
    void setNames(QStringList names, const QList<QStringList> &otherNames = {});
    QString name(int row) const { return m_names.value(row); }

    // Row of the first entry that begins with text, compared without regard to
    // case; -1 for an empty or unmatched text.
    int findPrefix(const QString &text) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void indexForSearch(const QStringList &otherNames, const std::vector<int> &otherRows);
    int leastRow(size_t from, size_t to) const;

    QLocale m_collation;
    QStringList m_names;
    QString m_foldedNames;
    // The names and the other names folded for case (in m_foldedNames) in
    // code-unit order, where all that begin with a text stand together; in the
    // list's own order they need not (an accent or a hyphen counts less than a
    // letter there)...
    std::vector<QStringView> m_folded;
    // ...so their least row is looked up in a tree over m_folded kept in one
    // array: m_leastRow[n + i] is the row of m_folded[i], and m_leastRow[i] the
    // lesser of m_leastRow[2 i] and m_leastRow[2 i + 1].
    std::vector<int> m_leastRow;
};

// The form in which names and searched texts are compared: folded for case.
QString fontSearchKey(const QString &name);
