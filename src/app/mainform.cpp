// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "mainform.h"

#include "app/loadstep.h"
#include "browse/editcommands.h"
#include "browse/fontbrowser.h"
#include "browse/preview.h"
#include "install/installerpanel.h"
#include "platform/platform.h"
#include "shell/extrascommands.h"
#include "shell/support.h"
#include "toolkit/pictures.h"
#include "toolkit/twips.h"
#include "toolkit/windowfonts.h"
#include "version.h"
#include "windows/helpwindows.h"

#include <QAction>
#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTimer>

#include <algorithm>

MainForm::MainForm(Platform &platform, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(platform)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(tr("Glyphory - Version %1").arg(QLatin1String(GLYPHORY_VERSION)));
    setWindowIcon(programIcon());
    // A fixed dialog border: no maximize or minimize button, but the system menu
    // and the close box stay, and the window keeps its taskbar button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFont(windowFont(platform));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(twips(13080), twips(8205));
    setCentralWidget(client);
    buildLayout();
    buildMenus();
    buildTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_editing = std::make_unique<EditTarget>(WhichOne, BigText, FontFind);
    m_preview = std::make_unique<Preview>(
        platform, Preview::Controls{BigText, Sizelist, Bold, Italic, Underline, Strikeout});
    m_fonts = std::make_unique<FontBrowser>(
        platform, FontBrowser::Controls{FontList, FontFind, FontsNumber}, *m_preview, *m_editing);
    connect(FontList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainForm::FontList_Click);
    m_installer = std::make_unique<InstallerPanel>(platform, this, FontPath);
    m_help = std::make_unique<HelpWindows>(platform, this);

    FontsNumberTimes = new QTimer(this);
    FontsNumberTimes->setObjectName(QStringLiteral("FontsNumberTimes"));
    FontsNumberTimes->setInterval(100);
    connect(FontsNumberTimes, &QTimer::timeout, this, &MainForm::FontsNumberTimes_Timer);
    FontsNumberTimes->start();
}

MainForm::~MainForm() = default;

namespace {

// The keypad's keys count as their twins on the main keyboard, as they do for the
// shortcuts themselves: the keypad's Delete is the Delete command too.
bool isMenuShortcut(const QList<QAction *> &commands, const QKeyEvent *key)
{
    const QKeySequence pressed(key->keyCombination().toCombined() & ~Qt::KeypadModifier);
    return std::any_of(commands.cbegin(), commands.cend(), [&pressed](const QAction *action) {
        return !action->shortcut().isEmpty() && action->shortcut() == pressed;
    });
}

// A line edit selects its whole text when Tab brings the focus and drops its
// selection when Tab takes the focus away. The search box does neither: what is
// typed after Tab joins the text it holds, caret at the end, and a toolbar image
// reached with Tab still finds the selection to act on. The box is handed the
// focus change as one made for another reason, which it takes without either.
bool passTabFocusKeepingText(QLineEdit *box, const QFocusEvent *event)
{
    if (event->reason() != Qt::TabFocusReason && event->reason() != Qt::BacktabFocusReason)
        return false;
    const bool entering = event->type() == QEvent::FocusIn;
    QFocusEvent untabbed(event->type(),
                         entering ? Qt::OtherFocusReason : Qt::ActiveWindowFocusReason);
    static_cast<QObject *>(box)->event(&untabbed);
    if (entering)
        box->end(false);
    return true;
}

} // namespace

// Menu shortcuts win over the text boxes' own editing keys (Ctrl+Z, Ctrl+A, Del
// and the rest): the box is told the key is not its own, so the window's command
// runs on the edit target instead. Entering or clicking the two editable boxes
// names the edit target.
bool MainForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (isMenuShortcut(m_commands, static_cast<QKeyEvent *>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::FocusIn:
        noteFocus(watched);
        [[fallthrough]];
    case QEvent::FocusOut:
        if (watched == FontFind)
            return passTabFocusKeepingText(FontFind, static_cast<QFocusEvent *>(event));
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        // A file dragged over a text box is one to install, never text to paste.
        if (m_installer->takeDrop(static_cast<QDropEvent *>(event)))
            return true;
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            noteClick(watched);
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::noteFocus(const QObject *box)
{
    if (box == FontFind)
        FontFind_GotFocus();
    else if (box == BigText)
        BigText_GotFocus();
}

void MainForm::noteClick(const QObject *box)
{
    if (box == FontFind)
        FontFind_Click();
    else if (box == BigText->viewport())
        BigText_Click();
}

void MainForm::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_platform.endProgram();
}

QString MainForm::selectedFont() const
{
    return m_fonts->selectedFont();
}

AboutForm *MainForm::aboutForm() const
{
    return m_help->aboutForm();
}

ForGlyphory *MainForm::feedbackForm() const
{
    return m_help->feedbackForm();
}

Preview &MainForm::preview() const
{
    return *m_preview;
}

void MainForm::Form_Load()
{
    runLoadStep(m_platform, *m_editing, *m_fonts, *m_preview, WindowsPath);
}

void MainForm::Quit_Click()
{
    m_platform.endProgram();
}
void MainForm::Command4_Click()
{
    m_platform.endProgram();
}
void MainForm::Image9_Click()
{
    m_platform.endProgram();
}
void MainForm::Minimize_Click()
{
    m_platform.minimizeWindow(windowHandle());
}
void MainForm::Image8_Click()
{
    m_platform.minimizeWindow(windowHandle());
}

void MainForm::FontList_Click()
{
    m_fonts->showSelection();
}
void MainForm::FontFind_GotFocus()
{
    m_editing->chooseSearch();
}
void MainForm::FontFind_Click()
{
    m_fonts->clickIntoSearch();
}
void MainForm::FontFind_Change()
{
    m_fonts->search();
}
void MainForm::FontsNumberTimes_Timer()
{
    m_fonts->showCount();
}
void MainForm::Command1_Click()
{
    m_fonts->copyFontName(this);
}
void MainForm::Command2_Click()
{
    m_fonts->refresh();
}
void MainForm::RefreshLisr_Click()
{
    m_fonts->refresh();
}

void MainForm::Sizelist_Click()
{
    m_preview->applySelectedSize();
}
void MainForm::Bold_Click()
{
    m_preview->applyStyle(FaceStyle::Bold);
}
void MainForm::Italic_Click()
{
    m_preview->applyStyle(FaceStyle::Italic);
}
void MainForm::Underline_Click()
{
    m_preview->applyStyle(FaceStyle::Underline);
}
void MainForm::Strikeout_Click()
{
    m_preview->applyStyle(FaceStyle::StrikeOut);
}
void MainForm::ColorPick_Click()
{
    m_preview->chooseColour(this);
}
void MainForm::RemoveEffects_Click()
{
    m_preview->resetStyles();
}
void MainForm::RemoveLabel_Click()
{
    m_preview->resetStyles();
}
void MainForm::ClearText_Click()
{
    m_preview->clearText();
}
void MainForm::RemoveAll_Click()
{
    m_preview->clearText();
}
void MainForm::BigText_GotFocus()
{
    m_editing->choosePreview();
}
void MainForm::BigText_Click()
{
    m_editing->choosePreview();
}

void MainForm::UndoCode()
{
    EditCommands::undo(m_editing->box());
}
void MainForm::CutCode()
{
    EditCommands::cut(m_editing->box());
}
void MainForm::CopyCode()
{
    EditCommands::copy(m_editing->box());
}
void MainForm::PasteCode()
{
    EditCommands::paste(m_editing->box());
}
void MainForm::DelCode()
{
    EditCommands::deleteSelection(m_editing->box());
}
void MainForm::SelectAllCode()
{
    EditCommands::selectAll(m_editing->box());
}
// Their menu items and dialogs were never part of the window.
void MainForm::ReportCode() {}
void MainForm::OpenFile() {}

void MainForm::Undo_Click()
{
    UndoCode();
}
void MainForm::UndoButton_Click()
{
    UndoCode();
}
void MainForm::Cut2_Click()
{
    CutCode();
}
void MainForm::Cut_Click()
{
    CutCode();
}
void MainForm::Copy2_Click()
{
    CopyCode();
}
void MainForm::Copy_Click()
{
    CopyCode();
}
void MainForm::Paste2_Click()
{
    PasteCode();
}
void MainForm::Paste_Click()
{
    PasteCode();
}
void MainForm::Delete2_Click()
{
    DelCode();
}
void MainForm::Delete_Click()
{
    DelCode();
}
void MainForm::SelectAll_Click()
{
    SelectAllCode();
}

void MainForm::Label8_Click()
{
    m_installer->browse();
}
void MainForm::Label11_Click()
{
    m_installer->display();
}
void MainForm::Label9_Click()
{
    m_installer->install();
}
void MainForm::Label13_Click()
{
    m_installer->openGuide();
}

void MainForm::OpenWinFonts_Click()
{
    ExtrasCommands::openFontsFolder(m_platform, this);
}
void MainForm::Command3_Click()
{
    ExtrasCommands::openFontsFolder(m_platform, this);
}
void MainForm::CharacterMapButton_Click()
{
    ExtrasCommands::openCharacterMap(m_platform, this);
}
void MainForm::Label7_Click()
{
    ExtrasCommands::openCharacterMap(m_platform, this);
}
void MainForm::Label5_Click()
{
    ExtrasCommands::readMoreCharacterMap(m_platform, this, CharMapHelp->text());
}
void MainForm::OpenRALO_Click()
{
    ExtrasCommands::openRegionalOptions(m_platform, this);
}
void MainForm::Label16_Click()
{
    ExtrasCommands::openRegionalOptions(m_platform, this);
}
void MainForm::Label15_Click()
{
    ExtrasCommands::readMoreRegionalOptions(m_platform, this, RegionalInfo->text());
}
void MainForm::License_Click()
{
    ExtrasCommands::openLicense(m_platform, this);
}
void MainForm::Contact_Click()
{
    Support::MailSupport(m_platform);
}
void MainForm::LikeIt_Click()
{
    m_help->showFeedback();
}
void MainForm::OnTheWeb_Click()
{
    Support::OpenProductPage(m_platform);
}
void MainForm::AboutPro_Click()
{
    m_help->showAbout();
}
