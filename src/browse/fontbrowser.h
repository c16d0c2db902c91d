// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

class EditTarget;
class FontListModel;
class Platform;
class Preview;
class QLabel;
class QLineEdit;
class QListView;
class QWidget;

// The font list with its search box and its count: the installed fonts in order,
// the preview following the selection, and the search selecting as the user types.
class FontBrowser {
    Q_DECLARE_TR_FUNCTIONS(FontBrowser)
public:
    struct Controls {
        QListView *list = nullptr;
        QLineEdit *search = nullptr;
        QLabel *count = nullptr;
    };

    // The list gets its model here, before anything else may select in it.
    FontBrowser(Platform &platform, const Controls &controls, Preview &preview,
                EditTarget &editing);

    FontListModel *model() const { return m_model; }

    // Fills the list with the installed fonts, once.
    void readInstalledFonts();
    void selectFirst();
    // The font selected in the list; empty when none is.
    QString selectedFont() const;

    // The preview follows the list's selection, however it changed.
    void showSelection();
    // Selects the first font that begins with the search box's text, and sets the
    // preview's size again.
    void search();
    // Selects the first entry of a font list that begins with text, compared without
    // regard to case, or clears the selection when none does or text is empty.
    static void findInList(QListView *list, const QString &text);
    // What the search box shows until the user first clicks into it.
    static QString placeholder() { return tr("Corvatek Software"); }
    // Only a click takes the placeholder away, and only the exact placeholder.
    void clickIntoSearch();

    void showCount();
    void copyFontName(QWidget *parent);
    void refresh();

private:
    Platform &m_platform;
    Controls m_controls;
    Preview &m_preview;
    EditTarget &m_editing;
    FontListModel *m_model;
};
