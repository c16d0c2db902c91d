// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "randomsession.h"

#include "app/mainform.h"
#include "runningprogram.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <cstring>
#include <unistd.h>

namespace {

// A crash leaves no test output behind, so the handler names the seed and the event
// itself; only async-signal-safe calls are allowed there.
char crashNote[160];

extern "C" void tellCrash(int signal)
{
    const ssize_t ignored = write(STDERR_FILENO, crashNote, strlen(crashNote));
    (void)ignored;
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void noteEvent(quint64 seed, int event)
{
    const QByteArray note =
        QStringLiteral("\ncrashed at seed %1 event %2\n").arg(seed).arg(event).toLatin1();
    qstrncpy(crashNote, note.constData(), sizeof crashNote);
}

const QStringList Accents{"é", "à", "ü", "ñ", "ç", "Å", "Ø",       "œ",
                          "ß", "ẞ", "İ", "ı", "Ω", "ς", "e\u0301", "a\u0308\u0323",
                          "Σ", "ǅ"};
const QStringList Cjk{"字", "体", "漢", "かな", "カナ", "한글", "中文字体", "明朝", "ゴシック"};
const QStringList Emoji{"😀", "👍🏽", "👨‍👩‍👧", "🇩🇪", "❤️", "🀄", "𝔄"};
const QStringList RightToLeft{"שלום", "مرحبا", "\u202eabc", "عربي"};
const QStringList ControlCharacters{"\x01",   "\x1b", "\x7f", "\u200b", "\u200d", "\ufeff",
                                    "\u2028", "\x08", "\x0b", "\u0085", "\ufffd"};

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *name;
};

const KeyPress PlainKeys[] = {
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Del"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::NoModifier, "End"},
    {Qt::Key_Up, Qt::NoModifier, "Up"},
    {Qt::Key_Down, Qt::NoModifier, "Down"},
    {Qt::Key_PageUp, Qt::NoModifier, "PageUp"},
    {Qt::Key_PageDown, Qt::NoModifier, "PageDown"},
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Return, Qt::NoModifier, "Return"},
    {Qt::Key_Escape, Qt::NoModifier, "Escape"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Left, Qt::ShiftModifier, "Shift+Left"},
    {Qt::Key_Home, Qt::ShiftModifier, "Shift+Home"},
    {Qt::Key_End, Qt::ShiftModifier, "Shift+End"},
    {Qt::Key_Left, Qt::ControlModifier, "Ctrl+Left"},
    {Qt::Key_Backspace, Qt::ControlModifier, "Ctrl+Backspace"},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
    {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z"},
    {Qt::Key_Insert, Qt::ShiftModifier, "Shift+Insert"},
    {Qt::Key_R, Qt::AltModifier, "Alt+R"},
    {Qt::Key_C, Qt::AltModifier, "Alt+C"},
    {Qt::Key_O, Qt::AltModifier, "Alt+O"},
};

const char *const MainClickables[] = {
    "Bold",     "Italic",     "Underline", "Strikeout",   "Cut",      "Copy",        "Paste",
    "Delete",   "UndoButton", "ClearText", "RemoveLabel", "Label5",   "Label7",      "Label15",
    "Label16",  "Label11",    "Label9",    "Label13",     "Command1", "Command2",    "Command3",
    "FontFind", "BigText",    "FontPath",  "Sizelist",    "FontList", "FontsNumber", "Label6",
};

const char *const AboutClickables[] = {"MinimizeToTray2", "About_License", "Label6", "UserName"};
const char *const FeedbackClickables[] = {"Image11", "Label6",  "Label4",
                                          "Label8",  "Label12", "Image1"};

QString describeWidget(const QWidget *widget)
{
    if (!widget)
        return QStringLiteral("nothing");
    const QString name = widget->objectName();
    return name.isEmpty() ? QString::fromLatin1(widget->metaObject()->className()) : name;
}

} // namespace

RandomSession::RandomSession(RunningProgram &program, quint64 seed, const QString &workFolder)
    : m_program(program)
    , m_main(program.main)
    , m_seed(seed)
    , m_random(seed)
    , m_work(workFolder)
    , m_trace(qEnvironmentVariableIsSet("GLYPHORY_TRACE"))
{
    const QAbstractItemModel *model = m_main->FontList->model();
    for (int row = 0; row < model->rowCount(); ++row)
        m_names.append(model->index(row, 0).data().toString());

    connect(m_main->FontFind, &QLineEdit::textChanged, this, [this] { m_textChanged = true; });
    connect(m_main->FontList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { m_selectionChanged = true; });

    m_program.platform.windows = m_work + QStringLiteral("/windows");
    QDir().mkpath(m_program.platform.windows);
    prepareFiles();
    buildActions();
}

RandomSession::~RandomSession() = default;

void RandomSession::prepareFiles()
{
    const auto write = [this](const QString &name, const QByteArray &content) {
        QFile file(m_work + QLatin1Char('/') + name);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return file.fileName();
    };
    // The installer copies bytes and never looks inside, so a sfnt header is enough
    // of a font; the other files are the kinds a user picks by mistake.
    QByteArray font("\x00\x01\x00\x00\x00\x04\x00\x80", 8);
    font.append(4096, '\x5a');
    m_offeredFiles = {
        write(QStringLiteral("Good Font.ttf"), font),
        write(QStringLiteral("other.OTF"), font),
        write(QStringLiteral("字体 😀 ünï.ttf"), font),
        write(QStringLiteral("notes.txt"), "not a font at all\n"),
        write(QStringLiteral("empty.ttf"), QByteArray()),
        m_work + QStringLiteral("/missing.ttf"),
        m_work + QStringLiteral("/windows"),
        m_work + QStringLiteral("/gone/deeper/font.pfm"),
    };
}

QWidget *RandomSession::mainChild(const QString &name) const
{
    if (name == QLatin1String("BigText"))
        return m_main->BigText->viewport();
    if (name == QLatin1String("FontList"))
        return m_main->FontList->viewport();
    if (name == QLatin1String("Sizelist"))
        return m_main->Sizelist->viewport();
    return m_main->findChild<QWidget *>(name);
}

QWidget *RandomSession::visibleWindowChild(QWidget *window, const QString &name) const
{
    if (!window || !window->isVisible())
        return nullptr;
    return window->findChild<QWidget *>(name);
}

bool RandomSession::aboutShown() const
{
    return m_main->aboutForm() && m_main->aboutForm()->isVisible();
}

bool RandomSession::feedbackShown() const
{
    return m_main->feedbackForm() && m_main->feedbackForm()->isVisible();
}

QString RandomSession::pick(const QStringList &from)
{
    return from.at(below(int(from.size())));
}

QString RandomSession::randomText()
{
    QString text;
    const int pieces = 1 + below(6);
    for (int i = 0; i < pieces; ++i) {
        switch (below(7)) {
        case 0:
        case 1:
            text += QChar(char16_t(0x20 + below(0x5f)));
            break;
        case 2:
            text += pick(Accents);
            break;
        case 3:
            text += pick(Cjk);
            break;
        case 4:
            text += pick(Emoji);
            break;
        case 5:
            text += pick(RightToLeft);
            break;
        default:
            text += pick(ControlCharacters);
            break;
        }
    }
    return text;
}

// Most searches should find something, so most typed texts begin a listed name,
// in a random case.
QString RandomSession::searchPrefix()
{
    if (m_names.isEmpty())
        return randomText();
    QString name = pick(m_names);
    qsizetype length = 1 + below(int(qMin<qsizetype>(name.size(), 12)) + 1);
    length = qMin(length, name.size());
    // A user cannot type half a character.
    if (length < name.size() && name.at(length - 1).isHighSurrogate())
        ++length;
    name.truncate(length);
    switch (below(3)) {
    case 0:
        return name.toUpper();
    case 1:
        return name.toLower();
    default:
        return name;
    }
}

QString RandomSession::typeInto(QWidget *box)
{
    QString done;
    QWidget *focusTarget = box == m_main->BigText->viewport() ? m_main->BigText : box;
    if (QApplication::focusWidget() != focusTarget) {
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, 4));
        done = QStringLiteral("click, then ");
    }
    const QString text = below(2) == 0 ? searchPrefix() : randomText();
    QWidget *receiver = QApplication::focusWidget();
    if (!receiver)
        return done + QStringLiteral("no focus to type \"%1\" into").arg(text);
    const int way = below(3);
    if (way == 0) {
        // An input method hands over whole words at once.
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(receiver, &commit);
        return done + QStringLiteral("input method \"%1\" into %2")
                          .arg(text.toHtmlEscaped(), describeWidget(receiver));
    }
    for (qsizetype i = 0; i < text.size();) {
        qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        const char16_t code = character.at(0).unicode();
        if (code >= 0x20 && code < 0x7f)
            QTest::keyClick(receiver, char(code));
        else
            QTest::sendKeyEvent(QTest::Click, receiver, Qt::Key_unknown, character, Qt::NoModifier);
        i += length;
    }
    return done + QStringLiteral("type \"%1\" into %2").arg(text, describeWidget(receiver));
}

QWidget *RandomSession::keyTarget() const
{
    QWidget *window = QApplication::activeWindow();
    if (!window)
        window = m_main;
    QWidget *focus = window->focusWidget();
    return focus ? focus : window;
}

QString RandomSession::pressKey(QWidget *target)
{
    QString keys;
    const int kind = below(3);
    if (kind == 0) {
        // The shortcut of a menu command.
        QList<QAction *> actions;
        for (QAction *action : m_main->actions()) {
            if (!action->shortcut().isEmpty())
                actions.append(action);
        }
        const QKeyCombination combination = actions.at(below(int(actions.size())))->shortcut()[0];
        keys = QKeySequence(combination).toString();
        m_listEvent = target == m_main->FontList;
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    } else {
        const KeyPress &press = PlainKeys[below(int(std::size(PlainKeys)))];
        keys = QString::fromLatin1(press.name);
        m_listEvent = target == m_main->FontList;
        QTest::keyClick(target, press.key, press.modifiers);
    }
    return QStringLiteral("press %1 in %2").arg(keys, describeWidget(target));
}

QString RandomSession::clickListRow()
{
    QListView *list = m_main->FontList;
    const int rows = list->model()->rowCount();
    if (rows == 0)
        return QString();
    const int row = below(rows);
    const QModelIndex index = list->model()->index(row, 0);
    list->scrollTo(index);
    const Qt::KeyboardModifiers modifiers =
        below(8) == 0 ? Qt::KeyboardModifiers(Qt::ControlModifier) : Qt::KeyboardModifiers();
    m_listEvent = true;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                      list->visualRect(index).center());
    return QStringLiteral("click font row %1%2").arg(row).arg(modifiers ? " with Ctrl" : "");
}

QString RandomSession::clickSizeRow()
{
    QListWidget *sizes = m_main->Sizelist;
    const int row = below(sizes->count());
    QListWidgetItem *item = sizes->item(row);
    sizes->scrollToItem(item);
    const Qt::KeyboardModifiers modifiers =
        below(8) == 0 ? Qt::KeyboardModifiers(Qt::ControlModifier) : Qt::KeyboardModifiers();
    QTest::mouseClick(sizes->viewport(), Qt::LeftButton, modifiers,
                      sizes->visualItemRect(item).center());
    return QStringLiteral("click size %1%2").arg(item->text(), modifiers ? " with Ctrl" : "");
}

QString RandomSession::chooseColour()
{
    FakePlatform &platform = m_program.platform;
    const bool confirm = below(3) != 0;
    const QColor offered = QColor::fromRgb(below(256), below(256), below(256));
    platform.nextColor = confirm ? std::optional<QColor>(offered) : std::nullopt;
    const int before = platform.colorDialogs;
    QTest::mouseClick(m_main->findChild<QWidget *>(QStringLiteral("ColorPick")), Qt::LeftButton);
    if (platform.colorDialogs != before && confirm)
        m_colour = offered;
    platform.nextColor.reset();
    return confirm ? QStringLiteral("pick colour %1").arg(offered.name())
                   : QStringLiteral("cancel the colour dialog");
}

QString RandomSession::browse()
{
    const bool cancel = below(5) == 0;
    m_program.platform.nextFileName = cancel ? QString() : pick(m_offeredFiles);
    const QString chosen = m_program.platform.nextFileName;
    QTest::mouseClick(m_main->findChild<QWidget *>(QStringLiteral("Label8")), Qt::LeftButton);
    m_program.platform.nextFileName.clear();
    return cancel ? QStringLiteral("cancel Browse..") : QStringLiteral("browse to %1").arg(chosen);
}

QString RandomSession::exitCommand(const QString &how, const std::function<void()> &run)
{
    const bool enabled = m_main->isEnabled();
    const int before = m_program.platform.endRequests;
    run();
    const int asked = m_program.platform.endRequests - before;
    // A disabled window takes no input, so only an enabled one can be left.
    if (asked != (enabled ? 1 : 0)) {
        return QStringLiteral("%1: FAILED the program was asked to end %2 times with the main "
                              "window %3")
            .arg(how)
            .arg(asked)
            .arg(enabled ? "enabled" : "disabled");
    }
    return how;
}

void RandomSession::buildActions()
{
    const auto add = [this](int weight, std::function<QString()> play) {
        m_actions.push_back({weight, std::move(play)});
        m_totalWeight += weight;
    };

    // Clicks on the main window's named controls, whether or not it is enabled: a
    // user can click a disabled window too.
    add(22, [this] {
        const QString name =
            QString::fromLatin1(MainClickables[below(int(std::size(MainClickables)))]);
        QWidget *control = mainChild(name);
        if (!control || !control->isVisible())
            return QString();
        m_program.platform.answerYes = below(2) == 0;
        m_listEvent = name == QLatin1String("FontList");
        const QPoint at(below(qMax(1, control->width())), below(qMax(1, control->height())));
        switch (below(8)) {
        case 0:
            QTest::mouseDClick(control, Qt::LeftButton, {}, at);
            return QStringLiteral("double-click %1").arg(name);
        case 1: {
            const Qt::MouseButton button = below(2) == 0 ? Qt::RightButton : Qt::MiddleButton;
            QTest::mouseClick(control, button, {}, at);
            return QStringLiteral("%1-click %2")
                .arg(button == Qt::RightButton ? "right" : "middle", name);
        }
        case 2: {
            // Dragging across a box selects part of its text.
            QTest::mousePress(control, Qt::LeftButton, {}, at);
            const QPoint to(below(qMax(1, control->width())), at.y());
            QTest::mouseMove(control, to);
            QTest::mouseRelease(control, Qt::LeftButton, {}, to);
            return QStringLiteral("drag across %1").arg(name);
        }
        default:
            QTest::mouseClick(control, Qt::LeftButton, {}, at);
            return QStringLiteral("click %1").arg(name);
        }
    });
    add(14, [this] { return typeInto(m_main->FontFind); });
    add(10, [this] { return typeInto(m_main->BigText->viewport()); });
    add(16, [this] { return pressKey(keyTarget()); });
    // Typing goes wherever the focus is, the font list and the check boxes included.
    add(4, [this] {
        QWidget *target = keyTarget();
        const QString text = below(2) == 0 ? searchPrefix() : randomText();
        m_listEvent = target == m_main->FontList;
        for (const QChar character : text) {
            if (character.unicode() >= 0x20 && character.unicode() < 0x7f)
                QTest::keyClick(target, char(character.unicode()));
        }
        return QStringLiteral("type the letters of \"%1\" into %2")
            .arg(text, describeWidget(target));
    });
    // Menu items are reached through the menu bar, which a disabled window keeps shut.
    add(12, [this] {
        if (!m_main->isEnabled())
            return QString();
        QList<QAction *> items;
        for (QAction *action : m_main->findChildren<QAction *>()) {
            if (!action->objectName().isEmpty() && !action->isSeparator() && !action->menu() &&
                action->objectName() != QLatin1String("Quit"))
                items.append(action);
        }
        QAction *item = items.at(below(int(items.size())));
        m_program.platform.answerYes = below(2) == 0;
        item->trigger();
        if (item->objectName() == QLatin1String("Minimize") && !m_main->isMinimized())
            return QStringLiteral("menu Minimize: FAILED the window is not minimized");
        return QStringLiteral("menu %1").arg(item->objectName());
    });
    add(6, [this] { return clickListRow(); });
    add(5, [this] { return clickSizeRow(); });
    add(3, [this] { return chooseColour(); });
    add(3, [this] { return browse(); });
    add(3, [this] {
        const bool install = below(2) == 0;
        m_program.platform.answerYes = below(2) == 0;
        QTest::mouseClick(m_main->findChild<QWidget *>(install ? QStringLiteral("Label9")
                                                               : QStringLiteral("Label11")),
                          Qt::LeftButton);
        return QStringLiteral("click %1 with %2")
            .arg(install ? "Install" : "Display", m_main->FontPath->text());
    });
    // The about and feedback windows: their controls while they are shown, and the
    // keys a dialog answers to.
    add(8, [this] {
        const bool about = below(2) == 0;
        QWidget *window = about ? static_cast<QWidget *>(m_main->aboutForm())
                                : static_cast<QWidget *>(m_main->feedbackForm());
        if (!window || !window->isVisible())
            return QString();
        if (below(4) == 0) {
            const Qt::Key key = below(2) == 0 ? Qt::Key_Escape : Qt::Key_Return;
            QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
            return QStringLiteral("press %1 in %2")
                .arg(key == Qt::Key_Escape ? "Escape" : "Return", window->objectName());
        }
        const QString name =
            about ? QString::fromLatin1(AboutClickables[below(int(std::size(AboutClickables)))])
                  : QString::fromLatin1(
                        FeedbackClickables[below(int(std::size(FeedbackClickables)))]);
        QWidget *control = visibleWindowChild(window, name);
        if (!control)
            return QString();
        m_program.platform.answerYes = below(2) == 0;
        QTest::mouseClick(control, Qt::LeftButton, {}, QPoint(3, 3));
        return QStringLiteral("click %1 in %2").arg(name, window->objectName());
    });
    // The user brings one of the shown windows to the front.
    add(2, [this] {
        QList<QWidget *> windows{m_main};
        if (aboutShown())
            windows.append(m_main->aboutForm());
        if (feedbackShown())
            windows.append(m_main->feedbackForm());
        QWidget *window = windows.at(below(int(windows.size())));
        window->raise();
        window->activateWindow();
        return QStringLiteral("bring %1 to the front").arg(window->objectName());
    });
    // Another program writes the clipboard.
    add(1, [this] {
        const QString text = below(4) == 0 ? QString() : randomText();
        if (text.isEmpty())
            QGuiApplication::clipboard()->clear();
        else
            QGuiApplication::clipboard()->setText(text);
        return QStringLiteral("clipboard set to \"%1\" elsewhere").arg(text);
    });
    add(1, [this] {
        switch (below(4)) {
        case 0:
            return exitCommand(QStringLiteral("click Exit Glyphory"), [this] {
                QTest::mouseClick(m_main->findChild<QWidget *>(QStringLiteral("Command4")),
                                  Qt::LeftButton);
            });
        case 1:
            if (!m_main->isEnabled())
                return QString();
            return exitCommand(QStringLiteral("menu Quit"), [this] {
                m_main->findChild<QAction *>(QStringLiteral("Quit"))->trigger();
            });
        case 2:
            if (!m_main->isEnabled())
                return QString();
            return exitCommand(QStringLiteral("close the main window"),
                               [this] { m_main->close(); });
        default:
            if (QApplication::activeWindow() != m_main)
                return QString();
            return exitCommand(
                QStringLiteral("press Alt+E in %1").arg(describeWidget(keyTarget())), [this] {
                    // A button's access key animates a click that lands later.
                    const int before = m_program.platform.endRequests;
                    QTest::keyClick(keyTarget(), Qt::Key_E, Qt::AltModifier);
                    if (!m_main->isEnabled())
                        return;
                    const bool ended = QTest::qWaitFor(
                        [&] { return m_program.platform.endRequests != before; }, 400);
                    Q_UNUSED(ended);
                });
        }
    });
}

void RandomSession::restoreMainWindow()
{
    // The user brings a minimized window back from the taskbar, and a fake ending
    // leaves the window closed though the program still runs.
    if (m_main->isMinimized() || !m_main->isVisible()) {
        m_main->showNormal();
        m_main->activateWindow();
        QCoreApplication::processEvents();
    }
}

QString RandomSession::playOne()
{
    for (;;) {
        int roll = below(m_totalWeight);
        for (const Action &action : m_actions) {
            if (roll < action.weight) {
                m_listEvent = false;
                m_textChanged = false;
                m_selectionChanged = false;
                const QString done = action.play();
                if (!done.isNull())
                    return done;
                break;
            }
            roll -= action.weight;
        }
    }
}

int RandomSession::selectedRow() const
{
    const QModelIndexList rows = m_main->FontList->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

int RandomSession::expectedSearchRow() const
{
    const QString text = m_main->FontFind->text();
    if (text.isEmpty())
        return -1;
    for (int row = 0; row < m_names.size(); ++row) {
        if (m_names.at(row).startsWith(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

bool RandomSession::expect(bool holds, const QString &rule, QString &failure)
{
    ++m_checks;
    if (!holds && failure.isEmpty())
        failure = rule;
    return holds;
}

QString RandomSession::checkInvariants(bool settle)
{
    QString failure;
    MainForm *main = m_main;
    if (!expect(main != nullptr, QStringLiteral("the main window is gone"), failure))
        return failure;

    const QString target = main->WhichOne->text();
    expect(target == QLatin1String("BigText") || target == QLatin1String("FontFind"),
           QStringLiteral("WhichOne holds \"%1\"").arg(target), failure);

    const QFont preview = main->BigText->font();
    const struct {
        const char *name;
        bool flag;
        const QCheckBox *box;
    } styles[] = {
        {"bold", preview.bold(), main->Bold},
        {"italic", preview.italic(), main->Italic},
        {"underline", preview.underline(), main->Underline},
        {"strike-out", preview.strikeOut(), main->Strikeout},
    };
    for (const auto &style : styles) {
        expect(style.flag == style.box->isChecked(),
               QStringLiteral("the preview's %1 is %2 but its box is %3")
                   .arg(style.name, style.flag ? "on" : "off",
                        style.box->isChecked() ? "checked" : "unchecked"),
               failure);
    }

    const bool shown = aboutShown() || feedbackShown();
    expect(main->isEnabled() == !shown,
           QStringLiteral("the main window is %1 while about is %2 and feedback is %3")
               .arg(main->isEnabled() ? "enabled" : "disabled", aboutShown() ? "shown" : "hidden",
                    feedbackShown() ? "shown" : "hidden"),
           failure);

    const QList<QListWidgetItem *> sizes = main->Sizelist->selectedItems();
    if (!sizes.isEmpty()) {
        expect(qFuzzyCompare(preview.pointSizeF(), qreal(sizes.first()->text().toFloat())),
               QStringLiteral("the preview is %1 points but size %2 is selected")
                   .arg(preview.pointSizeF())
                   .arg(sizes.first()->text()),
               failure);
    }

    const int selected = selectedRow();
    if (selected >= 0 && !m_names.value(selected).isEmpty()) {
        expect(preview.family() == m_names.value(selected),
               QStringLiteral("the preview shows \"%1\" but \"%2\" is selected")
                   .arg(preview.family().left(80), m_names.value(selected).left(80)),
               failure);
    }

    const QColor colour = main->BigText->palette().color(QPalette::Text);
    expect(colour == m_colour,
           QStringLiteral("the preview's colour is %1, the last confirmed %2")
               .arg(colour.name(), m_colour.name()),
           failure);

    // The list follows the search box unless the user picked in the list since.
    if (m_textChanged) {
        m_searchDrives = true;
    } else if (m_selectionChanged) {
        if (m_listEvent)
            m_searchDrives = false;
        else
            expect(false,
                   QStringLiteral("the list's selection changed, though neither the search box "
                                  "nor the list was used"),
                   failure);
    }
    if (m_searchDrives) {
        const QString text = main->FontFind->text();
        const int expected = expectedSearchRow();
        expect(selected == expected,
               QStringLiteral("search \"%1\" selects row %2 (\"%3\"), the first match is row %4")
                   .arg(text.left(80))
                   .arg(selected)
                   .arg(m_names.value(selected).left(80))
                   .arg(expected),
               failure);
        if (selected >= 0) {
            expect(m_names.value(selected).startsWith(text, Qt::CaseInsensitive),
                   QStringLiteral("the selection does not begin with the search text"), failure);
        }
    }

    expect(main->FontsNumberTimes->isActive(), QStringLiteral("the count timer stopped"), failure);
    if (settle) {
        const QString count = QString::number(m_names.size());
        const bool counted =
            QTest::qWaitFor([&] { return main->FontsNumber->text() == count; }, 2000);
        expect(counted,
               QStringLiteral("the count label shows \"%1\" for %2 fonts")
                   .arg(main->FontsNumber->text(), count),
               failure);
        const QAbstractItemModel *model = main->FontList->model();
        bool same = model->rowCount() == m_names.size();
        for (int row = 0; same && row < m_names.size(); ++row)
            same = model->index(row, 0).data().toString() == m_names.at(row);
        expect(same, QStringLiteral("the font list's entries changed"), failure);
    }
    return failure;
}

namespace {

QtMessageHandler previousHandler = nullptr;

// Synthetic input that a disabled window ignores, and the offscreen platform's
// missing window stacking, are expected thousands of times; anything else still shows.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg &&
        (message.endsWith(QLatin1String("not accepted by receiving widget")) ||
         message.startsWith(QLatin1String("This plugin does not support"))))
        return;
    previousHandler(type, context, message);
}

} // namespace

QString RandomSession::run(int count)
{
    previousHandler = qInstallMessageHandler(quietHandler);
    struct sigaction previous[2];
    struct sigaction handler = {};
    handler.sa_handler = tellCrash;
    sigaction(SIGSEGV, &handler, &previous[0]);
    sigaction(SIGABRT, &handler, &previous[1]);

    QString failure;
    for (int event = 1; event <= count && failure.isEmpty(); ++event) {
        noteEvent(m_seed, event);
        restoreMainWindow();
        QElapsedTimer took;
        took.start();
        QString done = playOne();
        m_events = event;
        if (m_trace)
            qInfo("event %d (%lld ms): %s", event, took.elapsed(), qPrintable(done));
        if (done.contains(QLatin1String("FAILED"))) {
            failure = QStringLiteral("seed %1 event %2: %3").arg(m_seed).arg(event).arg(done);
            break;
        }
        const bool settle = event % 1000 == 0 || event == count;
        const QString broken = checkInvariants(settle);
        if (!broken.isEmpty())
            failure =
                QStringLiteral("seed %1 event %2: %3: %4").arg(m_seed).arg(event).arg(done, broken);
        // The records of what the program asked for are not needed and would only grow.
        if (event % 500 == 0) {
            m_program.platform.opened.clear();
            m_program.platform.started.clear();
            m_program.platform.messages.clear();
            m_program.platform.fileDialogFilters.clear();
        }
    }

    sigaction(SIGSEGV, &previous[0], nullptr);
    sigaction(SIGABRT, &previous[1], nullptr);
    qInstallMessageHandler(previousHandler);
    return failure;
}
