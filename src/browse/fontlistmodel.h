// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

// The installed font names in ascending order without regard to case, with a
// prefix search that agrees with that order. The keys are folded once, so a
// keystroke costs a binary search, not a scan of the list.
class FontListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit FontListModel(QObject *parent = nullptr);

    // Replaces the entries; they are sorted here, whatever order they come in.
    void setNames(QStringList names);
    QString name(int row) const { return m_names.value(row); }

    // Row of the first entry that begins with text, compared without regard to
    // case; -1 for an empty or unmatched text.
    int findPrefix(const QString &text) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QStringList m_names;
    std::vector<QString> m_keys;
};

// The key the list is ordered by and searched with.
QString fontSortKey(const QString &name);
// Sorts names the way the font list shows them.
void sortFontNames(QStringList &names);
