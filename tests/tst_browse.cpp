// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "browse/editcommands.h"
#include "browse/fontbrowser.h"
#include "browse/fontlistmodel.h"
#include "browse/preview.h"
#include "fakeplatform.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTest>

namespace {

// The browsing classes on loose controls, wired as the main window wires them. The
// list holds Arial, Arial Black, Batang and Courier New; the size list shows 12.
struct Browsing {
    FakePlatform platform;
    QWidget window;
    QPlainTextEdit *text = new QPlainTextEdit(&window);
    QListWidget *sizes = new QListWidget(&window);
    QCheckBox *boxes[4] = {new QCheckBox(&window), new QCheckBox(&window), new QCheckBox(&window),
                           new QCheckBox(&window)};
    QListView *list = new QListView(&window);
    QLineEdit *search = new QLineEdit(QStringLiteral("Corvatek Software"), &window);
    QLabel *count = new QLabel(&window);
    QLineEdit *whichOne = new QLineEdit(&window);
    EditTarget editing{whichOne, text, search};
    Preview preview{platform, {text, sizes, boxes[0], boxes[1], boxes[2], boxes[3]}};
    FontBrowser fonts{platform, {list, search, count}, preview, editing};

    Browsing()
    {
        for (int size = 8; size <= 72; ++size)
            sizes->addItem(QString::number(size));
        sizes->setCurrentRow(4);
        platform.fonts = {"Courier New", "Arial Black", "Arial", "Batang"};
        fonts.readInstalledFonts();
        QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, &window,
                         [this] { fonts.showSelection(); });
        QObject::connect(search, &QLineEdit::textChanged, &window, [this] { fonts.search(); });
        for (int i = 0; i < 4; ++i)
            QObject::connect(boxes[i], &QCheckBox::stateChanged, &window,
                             [this, i] { preview.applyStyle(AllFaceStyles[i]); });
    }
    void select(int row) { list->setCurrentIndex(fonts.model()->index(row)); }
    // The preview's face and size, and the letters of the styles that are on.
    QString shown() const
    {
        const QFont font = text->font();
        return font.family() + u' ' + QString::number(font.pointSizeF()) +
               (font.bold() ? "B" : "") + (font.italic() ? "I" : "") +
               (font.underline() ? "U" : "") + (font.strikeOut() ? "S" : "");
    }
};

} // namespace

class TestBrowse : public QObject {
    Q_OBJECT
private slots:
    void orderAndSearchAgree_data()
    {
        QTest::addColumn<QString>("collation");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("sorted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        const auto row = [](const char *tag, const char *collation, const QStringList &names,
                            const char *sorted, const char *text, int row) {
            QTest::newRow(tag) << collation << names << sorted << text << row;
        };
        // "Arial Bold" sorts before Batang, but no name begins with it.
        row("between two names", "en_US", {"Courier New", "Batang", "Arial Black"},
            "Arial Black|Batang|Courier New", "Arial Bold", -1);
        // Letters with accents stand beside their own letter, a hyphen counts for
        // nothing; the search still wants the very letters typed.
        const QStringList accents{"Zapfino",    "Über Grotesk", "Ärger Sans", "-x",
                                  "Ægyptienne", "Arial",        "ARIAL"};
        const char *accentsSorted = "Ægyptienne|Ärger Sans|ARIAL|Arial|Über Grotesk|-x|Zapfino";
        row("accent", "en_US", accents, accentsSorted, "ä", 1);
        row("accented capital", "en_US", accents, accentsSorted, "Ä", 1);
        row("ligature", "en_US", accents, accentsSorted, "æG", 0);
        row("plain letter past accented ones", "en_US", accents, accentsSorted, "a", 2);
        row("plain letter, no such name", "en_US", accents, accentsSorted, "u", -1);
        row("accented word", "en_US", accents, accentsSorted, "üBER g", 4);
        row("hyphen", "en_US", accents, accentsSorted, "-", 5);
        row("letter after a hyphen", "en_US", accents, accentsSorted, "x", -1);
        row("final sigma", "el_GR", {"σίγμας", "Σ"}, "Σ|σίγμας", "ΣΊΓΜΑΣ", 1);
        // Folded, "ab-z" comes first; the list shows Abc first.
        row("hyphen inside", "en_US", {"Ab-z", "Abc"}, "Abc|Ab-z", "ab", 0);
        row("names equal but for case", "en_US", {"arial", "ARIAL", "Arial"}, "ARIAL|Arial|arial",
            "aRiAl", 0);
        // Where the alphabet ends differs between languages.
        const QStringList nordic{"Öl Sans", "Zeta", "Olive", "Aachen", "Abc"};
        row("swedish", "sv_SE", nordic, "Aachen|Abc|Olive|Zeta|Öl Sans", "ö", 4);
        row("danish double a typed", "da_DK", nordic, "Abc|Olive|Zeta|Öl Sans|Aachen", "AA", 4);
        row("no language chosen", "C", {"zeta", "Beta", "alpha", "Älpha"}, "alpha|Älpha|Beta|zeta",
            "ä", 1);
    }
    void orderAndSearchAgree()
    {
        QFETCH(QString, collation);
        QFETCH(QStringList, names);
        QFETCH(QString, text);
        FontListModel model{QLocale(collation)};
        model.setNames(names);
        QStringList shown;
        for (int i = 0; i < model.rowCount(); ++i)
            shown << model.name(i);
        QTEST(shown.join(u'|'), "sorted");
        QTEST(model.findPrefix(text), "row");
    }

    void otherNamesFindTheirEntry()
    {
        // The Greek names are not shown and sort apart from the Latin ones; each
        // finds its own entry, the first in the list's order where several do.
        FontListModel model{QLocale(QStringLiteral("en_US"))};
        model.setNames({"Zeta Sans", "Beta", "Alpha"}, {{"Ζήτα"}, {}, {"Άλφα", "Ζ"}});
        QCOMPARE(model.name(2), QStringLiteral("Zeta Sans"));
        QCOMPARE(model.findPrefix(QStringLiteral("ζή")), 2);
        QCOMPARE(model.findPrefix(QStringLiteral("ΆΛ")), 0);
        QCOMPARE(model.findPrefix(QStringLiteral("ζ")), 0);
        QCOMPARE(model.findPrefix(QStringLiteral("ω")), -1);
    }

    void searchSelectsAndThePreviewFollows()
    {
        // What the search selects is shown in the preview; finding nothing keeps Batang.
        for (const auto &[text, selected] : {std::pair{"ar", "Arial"}, {"x", ""}, {"", ""}}) {
            Browsing browsing;
            browsing.select(2);
            // A size chosen since the last selection applies too.
            browsing.sizes->setCurrentRow(12);
            browsing.search->setText(text);
            QCOMPARE(browsing.fonts.selectedFont(), selected);
            QCOMPARE(browsing.shown(), (*selected ? selected : "Batang") + QString(" 20"));
        }
        Browsing browsing;
        FontBrowser::findInList(browsing.list, QStringLiteral("ba"));
        QCOMPARE(browsing.fonts.selectedFont(), QStringLiteral("Batang"));
    }

    void checkedStylesSurviveANewFont()
    {
        for (const int style : {0, 1, 2, 3}) {
            const QString letter = QString(QLatin1String("BIUS").at(style));
            Browsing browsing;
            browsing.select(0);
            browsing.boxes[style]->setChecked(true);
            QCOMPARE(browsing.shown(), "Arial 12" + letter);
            // A new face gets every unchecked style switched off; the checked box's stays.
            QFont styled = browsing.text->font();
            for (auto set :
                 {&QFont::setBold, &QFont::setItalic, &QFont::setUnderline, &QFont::setStrikeOut})
                (styled.*set)(true);
            browsing.text->setFont(styled);
            browsing.select(2);
            QCOMPARE(browsing.shown(), "Batang 12" + letter);
            browsing.boxes[style]->setChecked(false);
            QCOMPARE(browsing.shown(), QStringLiteral("Batang 12"));
        }
    }

    void colourStylesAndTextAreIndependent()
    {
        Browsing browsing;
        const auto colour = [&] { return browsing.text->palette().color(QPalette::Text); };
        browsing.text->setPalette(QPalette(Qt::green));
        // A cancelled dialog keeps the colour confirmed last, black before any.
        browsing.preview.chooseColour(nullptr);
        QCOMPARE(colour(), QColor(Qt::black));
        browsing.platform.nextColor = QColor(200, 10, 20);
        browsing.preview.chooseColour(nullptr);
        browsing.preview.chooseColour(nullptr);
        QCOMPARE(colour(), QColor(200, 10, 20));
        QCOMPARE(browsing.platform.colorDialogs, 3);

        browsing.sizes->setCurrentRow(10);
        browsing.select(2);
        browsing.text->textCursor().insertText(QStringLiteral("sample"));
        for (QCheckBox *box : browsing.boxes)
            box->setChecked(true);
        QCOMPARE(browsing.shown(), QStringLiteral("Batang 18BIUS"));
        browsing.preview.resetStyles();
        QCOMPARE(browsing.shown(), QStringLiteral("Batang 18"));
        QVERIFY(!browsing.boxes[3]->isChecked());
        QCOMPARE(browsing.text->toPlainText(), QStringLiteral("sample"));
        browsing.preview.clearText();
        QCOMPARE(browsing.text->toPlainText(), QString());
        QCOMPARE(browsing.shown(), QStringLiteral("Batang 18"));
        QCOMPARE(colour(), QColor(200, 10, 20));
        // A "Clear All" can be taken back.
        browsing.text->undo();
        QCOMPARE(browsing.text->toPlainText(), QStringLiteral("sample"));
        // Characters the font lacks are not borrowed from other fonts.
        QVERIFY(browsing.text->font().styleStrategy() & QFont::NoFontMerging);
    }

    void countAndCopyFontName()
    {
        Browsing browsing;
        browsing.fonts.showCount();
        QCOMPARE(browsing.count->text(), QStringLiteral("4"));
        QCOMPARE(browsing.count->size(), browsing.count->sizeHint());
        // The name of the face the preview shows, even with nothing selected.
        browsing.select(2);
        browsing.search->setText(QStringLiteral("zzz"));
        browsing.fonts.copyFontName(nullptr);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Batang"));
        QCOMPARE(browsing.platform.requests(), "tell Your selected font name has been copied.");
        QCOMPARE(browsing.platform.messages[0].title, "Glyphory");
    }

    // A row is named "<what WhichOne holds> <command>". The preview starts as "[one] two",
    // its selection in brackets, or for "... nothing" with the caret at the end; the
    // search box as "arial[ b]" and the clipboard as "clip". The main window's test
    // runs each command on the preview.
    void editCommandsActOnTheTarget_data()
    {
        QTest::addColumn<QString>("boxes"); // the preview and the search box after
        QTest::addColumn<QString>("clipboard");
        const auto row = [](const char *tag, const char *boxes, const char *clipboard) {
            QTest::newRow(tag) << QString(boxes) << QString(clipboard);
        };
        row("BigText copy nothing", "one two|arial[ b]", "");
        row("BigText delete nothing", "one two|arial[ b]", "clip");
        row("FontFind cut", "[one] two|arial", " b");
        row("FontFind paste", "[one] two|arialclip", "clip");
        row("FontFind selectAll", "[one] two|[arial b]", "clip");
        row("FontFind undo", "[one] two|", "clip");
        // Before the load step names a box, WhichOne names neither.
        row("WhichOne delete", "[one] two|arial", "clip");
    }
    void editCommandsActOnTheTarget()
    {
        const QStringList tag = QString(QTest::currentDataTag()).split(u' ');
        Browsing browsing;
        browsing.text->insertPlainText(QStringLiteral("one two"));
        if (tag.size() == 2) {
            browsing.text->moveCursor(QTextCursor::Start);
            browsing.text->moveCursor(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
        }
        browsing.search->clear();
        browsing.search->insert(QStringLiteral("arial b"));
        browsing.search->setSelection(5, 2);
        QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
        browsing.whichOne->setText(tag[0]);

        const QHash<QString, void (*)(QWidget *)> commands{
            {"copy", EditCommands::copy},           {"cut", EditCommands::cut},
            {"paste", EditCommands::paste},         {"delete", EditCommands::deleteSelection},
            {"selectAll", EditCommands::selectAll}, {"undo", EditCommands::undo}};
        commands.value(tag[1])(browsing.editing.box());

        QString preview = browsing.text->toPlainText();
        const QTextCursor after = browsing.text->textCursor();
        if (after.hasSelection())
            preview.insert(after.selectionEnd(), u']').insert(after.selectionStart(), u'[');
        QString search = browsing.search->text();
        if (browsing.search->hasSelectedText())
            search.insert(browsing.search->selectionEnd(), u']')
                .insert(browsing.search->selectionStart(), u'[');
        QTEST(preview + u'|' + search, "boxes");
        QTEST(QGuiApplication::clipboard()->text(), "clipboard");
    }

    void clipboardTextOnly()
    {
        QPlainTextEdit box(QStringLiteral("keep"));
        box.selectAll();
        // Pasting with no text on the clipboard deletes the selection.
        auto *image = new QMimeData;
        image->setData(QStringLiteral("image/png"), QByteArray("not text"));
        QGuiApplication::clipboard()->setMimeData(image);
        EditCommands::paste(&box);
        QCOMPARE(box.toPlainText(), QString());
        // A selection across lines is copied with plain line breaks.
        box.setPlainText(QStringLiteral("a\nb"));
        box.selectAll();
        EditCommands::copy(&box);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\nb"));
    }
};

QTEST_MAIN(TestBrowse)
#include "tst_browse.moc"
