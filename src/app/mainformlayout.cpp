// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "app/mainform.h"
#include "browse/fontbrowser.h"
#include "shell/helptexts.h"
#include "toolkit/colours.h"
#include "toolkit/imagebutton.h"
#include "toolkit/layoutbuilder.h"
#include "version.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

namespace {

constexpr Face Tahoma{Typeface::Tahoma};
constexpr Face TahomaBold{Typeface::Tahoma, FaceStyle::Bold};
constexpr Face Arial{Typeface::Arial};
constexpr Face ArialBold{Typeface::Arial, FaceStyle::Bold};
constexpr Face ArialItalic{Typeface::Arial, FaceStyle::Italic};
constexpr Face ArialUnderline{Typeface::Arial, FaceStyle::Underline};
constexpr Face ArialStrikeOut{Typeface::Arial, FaceStyle::StrikeOut};
constexpr Face LinkFace{Typeface::Arial, FaceStyle::Bold | FaceStyle::Underline};
constexpr Face EveryStyle{Typeface::Arial, FaceStyle::Bold | FaceStyle::Italic |
                                               FaceStyle::Underline | FaceStyle::StrikeOut};

} // namespace

void MainForm::buildLayout()
{
    using enum ControlKind;
    using M = MainForm;
    const QString guide = tr("How To Install Fonts In Your Windows Manually");
    // The banner, Frame3, lies above the client area: it is never seen and its two
    // images never receive a click, but they exist with their commands. PASS lies
    // behind the preview frame.
    // clang-format off
    const LayoutRow<MainForm> layout[] = {
        // name          kind          parent      text                          left   top    width  height font        role                  tooltip
        {"Frame1",       Frame,        nullptr,    {},                           150,   60,    2775,  7965},
        {"Picture1",     Panel,        "Frame1",   {},                           210,   270,   2355,  345},
        {"Image10",      Picture,      "Picture1", u"search"_s,                  60,    30,    270,   255,   {},         nullptr,              tr("Search")},
        {"FontFind",     TextBox,      "Picture1", FontBrowser::placeholder(),   420,   30,    1755,  210,   ArialBold,  &M::FontFind_Change,  tr("Search")},
        {"Line1",        Line,         "Frame1",   {},                           180,   705,   2370,  0},
        {"Image2",       Picture,      "Frame1",   u"count"_s,                   150,   825,   240,   240},
        {"Label12",      Label,        "Frame1",   tr(" Total Fonts Number :"),  390,   825,   1755,  210,   ArialBold},
        {"FontsNumber",  Label,        "Frame1",   u"1111"_s,                    2220,  825,   420,   195,   TahomaBold},
        {"FontList",     ListView,     "Frame1",   {},                           210,   1140,  2355,  6570,  Arial},

        {"Frame6",       Frame,        nullptr,    {},                           3090,  60,    6855,  2085},
        {"Image1",       Picture,      "Frame6",   u"charmap"_s,                 60,    270,   720,   720},
        {"Label4",       WrappedLabel, "Frame6",   tr("You can use Windows Character Map to copy and paste special characters into "
                                                      "your documents, such as the trademark symbol."),
                                                                                 990,   330,   5565,  405,   Arial},
        {"Label5",       Link,         "Frame6",   tr("Read More"),              990,   780,   885,   210,   LinkFace,   &M::Label5_Click},
        {"Label7",       Link,         "Frame6",   tr("Open Windows Character Map"),
                                                                                 1980,  780,   2490,  210,   LinkFace,   &M::Label7_Click},
        {"Image6",       Picture,      "Frame6",   u"regional"_s,                150,   1170,  720,   720},
        {"Label14",      WrappedLabel, "Frame6",   tr("Using Regional and Language Options in Control Panel, you can install multiple "
                                                      "languages on your computer, such as Hebrew, Arabic and Japanese"),
                                                                                 990,   1200,  5595,  405,   Arial},
        {"Label15",      Link,         "Frame6",   tr("Read More"),              990,   1650,  885,   210,   LinkFace,   &M::Label15_Click},
        {"Label16",      Link,         "Frame6",   tr("Open Regional and Language Options"),
                                                                                 1980,  1650,  3075,  210,   LinkFace,   &M::Label16_Click},

        {"Frame7",       Frame,        nullptr,    {},                           10110, 60,    2745,  2085},
        {"Command2",     Button,       "Frame7",   tr("&Refresh List"),          180,   270,   2355,  315,   Arial,      &M::Command2_Click},
        {"Command1",     Button,       "Frame7",   tr("&Copy Font Name"),        180,   710,   2355,  315,   Arial,      &M::Command1_Click},
        {"Command3",     Button,       "Frame7",   tr("&Open Windows Fonts Folder"),
                                                                                 180,   1150,  2355,  315,   Arial,      &M::Command3_Click},
        {"Command4",     Button,       "Frame7",   tr("&Exit Glyphory"),         180,   1590,  2355,  315,   Arial,      &M::Command4_Click},

        {"Frame4",       Frame,        nullptr,    {},                           3090,  2220,  9765,  5805},
        {"Sizelist",     ListBox,      "Frame4",   {},                           210,   270,   885,   5310,  ArialBold,  &M::Sizelist_Click},
        // Each caption shows the style it switches on.
        {"Bold",         CheckBox,     "Frame4",   tr("Bold"),                   1260,  270,   675,   195,   ArialBold,  &M::Bold_Click},
        {"Italic",       CheckBox,     "Frame4",   tr("Italic"),                 2010,  270,   675,   210,   ArialItalic, &M::Italic_Click},
        {"Underline",    CheckBox,     "Frame4",   tr("Underline"),              2715,  270,   975,   195,   ArialUnderline, &M::Underline_Click},
        {"Strikeout",    CheckBox,     "Frame4",   tr("Strikeout"),              3765,  270,   945,   225,   ArialStrikeOut, &M::Strikeout_Click},
        {"Line22",       Line,         "Frame4",   {},                           4770,  240,   0,     240},
        {"Cut",          ImageButton,  "Frame4",   u"cut"_s,                     4875,  240,   240,   240,   {},         &M::Cut_Click,        tr("Cut")},
        {"Line8",        Line,         "Frame4",   {},                           5175,  240,   0,     240},
        {"Copy",         ImageButton,  "Frame4",   u"copy"_s,                    5265,  240,   240,   240,   {},         &M::Copy_Click,       tr("Copy")},
        {"Line11",       Line,         "Frame4",   {},                           5565,  240,   0,     240},
        {"Paste",        ImageButton,  "Frame4",   u"paste"_s,                   5655,  240,   240,   240,   {},         &M::Paste_Click,      tr("Paste")},
        {"Line12",       Line,         "Frame4",   {},                           5955,  240,   0,     240},
        {"Delete",       ImageButton,  "Frame4",   u"delete"_s,                  6045,  240,   240,   240,   {},         &M::Delete_Click,     tr("Delete")},
        {"Line13",       Line,         "Frame4",   {},                           6345,  240,   0,     240},
        {"UndoButton",   ImageButton,  "Frame4",   u"undo"_s,                    6435,  240,   240,   240,   {},         &M::UndoButton_Click, tr("Undo")},
        {"Line19",       Line,         "Frame4",   {},                           6750,  240,   0,     240},
        {"ColorPick",    ImageButton,  "Frame4",   u"color"_s,                   6825,  240,   240,   240,   {},         &M::ColorPick_Click,  tr("Font Color")},
        {"Line20",       Line,         "Frame4",   {},                           7140,  240,   0,     240},
        {"ClearText",    ImageButton,  "Frame4",   u"clear"_s,                   7230,  240,   240,   240,   {},         &M::ClearText_Click,  tr("Clear All")},
        {"RemoveLabel",  Link,         "Frame4",   tr("Remove Font Styles"),     7590,  240,   1590,  195,   EveryStyle, &M::RemoveLabel_Click, tr("Remove Font Styles")},
        {"Line17",       Line,         "Frame4",   {},                           1260,  540,   8280,  0},
        {"NoWaySymbols", Picture,      "Frame4",   u"textglyph"_s,               1260,  600,   240,   240},
        {"Label6",       Label,        "Frame4",   tr("Your custom text goes here:"),
                                                                                 1590,  615,   2370,  210,   ArialBold},
        {"BigText",      TextArea,     "Frame4",   {},                           1260,  870,   8295,  3510,  Tahoma},

        {"Frame2",       Frame,        "Frame4",   tr(" Fonts Installer "),      1260,  4470,  8295,  1125},
        {"Image4",       Picture,      "Frame2",   u"installer"_s,               150,   270,   720,   720},
        {"Label8",       Link,         "Frame2",   tr("Browse.."),               975,   330,   735,   210,   LinkFace,   &M::Label8_Click,     tr("Browse..")},
        {"Label11",      Link,         "Frame2",   tr("Display"),                1815,  330,   585,   210,   LinkFace,   &M::Label11_Click,    tr("Display")},
        {"Label9",       Link,         "Frame2",   tr("Install"),                2505,  330,   495,   210,   LinkFace,   &M::Label9_Click,     tr("Install")},
        {"Line2",        Line,         "Frame2",   {},                           3060,  360,   0,     150},
        {"Image5",       Picture,      "Frame2",   u"help"_s,                    3150,  300,   240,   240},
        {"Label13",      Link,         "Frame2",   guide,                        3480,  330,   3870,  210,   LinkFace,   &M::Label13_Click,    guide},
        {"FontPath",     TextBox,      "Frame2",   {},                           975,   600,   7035,  315,   Arial},

        {"WindowsPath",  StorageBox,   "Frame4",   {},                           1260,  870,   8295,  3510},
        {"WhichOne",     StorageBox,   "Frame4",   u"WhichOne"_s,                1260,  870,   8295,  3510},
        // A line edit holds its text exactly as given, CR LF line ends included; a
        // multi-line box would turn them into its own paragraph breaks.
        {"RegionalInfo", StorageBox,   "Frame4",   QLatin1String(RegionalHelpText),
                                                                                 1260,  870,   8295,  3510},
        {"CharMapHelp",  StorageBox,   "Frame4",   QLatin1String(CharacterMapHelpText),
                                                                                 1260,  870,   8295,  3510},
        {"PASS",         TextBox,      nullptr,    {},                           5940,  3750,  1245,  525},

        {"Frame3",       Frame,        nullptr,    {},                           -570,  -1260, 11835, 1155},
        {"Image3",       Picture,      "Frame3",   u"welcome"_s,                 690,   150,   960,   960},
        {"Label1",       Label,        "Frame3",   tr("Welcome to Glyphory %1").arg(QLatin1String(GLYPHORY_VERSION)),
                                                                                 1680,  300,   3360,  195,   TahomaBold},
        {"Label2",       Label,        "Frame3",   tr("Glyphory is a small program which gives you the ability to explore your "
                                                      "Windows fonts."),
                                                                                 1680,  510,   7320,  195,   Tahoma},
        {"Label3",       Label,        "Frame3",   tr("You can display your explored Windows fonts in an easy and elegant manner no "
                                                      "matter how many fonts you have."),
                                                                                 1680,  720,   8265,  195,   Tahoma},
        {"Image8",       ImageButton,  "Frame3",   u"minimize"_s,                10455, 210,   240,   240,   {},         &M::Image8_Click,     tr("Minimize to taskbar")},
        {"Image9",       ImageButton,  "Frame3",   u"exit"_s,                    10770, 210,   240,   240,   {},         &M::Image9_Click,     tr("Exit Glyphory")},
    };
    // clang-format on
    LayoutBuilder controls(m_platform, centralWidget());
    controls.build(this, layout);
    takeControls(controls);
    colourControls(controls);
    setUpBoxes();
    nameForScreenReaders();
    watchEditBoxes();
    holdInitialFocus();
}

void MainForm::takeControls(const LayoutBuilder &controls)
{
    FontFind = controls.get<QLineEdit>("FontFind");
    FontsNumber = controls.get<QLabel>("FontsNumber");
    FontList = controls.get<QListView>("FontList");
    Sizelist = controls.get<QListWidget>("Sizelist");
    Bold = controls.get<QCheckBox>("Bold");
    Italic = controls.get<QCheckBox>("Italic");
    Underline = controls.get<QCheckBox>("Underline");
    Strikeout = controls.get<QCheckBox>("Strikeout");
    BigText = controls.get<QPlainTextEdit>("BigText");
    FontPath = controls.get<QLineEdit>("FontPath");
    WindowsPath = controls.get<QLineEdit>("WindowsPath");
    WhichOne = controls.get<QLineEdit>("WhichOne");
    RegionalInfo = controls.get<QLineEdit>("RegionalInfo");
    CharMapHelp = controls.get<QLineEdit>("CharMapHelp");
    PASS = controls.get<QLineEdit>("PASS");
}

void MainForm::colourControls(const LayoutBuilder &controls)
{
    QWidget *banner = controls.get("Frame3");
    for (QWidget *white :
         std::initializer_list<QWidget *>{FontFind, FontList, Sizelist, BigText, FontPath, banner})
        setBackground(white, Qt::white);
    setTextColour(FontFind, QColor(192, 192, 192));
    setTextColour(FontsNumber, QColor(0, 0, 192));
    for (QWidget *black :
         std::initializer_list<QWidget *>{Bold, Italic, Underline, Strikeout, BigText})
        setTextColour(black, Qt::black);
    setTextColour(controls.get("Label13"), QColor(192, 0, 0));
    controls.get("Label14")->setAutoFillBackground(true);
    banner->setVisible(false);
}

void MainForm::setUpBoxes()
{
    FontFind->setFrame(false);
    FontFind->setTextMargins(0, 0, 0, 0);
    for (int size = 8; size <= 72; ++size)
        (new QListWidgetItem(QString::number(size), Sizelist))->setData(Qt::UserRole, 0);
    BigText->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on, as from every other control; a tab character can still be
    // pasted.
    BigText->setTabChangesFocus(true);
    BigText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BigText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    FontPath->setReadOnly(true);
    // A font file dropped anywhere on the window is chosen for the installer: the
    // window's own drops pass its filter, as those on its text boxes do.
    setAcceptDrops(true);
    installEventFilter(this);
    WhichOne->setEnabled(false);
    // The edit commands live in the menu bar and the toolbar only.
    for (QWidget *box : std::initializer_list<QWidget *>{FontFind, BigText, FontPath})
        box->setContextMenuPolicy(Qt::NoContextMenu);
}

void MainForm::nameForScreenReaders()
{
    FontFind->setAccessibleName(tr("Search"));
    FontList->setAccessibleName(tr("Fonts"));
    Sizelist->setAccessibleName(tr("Font size"));
    BigText->setAccessibleName(tr("Your custom text goes here:"));
    FontPath->setAccessibleName(tr("Font file"));
    PASS->setAccessibleName(windowTitle());
}

void MainForm::watchEditBoxes()
{
    for (QObject *watched :
         std::initializer_list<QObject *>{FontFind, BigText, BigText->viewport(), FontPath, PASS})
        watched->installEventFilter(this);
}

// PASS holds the keyboard focus when the window opens, so no visible control has
// it; it lies behind the preview frame, where nobody sees it.
void MainForm::holdInitialFocus()
{
    PASS->setReadOnly(true);
    PASS->lower();
    PASS->setFocus();
}

void MainForm::buildMenus()
{
    struct Item {
        const char *name;
        QString text;
        QKeySequence shortcut;
        void (MainForm::*role)() = nullptr;
    };
    using M = MainForm;
    // A row without a role opens a menu; the items under it, down to the next
    // menu, are its items. "-" is a separator line.
    // clang-format off
    const Item items[] = {
        {"Menu",               tr("&Main Menu"),                          {}},
        {"Minimize",           tr("Minimize To Taskbar"),                 Qt::CTRL | Qt::Key_T, &M::Minimize_Click},
        {"LINEEEE",            u"-"_s,                                    {}},
        {"Quit",               tr("Exit Glyphory"),                       {},                   &M::Quit_Click},
        {"Edit",               tr("E&dit"),                               {}},
        {"Undo",               tr("Undo"),                                Qt::CTRL | Qt::Key_Z, &M::Undo_Click},
        {"MYLINE",             u"-"_s,                                    {}},
        {"Cut2",               tr("Cut"),                                 Qt::CTRL | Qt::Key_X, &M::Cut2_Click},
        {"Copy2",              tr("Copy"),                                Qt::CTRL | Qt::Key_C, &M::Copy2_Click},
        {"Paste2",             tr("Paste"),                               Qt::CTRL | Qt::Key_V, &M::Paste2_Click},
        {"Delete2",            tr("Delete"),                              Qt::Key_Delete,       &M::Delete2_Click},
        {"Lineoo",             u"-"_s,                                    {}},
        {"RemoveAll",          tr("Clear All"),                           Qt::CTRL | Qt::Key_E, &M::RemoveAll_Click},
        {"SelectAll",          tr("Select All"),                          Qt::CTRL | Qt::Key_A, &M::SelectAll_Click},
        {"RemoveEffects",      tr("Remove Font Styles"),                  Qt::CTRL | Qt::Key_R, &M::RemoveEffects_Click},
        {"PTools",             tr("O&ptions"),                            {}},
        {"RefreshLisr",        tr("Refresh List"),                        Qt::Key_F1,           &M::RefreshLisr_Click},
        {"LINEwww",            u"-"_s,                                    {}},
        {"OpenWinFonts",       tr("Open Windows Fonts Folder"),           Qt::Key_F2,           &M::OpenWinFonts_Click},
        {"Extras",             tr("E&xtras"),                             {}},
        {"CharacterMapButton", tr("Open Windows Character Map"),          Qt::Key_F3,           &M::CharacterMapButton_Click},
        {"Lineo",              u"-"_s,                                    {}},
        {"OpenRALO",           tr("Open Regional and Language Options"),  Qt::Key_F4,           &M::OpenRALO_Click},
        {"Help",               tr("&Help and Support"),                   {}},
        {"License",            tr("License Agreement"),                   Qt::CTRL | Qt::Key_L, &M::License_Click},
        {"Line10",             u"-"_s,                                    {}},
        {"Contact",            tr("Contact Corvatek Software"),           Qt::CTRL | Qt::Key_M, &M::Contact_Click},
        {"LikeIt",             tr("I Like Glyphory"),                     Qt::CTRL | Qt::Key_I, &M::LikeIt_Click},
        {"OnTheWeb",           tr("Glyphory on the web"),                 Qt::CTRL | Qt::Key_W, &M::OnTheWeb_Click},
        {"Line",               u"-"_s,                                    {}},
        {"AboutPro",           tr("About Glyphory"),                      Qt::CTRL | Qt::Key_B, &M::AboutPro_Click},
    };
    // clang-format on
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));
    QMenu *menu = nullptr;
    for (const Item &item : items) {
        const QString name = QLatin1String(item.name);
        if (item.role) {
            QAction *action = menu->addAction(item.text);
            action->setObjectName(name);
            action->setShortcut(item.shortcut);
            action->setShortcutContext(Qt::WindowShortcut);
            connect(action, &QAction::triggered, this, item.role);
            // The window carries the action too, so its shortcut works wherever the
            // focus is in the window.
            addAction(action);
            m_commands.append(action);
        } else if (item.text == QLatin1String("-")) {
            menu->addSeparator()->setObjectName(name);
        } else {
            menu = bar->addMenu(item.text);
            menu->setObjectName(name);
        }
    }
}

void MainForm::buildTabOrder()
{
    // The clickable labels and images come after the window's own stops, in reading
    // order frame by frame, so that the keyboard reaches every command; from the
    // last of them Tab comes back to PASS.
    orderTabStops(this,
                  {"PASS",      "FontList",    "Sizelist", "Bold",     "Italic",     "Underline",
                   "Strikeout", "BigText",     "FontPath", "Command2", "Command1",   "Command3",
                   "Command4",  "FontFind",    "Label5",   "Label7",   "Label15",    "Label16",
                   "Cut",       "Copy",        "Paste",    "Delete",   "UndoButton", "ColorPick",
                   "ClearText", "RemoveLabel", "Label8",   "Label11",  "Label9",     "Label13"});
}
