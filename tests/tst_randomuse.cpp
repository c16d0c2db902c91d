// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "browse/fontlistmodel.h"
#include "named.h"
#include "runningprogram.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Pieces of text a user may type: accents, CJK, emoji, right-to-left and control characters.
const QStringList Pieces{
    "é",  "ß", "İ", "ς",    "e\u0301", "字",   "かな", "한글",   "😀",      "👍🏽",
    "🇩🇪", "ש", "م", "\x01", "\x1b",    "\x7f", "\t",   "\u200b", "\ufeff", "👨‍👩‍👧"};

const QKeyCombination Keys[] = {
    Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,  Qt::Key_Right,           Qt::Key_Home,
    Qt::Key_End,       Qt::Key_Up,     Qt::Key_Down,  Qt::Key_PageDown,        Qt::Key_Tab,
    Qt::Key_Return,    Qt::Key_Escape, Qt::Key_Space, Qt::SHIFT | Qt::Key_Left};

QtMessageHandler chained = nullptr;

// Synthetic input that a disabled or indifferent widget ignores, and the offscreen
// platform's missing window stacking, are expected thousands of times.
void quiet(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && (message.endsWith(u"not accepted by receiving widget") ||
                                 message.startsWith(u"This plugin does not support")))
        return;
    chained(type, context, message);
}

// Types text the way a keyboard does, one character (a surrogate pair whole) at a time.
void typeText(QWidget *receiver, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); i += text.at(i).isHighSurrogate() ? 2 : 1)
        QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key_unknown,
                            text.mid(i, text.at(i).isHighSurrogate() ? 2 : 1), {});
}

// Plays a seeded stream of random user events on a running program's windows and,
// after every event, checks what must hold whatever the user did. The same seed
// always plays the same events, so a failure can be replayed from its seed.
class RandomSession : public QObject {
    static bool shown(const QWidget *window) { return window && window->isVisible(); }
    int below(int bound) { return int(m_random.bounded(quint32(bound))); }
    template <typename List> auto pick(const List &from)
    {
        return from[below(int(std::size(from)))];
    }

public:
    RandomSession(RunningProgram &program, quint64 seed)
        : m_program(program)
        , m_main(program.main)
        , m_seed(seed)
        , m_random(seed)
    {
        // The count is refreshed after every event rather than ten times a second, so the
        // rule about it can be checked after every event.
        named<QTimer>(m_main, "FontsNumberTimes")->setInterval(0);
        // Connected after the program's own handler, so this runs after the search.
        connect(named<QLineEdit>(m_main, "FontFind"), &QLineEdit::textChanged, this,
                [this] { m_searchDrives = true; });
        connect(fontList()->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [this] { m_searchDrives = false; });

        m_program.platform.windows = m_work.path() + "/windows";
        QDir().mkpath(m_program.platform.windows);
        // The installer copies bytes and never looks inside, so a sfnt header is enough
        // of a font; the rest are files a user picks by mistake, or that are gone.
        const QByteArray font = QByteArray("\x00\x01\x00\x00", 4) + QByteArray(4096, 'Z');
        const std::pair<QString, QByteArray> files[] = {
            {"Good 字体 😀.TTF", font}, {"notes.txt", "not a font"}, {"empty.ttf", {}}};
        for (const auto &[name, content] : files) {
            QFile file(m_work.path() + QLatin1Char('/') + name);
            if (file.open(QIODevice::WriteOnly))
                file.write(content);
            m_files.append(file.fileName());
        }
        m_files << m_work.path() + QStringLiteral("/missing.ttf") << m_program.platform.windows;
    }

    // Plays count events and stops at the first broken rule. Returns an empty text
    // when every rule held, else "seed N event K: <event>: <rule>".
    QString run(int count)
    {
        // The count is shown a moment after start-up.
        (void)QTest::qWaitFor([this] { return brokenRule().isEmpty(); }, 3000);
        chained = qInstallMessageHandler(quiet);
        QString failure;
        for (int event = 1; event <= count && failure.isEmpty(); ++event) {
            // The user brings a minimized window back from the taskbar.
            if (m_main->isMinimized())
                m_main->showNormal();
            const QString done = playOne();
            QCoreApplication::processEvents();
            if (const QString rule = brokenRule(); !rule.isEmpty())
                failure = QStringLiteral("seed %1 event %2: ").arg(m_seed).arg(event) + done +
                          QStringLiteral(": ") + rule;
        }
        qInstallMessageHandler(chained);
        return failure;
    }

private:
    QString playOne()
    {
        FakePlatform &platform = m_program.platform;
        // Whatever dialog the event brings up is answered or cancelled at random.
        platform.answerYes = below(2) == 0;
        platform.nextColor =
            below(3) == 0 ? std::nullopt : std::optional(QColor::fromRgb(m_random.generate()));
        platform.nextFileName = below(5) == 0 ? QString() : pick(m_files);

        const int kind = below(10);
        if (kind < 4) {
            // Any named control of a shown window, enabled or not.
            QWidget *window = m_main;
            for (QWidget *dialog :
                 {(QWidget *)m_main->aboutForm(), (QWidget *)m_main->feedbackForm()})
                window = shown(dialog) && below(4) != 0 ? dialog : window;
            QList<QWidget *> controls;
            for (QWidget *widget : window->findChildren<QWidget *>())
                if (widget->isVisible() && !widget->objectName().isEmpty() &&
                    !widget->objectName().startsWith(QLatin1String("qt_")) &&
                    !qobject_cast<QMenuBar *>(widget))
                    controls.append(widget);
            QWidget *control = pick(controls);
            auto *area = qobject_cast<QAbstractScrollArea *>(control);
            QWidget *target = area ? area->viewport() : control;
            QTest::mouseClick(
                target, Qt::LeftButton, {},
                QPoint(below(qMax(1, target->width())), below(qMax(1, target->height()))));
            return QStringLiteral("click ") + control->objectName();
        }
        if (kind < 6) {
            QWidget *box = kind == 4 ? named(m_main, "FontFind")
                                     : named<QPlainTextEdit>(m_main, "BigText")->viewport();
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, 4));
            const QString text = randomText();
            QWidget *receiver = QApplication::focusWidget() ? QApplication::focusWidget() : box;
            // Most often the user selects all first, so the new text replaces the old.
            if (below(3) != 0)
                QTest::keyClick(receiver, Qt::Key_A, Qt::ControlModifier);
            typeText(receiver, text);
            return QStringLiteral("type \"%1\" into %2").arg(text, receiver->objectName());
        }
        if (kind < 8) {
            QAction *item = pick(m_main->actions());
            // Menu commands by their shortcuts, other keys, or from the menu bar, which a
            // disabled window keeps shut.
            if (kind == 6) {
                QWidget *focus =
                    QApplication::focusWidget() ? QApplication::focusWidget() : m_main.data();
                const QKeyCombination key =
                    below(2) == 0 && !item->shortcut().isEmpty() ? item->shortcut()[0] : pick(Keys);
                QTest::keyClick(focus, key.key(), key.keyboardModifiers());
                return QStringLiteral("press %1 in %2")
                    .arg(QKeySequence(key).toString(), focus->objectName());
            }
            if (m_main->isEnabled())
                item->trigger();
            return QStringLiteral("menu ") + item->objectName();
        }
        auto *list = named<QAbstractItemView>(m_main, kind == 8 ? "FontList" : "Sizelist");
        const QModelIndex index =
            list->model()->index(below(qMax(1, list->model()->rowCount())), 0);
        list->scrollTo(index);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
        return QStringLiteral("click row %1 of %2").arg(index.row()).arg(list->objectName());
    }

    QString brokenRule() const
    {
        if (!m_main)
            return QStringLiteral("the main window is gone");
        const QString whichOne = named<QLineEdit>(m_main, "WhichOne")->text();
        if (whichOne != u"BigText" && whichOne != u"FontFind")
            return QStringLiteral("WhichOne holds ") + whichOne;
        const QFont font = named<QPlainTextEdit>(m_main, "BigText")->font();
        const bool on[] = {font.bold(), font.italic(), font.underline(), font.strikeOut()};
        const char *boxes[] = {"Bold", "Italic", "Underline", "Strikeout"};
        for (int style = 0; style < 4; ++style)
            if (on[style] != named<QCheckBox>(m_main, boxes[style])->isChecked())
                return QStringLiteral("the preview's style differs from ") + boxes[style];
        const QString count = named<QLabel>(m_main, "FontsNumber")->text();
        if (count != QString::number(fontList()->model()->rowCount()))
            return QStringLiteral("the count shows ") + count;
        if (m_main->isEnabled() == (shown(m_main->aboutForm()) || shown(m_main->feedbackForm())))
            return QStringLiteral("the main window's being enabled disagrees with the dialogs");
        const QModelIndexList selected = fontList()->selectionModel()->selectedRows();
        if (m_searchDrives && !selected.isEmpty() &&
            !fontSearchKey(selected.first().data().toString())
                 .startsWith(fontSearchKey(named<QLineEdit>(m_main, "FontFind")->text())))
            return QStringLiteral("the selection does not begin with the search text");
        return {};
    }

    QListView *fontList() const { return named<QListView>(m_main, "FontList"); }

    QString randomText()
    {
        QString text;
        const QAbstractItemModel *fonts = fontList()->model();
        if (below(2) == 0 && fonts->rowCount() > 0) {
            // Most searches should find something: the start of a listed name, in any case.
            text = fonts->index(below(fonts->rowCount()), 0).data().toString().left(1 + below(10));
            text = below(3) == 0 ? text.toUpper() : below(2) == 0 ? text.toLower() : text;
            if (!text.isEmpty() && text.back().isHighSurrogate())
                text.chop(1);
            return text;
        }
        for (int piece = 1 + below(6); piece > 0; --piece)
            text += below(2) == 0 ? QString(QChar(char16_t(0x20 + below(0x5f)))) : pick(Pieces);
        return text;
    }

    RunningProgram &m_program;
    QPointer<MainForm> m_main;
    quint64 m_seed;
    QRandomGenerator m_random;
    // Holds the files offered to the installer and the fonts folder.
    QTemporaryDir m_work;
    QStringList m_files;
    // Whether the list's selection was last set by the search box.
    bool m_searchDrives = false;
};

} // namespace

// Long random use of the real windows: whatever the user does, in whatever order,
// the rules that tie the controls together keep holding. GLYPHORY_SEED replays or
// explores another seed.
class TestRandomUse : public QObject {
    Q_OBJECT
private slots:
    void rulesHoldThroughRandomUse()
    {
        const quint64 seed = qEnvironmentVariable("GLYPHORY_SEED", "20260317").toULongLong();
        RunningProgram program;
        // Names that begin alike, differ only in case, or leave the Latin alphabet, so
        // that searches hit, miss and pick among neighbours.
        program.platform.fonts = {"Arial",       "arial",      "ARIAL Narrow", "Arial Black",
                                  "Courier New", "Batang",     "über",         "Ümlaut Sans",
                                  "Σίγμα",       "σίγμα Mono", "Straße",       "STRASSE",
                                  "İstanbul",    "中文字体",   "한글 고딕",    "שלום Sans",
                                  "عربي نسخ",    "😀 Emoji",    "e\u0301cole",  "école"};
        // Names a system may report however odd: empty, very long, reversed.
        program.platform.fonts << "" << QString(10000, u'A') << "\u202eLatin reversed";
        QVERIFY(program.start());

        RandomSession session(program, seed);
        const QString failure = session.run(20000);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
};

QTEST_MAIN(TestRandomUse)
#include "tst_randomuse.moc"
