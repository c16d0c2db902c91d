// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "fontbrowser.h"

#include "browse/editcommands.h"
#include "browse/fontlistmodel.h"
#include "browse/preview.h"
#include "platform/platform.h"
#include "toolkit/colours.h"
#include "toolkit/messagetitle.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>

FontBrowser::FontBrowser(Platform &platform, const Controls &controls, Preview &preview,
                         EditTarget &editing)
    : m_platform(platform)
    , m_controls(controls)
    , m_preview(preview)
    , m_editing(editing)
    , m_model(new FontListModel(QLocale::system().collation(), controls.list))
{
    QListView *list = m_controls.list;
    // Every row has the same height; without this the view measures each of
    // tens of thousands of names before it can draw.
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setModel(m_model);
}

void FontBrowser::readInstalledFonts()
{
    // The names are gathered first and sorted once: adding them one by one to a
    // sorted list costs time growing with the square of their number. The splash
    // stays painted because the reading yields to the event loop as it goes.
    const int count = m_platform.fontCount();
    QStringList names;
    names.reserve(count);
    QList<QStringList> otherNames;
    QElapsedTimer sinceYield;
    sinceYield.start();
    for (int i = 0; i < count; ++i) {
        names.append(m_platform.fontName(i));
        if (QStringList others = m_platform.fontOtherNames(i); !others.isEmpty()) {
            otherNames.resize(i);
            otherNames.append(std::move(others));
        }
        if (sinceYield.elapsed() >= 10) {
            QCoreApplication::processEvents();
            sinceYield.restart();
        }
    }
    QCoreApplication::processEvents();
    m_platform.loadCharacters(names.join(QString()));
    m_model->setNames(std::move(names), otherNames);
}

void FontBrowser::selectFirst()
{
    if (m_model->rowCount() > 0)
        m_controls.list->setCurrentIndex(m_model->index(0));
}

QString FontBrowser::selectedFont() const
{
    const QModelIndexList selected = m_controls.list->selectionModel()->selectedRows();
    return selected.isEmpty() ? QString() : m_model->name(selected.first().row());
}

void FontBrowser::showSelection()
{
    m_preview.showFont(selectedFont());
}

void FontBrowser::search()
{
    m_platform.loadCharacters(m_controls.search->text());
    findInList(m_controls.list, m_controls.search->text());
    m_preview.applySelectedSize();
}

void FontBrowser::findInList(QListView *list, const QString &text)
{
    auto *model = qobject_cast<FontListModel *>(list->model());
    if (!model)
        return;
    const int row = model->findPrefix(text);
    if (row < 0) {
        list->selectionModel()->clear();
        return;
    }
    const QModelIndex found = model->index(row);
    list->selectionModel()->setCurrentIndex(found, QItemSelectionModel::ClearAndSelect);
    list->scrollTo(found, QAbstractItemView::PositionAtTop);
}

void FontBrowser::clickIntoSearch()
{
    m_editing.chooseSearch();
    setTextColour(m_controls.search, Qt::black);
    if (m_controls.search->text() == placeholder())
        m_controls.search->setText(QString());
}

void FontBrowser::showCount()
{
    m_controls.count->setText(QString::number(m_model->rowCount()));
    m_controls.count->adjustSize();
}

void FontBrowser::copyFontName(QWidget *parent)
{
    QGuiApplication::clipboard()->setText(m_preview.fontName());
    m_platform.information(parent, messageTitle(), tr("Your selected font name has been copied."));
}

void FontBrowser::refresh()
{
    // The fonts are read once per run; a refresh only repaints them.
    m_controls.list->viewport()->update();
}
