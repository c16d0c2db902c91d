// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "mainform.h"

#include "app/clickables.h"
#include "app/faces.h"
#include "app/platform.h"
#include "app/twips.h"
#include "browse/editcommands.h"
#include "browse/fontlistmodel.h"
#include "install/fontinstaller.h"
#include "shell/extrascommands.h"
#include "shell/support.h"
#include "shell/winfontfolder.h"
#include "version.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

// The help texts behind the two "Read More" links: paragraphs separated by an
// empty line, every line ending in CR LF.
const char *const RegionalHelp =
    "Using Regional and Language Options in Control Panel, you can install multiple languages on "
    "your computer, such as Hebrew, Arabic, Japanese, Korean, and Western European languages "
    "(French, Spanish, German, and many others). \r\n\r\n"
    "When you create a document, you choose which language you want to use for it, and the system "
    "then makes the character set of that language available for you, so that you can type its "
    "letters straight from your keyboard.\r\n\r\n"
    "Simple editors such as WordPad and Notepad can write text in other languages, while a word "
    "processor may add further aids for these languages, such as spell checkers.\r\n\r\n"
    "Whoever receives your document needs the same languages installed on their computer to read "
    "or edit it.\r\n";

const char *const CharacterMapHelp =
    "You can use Character Map to view the characters that are available in a selected font. "
    "Character Map displays the following character sets: Windows, DOS, and Unicode. \r\n\r\n"
    "You can copy single characters or a whole group of characters to the Clipboard and then paste "
    "them into any program that can display them, or drag the characters from Character Map "
    "straight into any open document.\r\n\r\n"
    "You can also quickly search for the characters that you need by their Unicode character name, "
    "by Unicode subgroup (such as arrows, currency symbols or mathematical operators), or by other "
    "classifications of the characters, such as their script or block.\r\n";

const QColor DarkBlue(0, 0, 192);
const QColor White(255, 255, 255);

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

template <typename Widget> Widget *named(Widget *widget, const QString &name, const QRect &geometry)
{
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A label that sizes itself to its text, placed at a position in twips.
QLabel *autoSizeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                      const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->move(twips(left), twips(top));
    label->adjustSize();
    return label;
}

QLabel *wrappingLabel(QWidget *parent, const QString &name, const QString &text,
                      const QRect &geometry, const QFont &font)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &title, const QRect &geometry)
{
    auto *box = new QGroupBox(title, parent);
    return named(box, name, geometry);
}

} // namespace

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
    setFont(faceFont(platform, QStringLiteral("Tahoma"), 8.25));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(twips(13080), twips(8205));
    setCentralWidget(client);

    buildFontColumn();
    buildExtrasPanel();
    buildCommandButtons();
    buildPreviewArea();
    buildBanner();
    buildMenus();
    buildTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    FontsNumberTimes = new QTimer(this);
    FontsNumberTimes->setObjectName(QStringLiteral("FontsNumberTimes"));
    FontsNumberTimes->setInterval(100);
    connect(FontsNumberTimes, &QTimer::timeout, this, &MainForm::FontsNumberTimes_Timer);
    FontsNumberTimes->start();
}

MainForm::~MainForm()
{
    delete m_about;
    delete m_feedback;
}

void MainForm::buildFontColumn()
{
    QWidget *client = centralWidget();
    Frame1 = frame(client, QStringLiteral("Frame1"), QString(), twipsRect(150, 60, 2775, 7965));

    auto *strip = new QFrame(Frame1);
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    strip->setLineWidth(2);
    setBackground(strip, White);
    Picture1 = named(strip, QStringLiteral("Picture1"), twipsRect(210, 270, 2355, 345));
    // Children of the strip are placed inside its border.
    const QPoint inside(strip->frameWidth(), strip->frameWidth());

    QLabel *glass = makePicture(QStringLiteral("search"), Picture1);
    named(glass, QStringLiteral("Image10"), twipsRect(60, 30, 270, 255).translated(inside));
    glass->setToolTip(tr("Search"));

    FontFind = named(new QLineEdit(tr("Corvatek Software"), Picture1), QStringLiteral("FontFind"),
                     twipsRect(420, 30, 1755, 210).translated(inside));
    FontFind->setFont(faceFont(m_platform, QStringLiteral("Arial"), 8.25, FaceStyle::Bold));
    FontFind->setFrame(false);
    FontFind->setTextMargins(0, 0, 0, 0);
    FontFind->setToolTip(tr("Search"));
    FontFind->setAccessibleName(tr("Search"));
    setBackground(FontFind, White);
    setTextColour(FontFind, QColor(192, 192, 192));
    FontFind->installEventFilter(this);
    FontFind->setContextMenuPolicy(Qt::NoContextMenu);
    connect(FontFind, &QLineEdit::textChanged, this, &MainForm::FontFind_Change);

    makeLine(Frame1, QStringLiteral("Line1"), twipsPoint(180, 705), twipsPoint(2550, 705));
    named(makePicture(QStringLiteral("count"), Frame1), QStringLiteral("Image2"),
          twipsRect(150, 825, 240, 240));

    autoSizeLabel(Frame1, QStringLiteral("Label12"), tr(" Total Fonts Number :"), 390, 825,
                  faceFont(m_platform, QStringLiteral("Arial"), 8.25, FaceStyle::Bold));
    FontsNumber =
        autoSizeLabel(Frame1, QStringLiteral("FontsNumber"), QStringLiteral("1111"), 2220, 825,
                      faceFont(m_platform, QStringLiteral("Tahoma"), 8.25, FaceStyle::Bold));
    setTextColour(FontsNumber, DarkBlue);

    m_fonts = new FontListModel(this);
    FontList =
        named(new QListView(Frame1), QStringLiteral("FontList"), twipsRect(210, 1140, 2355, 6570));
    FontList->setFont(faceFont(m_platform, QStringLiteral("Arial"), 8.25));
    // Every row has the same height; without this the view measures each of
    // tens of thousands of names before it can draw.
    FontList->setUniformItemSizes(true);
    FontList->setSelectionMode(QAbstractItemView::SingleSelection);
    FontList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FontList->setAccessibleName(tr("Fonts"));
    FontList->setModel(m_fonts);
    setBackground(FontList, White);
    connect(FontList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MainForm::FontList_Click);
}

void MainForm::buildExtrasPanel()
{
    Frame6 = frame(centralWidget(), QStringLiteral("Frame6"), QString(),
                   twipsRect(3090, 60, 6855, 2085));
    const QFont plain = faceFont(m_platform, QStringLiteral("Arial"), 8.25);

    named(makePicture(QStringLiteral("charmap"), Frame6), QStringLiteral("Image1"),
          twipsRect(60, 270, 720, 720));
    wrappingLabel(Frame6, QStringLiteral("Label4"),
                  tr("You can use Windows Character Map to copy and paste special characters into "
                     "your documents, such as the trademark symbol."),
                  twipsRect(990, 330, 5565, 405), plain);
    addLink(Frame6, QStringLiteral("Label5"), tr("Read More"), 990, 780, &MainForm::Label5_Click);
    addLink(Frame6, QStringLiteral("Label7"), tr("Open Windows Character Map"), 1980, 780,
            &MainForm::Label7_Click);

    named(makePicture(QStringLiteral("regional"), Frame6), QStringLiteral("Image6"),
          twipsRect(150, 1170, 720, 720));
    QLabel *regional = wrappingLabel(
        Frame6, QStringLiteral("Label14"),
        tr("Using Regional and Language Options in Control Panel, you can install multiple "
           "languages on your computer, such as Hebrew, Arabic and Japanese"),
        twipsRect(990, 1200, 5595, 405), plain);
    regional->setAutoFillBackground(true);
    addLink(Frame6, QStringLiteral("Label15"), tr("Read More"), 990, 1650,
            &MainForm::Label15_Click);
    addLink(Frame6, QStringLiteral("Label16"), tr("Open Regional and Language Options"), 1980, 1650,
            &MainForm::Label16_Click);
}

void MainForm::buildCommandButtons()
{
    Frame7 = frame(centralWidget(), QStringLiteral("Frame7"), QString(),
                   twipsRect(10110, 60, 2745, 2085));
    const QFont font = faceFont(m_platform, QStringLiteral("Arial"), 8.25);
    const struct {
        const char *name;
        QString caption;
        int top;
        void (MainForm::*handler)();
    } buttons[] = {
        {"Command2", tr("&Refresh List"), 270, &MainForm::Command2_Click},
        {"Command1", tr("&Copy Font Name"), 710, &MainForm::Command1_Click},
        {"Command3", tr("&Open Windows Fonts Folder"), 1150, &MainForm::Command3_Click},
        {"Command4", tr("&Exit Glyphory"), 1590, &MainForm::Command4_Click},
    };
    for (const auto &button : buttons) {
        auto *push = named(new QPushButton(button.caption, Frame7),
                           QString::fromLatin1(button.name), twipsRect(180, button.top, 2355, 315));
        push->setFont(font);
        push->setAutoDefault(false);
        connect(push, &QPushButton::clicked, this, button.handler);
    }
}

void MainForm::buildPreviewArea()
{
    Frame4 = frame(centralWidget(), QStringLiteral("Frame4"), QString(),
                   twipsRect(3090, 2220, 9765, 5805));

    Sizelist =
        named(new QListWidget(Frame4), QStringLiteral("Sizelist"), twipsRect(210, 270, 885, 5310));
    Sizelist->setFont(faceFont(m_platform, QStringLiteral("Arial"), 8.25, FaceStyle::Bold));
    Sizelist->setAccessibleName(tr("Font size"));
    setBackground(Sizelist, White);
    for (int size = 8; size <= 72; ++size) {
        auto *item = new QListWidgetItem(QString::number(size), Sizelist);
        item->setData(Qt::UserRole, 0);
    }
    connect(Sizelist, &QListWidget::itemSelectionChanged, this, &MainForm::Sizelist_Click);

    const struct {
        QCheckBox *MainForm::*box;
        const char *name;
        QString caption;
        QRect geometry;
        FaceStyle style;
        void (MainForm::*handler)();
    } boxes[] = {
        {&MainForm::Bold, "Bold", tr("Bold"), twipsRect(1260, 270, 675, 195), FaceStyle::Bold,
         &MainForm::Bold_Click},
        {&MainForm::Italic, "Italic", tr("Italic"), twipsRect(2010, 270, 675, 210),
         FaceStyle::Italic, &MainForm::Italic_Click},
        {&MainForm::Underline, "Underline", tr("Underline"), twipsRect(2715, 270, 975, 195),
         FaceStyle::Underline, &MainForm::Underline_Click},
        {&MainForm::Strikeout, "Strikeout", tr("Strikeout"), twipsRect(3765, 270, 945, 225),
         FaceStyle::StrikeOut, &MainForm::Strikeout_Click},
    };
    for (const auto &entry : boxes) {
        auto *box = named(new QCheckBox(entry.caption, Frame4), QString::fromLatin1(entry.name),
                          entry.geometry);
        // Each caption shows the style it switches on.
        box->setFont(faceFont(m_platform, QStringLiteral("Arial"), 8.25, entry.style));
        setTextColour(box, Qt::black);
        // This style's box and its gap to the caption can be wider than the
        // layout allowed for; the caption must still show whole.
        box->resize(qMax(box->width(), box->sizeHint().width()), box->height());
        this->*entry.box = box;
        connect(box, &QCheckBox::stateChanged, this, entry.handler);
    }

    // The edit toolbar: a line before each image.
    const struct {
        const char *line;
        int lineX;
        const char *name;
        const char *picture;
        QString toolTip;
        int left;
        void (MainForm::*handler)();
    } tools[] = {
        {"Line22", 4770, "Cut", "cut", tr("Cut"), 4875, &MainForm::Cut_Click},
        {"Line8", 5175, "Copy", "copy", tr("Copy"), 5265, &MainForm::Copy_Click},
        {"Line11", 5565, "Paste", "paste", tr("Paste"), 5655, &MainForm::Paste_Click},
        {"Line12", 5955, "Delete", "delete", tr("Delete"), 6045, &MainForm::Delete_Click},
        {"Line13", 6345, "UndoButton", "undo", tr("Undo"), 6435, &MainForm::UndoButton_Click},
        {"Line19", 6750, "ColorPick", "color", tr("Font Color"), 6825, &MainForm::ColorPick_Click},
        {"Line20", 7140, "ClearText", "clear", tr("Clear All"), 7230, &MainForm::ClearText_Click},
    };
    for (const auto &tool : tools) {
        makeLine(Frame4, QString::fromLatin1(tool.line), twipsPoint(tool.lineX, 240),
                 twipsPoint(tool.lineX, 480));
        addImage(Frame4, QString::fromLatin1(tool.name), QString::fromLatin1(tool.picture),
                 tool.toolTip, tool.left, 240, tool.handler);
    }

    LinkLabel *remove = addLink(Frame4, QStringLiteral("RemoveLabel"), tr("Remove Font Styles"),
                                7590, 240, &MainForm::RemoveLabel_Click);
    remove->setFont(faceFont(m_platform, QStringLiteral("Arial"), 8.25,
                             FaceStyle::Bold | FaceStyle::Italic | FaceStyle::Underline |
                                 FaceStyle::StrikeOut));
    remove->adjustSize();
    remove->setToolTip(tr("Remove Font Styles"));

    makeLine(Frame4, QStringLiteral("Line17"), twipsPoint(1260, 540), twipsPoint(9540, 540));
    named(makePicture(QStringLiteral("textglyph"), Frame4), QStringLiteral("NoWaySymbols"),
          twipsRect(1260, 600, 240, 240));
    autoSizeLabel(Frame4, QStringLiteral("Label6"), tr("Your custom text goes here:"), 1590, 615,
                  faceFont(m_platform, QStringLiteral("Arial"), 8.25, FaceStyle::Bold));

    BigText = named(new QPlainTextEdit(Frame4), QStringLiteral("BigText"),
                    twipsRect(1260, 870, 8295, 3510));
    // The preview shows the chosen font and nothing else: a character the font
    // lacks shows as the font's own missing-glyph box, not borrowed from another
    // font. That is the honest preview, and it spares a search through every
    // installed font for each character no font has.
    QFont preview = faceFont(m_platform, QStringLiteral("Tahoma"), 8.25);
    preview.setStyleStrategy(QFont::NoFontMerging);
    BigText->setFont(preview);
    BigText->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on, as from every other control; a tab character can still be
    // pasted.
    BigText->setTabChangesFocus(true);
    BigText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BigText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    BigText->setAccessibleName(tr("Your custom text goes here:"));
    setBackground(BigText, White);
    setTextColour(BigText, Qt::black);
    BigText->installEventFilter(this);
    // The edit commands live in the menu bar and the toolbar only.
    BigText->setContextMenuPolicy(Qt::NoContextMenu);
    BigText->viewport()->installEventFilter(this);

    Frame2 = frame(Frame4, QStringLiteral("Frame2"), tr(" Fonts Installer "),
                   twipsRect(1260, 4470, 8295, 1125));
    buildInstaller(Frame2);
    buildStorageBoxes(Frame4);
}

void MainForm::buildInstaller(QWidget *installer)
{
    named(makePicture(QStringLiteral("installer"), installer), QStringLiteral("Image4"),
          twipsRect(150, 270, 720, 720));
    addLink(installer, QStringLiteral("Label8"), tr("Browse.."), 975, 330, &MainForm::Label8_Click)
        ->setToolTip(tr("Browse.."));
    addLink(installer, QStringLiteral("Label11"), tr("Display"), 1815, 330,
            &MainForm::Label11_Click)
        ->setToolTip(tr("Display"));
    addLink(installer, QStringLiteral("Label9"), tr("Install"), 2505, 330, &MainForm::Label9_Click)
        ->setToolTip(tr("Install"));
    makeLine(installer, QStringLiteral("Line2"), twipsPoint(3060, 360), twipsPoint(3060, 510));
    named(makePicture(QStringLiteral("help"), installer), QStringLiteral("Image5"),
          twipsRect(3150, 300, 240, 240));
    const QString guide = tr("How To Install Fonts In Your Windows Manually");
    LinkLabel *guideLink =
        addLink(installer, QStringLiteral("Label13"), guide, 3480, 330, &MainForm::Label13_Click);
    guideLink->setToolTip(guide);
    setTextColour(guideLink, QColor(192, 0, 0));

    FontPath =
        named(new QLineEdit(installer), QStringLiteral("FontPath"), twipsRect(975, 600, 7035, 315));
    FontPath->setFont(faceFont(m_platform, QStringLiteral("Arial"), 8.25));
    FontPath->setReadOnly(true);
    FontPath->setAccessibleName(tr("Font file"));
    setBackground(FontPath, White);
    FontPath->installEventFilter(this);
    FontPath->setContextMenuPolicy(Qt::NoContextMenu);
}

void MainForm::buildStorageBoxes(QWidget *parent)
{
    // Named string storage that other commands read; never shown.
    const QRect behindPreview = BigText->geometry();
    WindowsPath = named(new QLineEdit(parent), QStringLiteral("WindowsPath"), behindPreview);
    WhichOne = named(new QLineEdit(QStringLiteral("WhichOne"), parent), QStringLiteral("WhichOne"),
                     behindPreview);
    WhichOne->setEnabled(false);
    // A line edit holds its text exactly as given, CR LF line ends included; a
    // multi-line box would turn them into its own paragraph breaks.
    RegionalInfo = named(new QLineEdit(QString::fromUtf8(RegionalHelp), parent),
                         QStringLiteral("RegionalInfo"), behindPreview);
    CharMapHelp = named(new QLineEdit(QString::fromUtf8(CharacterMapHelp), parent),
                        QStringLiteral("CharMapHelp"), behindPreview);
    for (QWidget *box :
         {static_cast<QWidget *>(WindowsPath), static_cast<QWidget *>(WhichOne),
          static_cast<QWidget *>(RegionalInfo), static_cast<QWidget *>(CharMapHelp)}) {
        box->setVisible(false);
        box->setFocusPolicy(Qt::NoFocus);
    }

    // PASS holds the keyboard focus when the window opens, so no visible control
    // has it; it lies behind the preview frame, where nobody sees it.
    PASS = named(new QLineEdit(centralWidget()), QStringLiteral("PASS"),
                 twipsRect(5940, 3750, 1245, 525));
    PASS->setReadOnly(true);
    PASS->setAccessibleName(windowTitle());
    PASS->lower();
    PASS->installEventFilter(this);
    PASS->setFocus();
}

void MainForm::buildBanner()
{
    // The welcome banner lies above the client area; it is never seen and its two
    // images never receive a click, but they exist with their commands.
    Frame3 = frame(centralWidget(), QStringLiteral("Frame3"), QString(),
                   twipsRect(-570, -1260, 11835, 1155));
    setBackground(Frame3, White);
    named(makePicture(QStringLiteral("welcome"), Frame3), QStringLiteral("Image3"),
          twipsRect(690, 150, 960, 960));
    autoSizeLabel(Frame3, QStringLiteral("Label1"),
                  tr("Welcome to Glyphory %1").arg(QLatin1String(GLYPHORY_VERSION)), 1680, 300,
                  faceFont(m_platform, QStringLiteral("Tahoma"), 8.25, FaceStyle::Bold));
    autoSizeLabel(Frame3, QStringLiteral("Label2"),
                  tr("Glyphory is a small program which gives you the ability to explore your "
                     "Windows fonts."),
                  1680, 510, font());
    autoSizeLabel(Frame3, QStringLiteral("Label3"),
                  tr("You can display your explored Windows fonts in an easy and elegant manner no "
                     "matter how many fonts you have."),
                  1680, 720, font());
    addImage(Frame3, QStringLiteral("Image8"), QStringLiteral("minimize"),
             tr("Minimize to taskbar"), 10455, 210, &MainForm::Image8_Click);
    addImage(Frame3, QStringLiteral("Image9"), QStringLiteral("exit"), tr("Exit Glyphory"), 10770,
             210, &MainForm::Image9_Click);
    Frame3->setVisible(false);
}

void MainForm::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar"));

    QMenu *main = bar->addMenu(tr("&Main Menu"));
    main->setObjectName(QStringLiteral("Menu"));
    addItem(main, QStringLiteral("Minimize"), tr("Minimize To Taskbar"),
            QKeySequence(Qt::CTRL | Qt::Key_T), &MainForm::Minimize_Click);
    addSeparator(main, QStringLiteral("LINEEEE"));
    addItem(main, QStringLiteral("Quit"), tr("Exit Glyphory"), {}, &MainForm::Quit_Click);

    QMenu *edit = bar->addMenu(tr("E&dit"));
    edit->setObjectName(QStringLiteral("Edit"));
    addItem(edit, QStringLiteral("Undo"), tr("Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z),
            &MainForm::Undo_Click);
    addSeparator(edit, QStringLiteral("MYLINE"));
    addItem(edit, QStringLiteral("Cut2"), tr("Cut"), QKeySequence(Qt::CTRL | Qt::Key_X),
            &MainForm::Cut2_Click);
    addItem(edit, QStringLiteral("Copy2"), tr("Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
            &MainForm::Copy2_Click);
    addItem(edit, QStringLiteral("Paste2"), tr("Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
            &MainForm::Paste2_Click);
    addItem(edit, QStringLiteral("Delete2"), tr("Delete"), QKeySequence(Qt::Key_Delete),
            &MainForm::Delete2_Click);
    addSeparator(edit, QStringLiteral("Lineoo"));
    addItem(edit, QStringLiteral("RemoveAll"), tr("Clear All"), QKeySequence(Qt::CTRL | Qt::Key_E),
            &MainForm::RemoveAll_Click);
    addItem(edit, QStringLiteral("SelectAll"), tr("Select All"), QKeySequence(Qt::CTRL | Qt::Key_A),
            &MainForm::SelectAll_Click);
    addItem(edit, QStringLiteral("RemoveEffects"), tr("Remove Font Styles"),
            QKeySequence(Qt::CTRL | Qt::Key_R), &MainForm::RemoveEffects_Click);

    QMenu *options = bar->addMenu(tr("O&ptions"));
    options->setObjectName(QStringLiteral("PTools"));
    addItem(options, QStringLiteral("RefreshLisr"), tr("Refresh List"), QKeySequence(Qt::Key_F1),
            &MainForm::RefreshLisr_Click);
    addSeparator(options, QStringLiteral("LINEwww"));
    addItem(options, QStringLiteral("OpenWinFonts"), tr("Open Windows Fonts Folder"),
            QKeySequence(Qt::Key_F2), &MainForm::OpenWinFonts_Click);

    QMenu *extras = bar->addMenu(tr("E&xtras"));
    extras->setObjectName(QStringLiteral("Extras"));
    addItem(extras, QStringLiteral("CharacterMapButton"), tr("Open Windows Character Map"),
            QKeySequence(Qt::Key_F3), &MainForm::CharacterMapButton_Click);
    addSeparator(extras, QStringLiteral("Lineo"));
    addItem(extras, QStringLiteral("OpenRALO"), tr("Open Regional and Language Options"),
            QKeySequence(Qt::Key_F4), &MainForm::OpenRALO_Click);

    QMenu *help = bar->addMenu(tr("&Help and Support"));
    help->setObjectName(QStringLiteral("Help"));
    addItem(help, QStringLiteral("License"), tr("License Agreement"),
            QKeySequence(Qt::CTRL | Qt::Key_L), &MainForm::License_Click);
    addSeparator(help, QStringLiteral("Line10"));
    addItem(help, QStringLiteral("Contact"), tr("Contact Corvatek Software"),
            QKeySequence(Qt::CTRL | Qt::Key_M), &MainForm::Contact_Click);
    addItem(help, QStringLiteral("LikeIt"), tr("I Like Glyphory"),
            QKeySequence(Qt::CTRL | Qt::Key_I), &MainForm::LikeIt_Click);
    addItem(help, QStringLiteral("OnTheWeb"), tr("Glyphory on the web"),
            QKeySequence(Qt::CTRL | Qt::Key_W), &MainForm::OnTheWeb_Click);
    addSeparator(help, QStringLiteral("Line"));
    addItem(help, QStringLiteral("AboutPro"), tr("About Glyphory"),
            QKeySequence(Qt::CTRL | Qt::Key_B), &MainForm::AboutPro_Click);
}

void MainForm::buildTabOrder()
{
    const QStringList order{
        QStringLiteral("PASS"),      QStringLiteral("FontList"), QStringLiteral("Sizelist"),
        QStringLiteral("Bold"),      QStringLiteral("Italic"),   QStringLiteral("Underline"),
        QStringLiteral("Strikeout"), QStringLiteral("BigText"),  QStringLiteral("FontPath"),
        QStringLiteral("Command2"),  QStringLiteral("Command1"), QStringLiteral("Command3"),
        QStringLiteral("Command4"),  QStringLiteral("FontFind")};
    QWidget *previous = nullptr;
    for (const QString &name : order) {
        auto *widget = findChild<QWidget *>(name);
        if (previous)
            setTabOrder(previous, widget);
        previous = widget;
    }
}

LinkLabel *MainForm::addLink(QWidget *parent, const QString &name, const QString &text, int left,
                             int top, void (MainForm::*handler)())
{
    auto *link = new LinkLabel(text, parent);
    link->setObjectName(name);
    link->setFont(faceFont(m_platform, QStringLiteral("Arial"), 8.25,
                           FaceStyle::Bold | FaceStyle::Underline));
    paintAsLink(link);
    link->move(twips(left), twips(top));
    link->adjustSize();
    connect(link, &LinkLabel::clicked, this, handler);
    return link;
}

ImageButton *MainForm::addImage(QWidget *parent, const QString &name, const QString &pictureName,
                                const QString &toolTip, int left, int top,
                                void (MainForm::*handler)())
{
    auto *image = new ImageButton(pictureName, toolTip, parent);
    image->setObjectName(name);
    image->setGeometry(twipsRect(left, top, 240, 240));
    connect(image, &ImageButton::clicked, this, handler);
    return image;
}

QAction *MainForm::addItem(QMenu *menu, const QString &name, const QString &text,
                           const QKeySequence &shortcut, void (MainForm::*handler)())
{
    QAction *action = menu->addAction(text);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, handler);
    // The window carries the action too, so its shortcut works wherever the
    // focus is in the window.
    addAction(action);
    m_commands.append(action);
    return action;
}

void MainForm::addSeparator(QMenu *menu, const QString &name)
{
    menu->addSeparator()->setObjectName(name);
}

// Menu shortcuts win over the text boxes' own editing keys (Ctrl+Z, Ctrl+A, Del
// and the rest): the box is told the key is not its own, so the window's command
// runs on the edit target instead.
bool MainForm::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QAction *action : std::as_const(m_commands)) {
            if (!action->shortcut().isEmpty() && action->shortcut() == pressed) {
                event->ignore();
                return true;
            }
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == FontFind)
            FontFind_GotFocus();
        else if (watched == BigText)
            BigText_GotFocus();
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            if (watched == FontFind)
                FontFind_Click();
            else if (watched == BigText->viewport())
                BigText_Click();
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainForm::Form_Load()
{
    WhichOne->setText(QStringLiteral("BigText"));
    QCoreApplication::processEvents();

    // The names are gathered first and sorted once: adding them one by one to a
    // sorted list costs time growing with the square of their number. The splash
    // stays painted because the reading yields to the event loop as it goes.
    const int count = m_platform.fontCount();
    QStringList names;
    names.reserve(count);
    QElapsedTimer sinceYield;
    sinceYield.start();
    for (int i = 0; i < count; ++i) {
        names.append(m_platform.fontName(i));
        if (sinceYield.elapsed() >= 10) {
            QCoreApplication::processEvents();
            sinceYield.restart();
        }
    }
    QCoreApplication::processEvents();
    m_platform.loadCharacters(names.join(QString()));
    m_fonts->setNames(std::move(names));

    if (m_fonts->rowCount() > 0)
        FontList->setCurrentIndex(m_fonts->index(0));
    Sizelist->setCurrentRow(0);
    WindowsPath->setText(m_platform.windowsFolder());
    changePreviewFont([this](QFont &font) {
        font.setFamily(m_platform.resolveFamily(QStringLiteral("Tahoma")));
    });
}

QString MainForm::selectedFont() const
{
    const QModelIndexList selected = FontList->selectionModel()->selectedRows();
    return selected.isEmpty() ? QString() : m_fonts->name(selected.first().row());
}

void MainForm::closeEvent(QCloseEvent *event)
{
    event->accept();
    endProgram();
}

void MainForm::Quit_Click()
{
    endProgram();
}
void MainForm::Command4_Click()
{
    endProgram();
}
void MainForm::Image9_Click()
{
    endProgram();
}
void MainForm::Minimize_Click()
{
    minimizeWindow();
}
void MainForm::Image8_Click()
{
    minimizeWindow();
}

void MainForm::endProgram()
{
    m_platform.endProgram();
}

void MainForm::minimizeWindow()
{
    setWindowState(windowState() | Qt::WindowMinimized);
}

void MainForm::FontList_Click()
{
    const QString family = selectedFont();
    changePreviewFont([&](QFont &font) {
        bool ok = false;
        const QListWidgetItem *size = Sizelist->currentItem();
        const float points = size ? size->text().toFloat(&ok) : 0.0f;
        if (ok)
            font.setPointSizeF(points);
        if (!family.isEmpty()) {
            m_platform.loadFamily(family);
            font.setFamily(family);
        }
        // A checked box already switched its style on; only unchecked ones are
        // enforced on the new face.
        if (!Bold->isChecked())
            font.setBold(false);
        if (!Italic->isChecked())
            font.setItalic(false);
        if (!Underline->isChecked())
            font.setUnderline(false);
        if (!Strikeout->isChecked())
            font.setStrikeOut(false);
    });
}

void MainForm::FontFind_GotFocus()
{
    WhichOne->setText(QStringLiteral("FontFind"));
}

void MainForm::FontFind_Click()
{
    WhichOne->setText(QStringLiteral("FontFind"));
    setTextColour(FontFind, Qt::black);
    // Only the exact placeholder is taken away; a click leaves anything else.
    if (FontFind->text() == QLatin1String("Corvatek Software"))
        FontFind->setText(QString());
}

void MainForm::FontFind_Change()
{
    m_platform.loadCharacters(FontFind->text());
    FindInList(FontList, FontFind->text());
    applySize();
}

void MainForm::FindInList(QListView *list, const QString &text)
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

void MainForm::FontsNumberTimes_Timer()
{
    FontsNumber->setText(QString::number(m_fonts->rowCount()));
    FontsNumber->adjustSize();
}

void MainForm::Command1_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(BigText->font().family());
    m_platform.information(this, tr("Glyphory"), tr("Your selected font name has been copied."));
}

void MainForm::Command2_Click()
{
    refreshList();
}
void MainForm::RefreshLisr_Click()
{
    refreshList();
}

void MainForm::refreshList()
{
    FontList->viewport()->update();
}

void MainForm::applySize()
{
    const QListWidgetItem *size = Sizelist->currentItem();
    if (!size)
        return;
    bool ok = false;
    const float points = size->text().toFloat(&ok);
    if (ok)
        changePreviewFont([points](QFont &font) { font.setPointSizeF(points); });
}

void MainForm::changePreviewFont(const std::function<void(QFont &)> &change)
{
    QFont font = BigText->font();
    change(font);
    BigText->setFont(font);
}

void MainForm::Sizelist_Click()
{
    applySize();
}

void MainForm::applyStyleBox(QCheckBox *box, void (QFont::*setStyle)(bool))
{
    const bool on = box->checkState() == Qt::Checked;
    changePreviewFont([&](QFont &font) { (font.*setStyle)(on); });
}

void MainForm::Bold_Click()
{
    applyStyleBox(Bold, &QFont::setBold);
}
void MainForm::Italic_Click()
{
    applyStyleBox(Italic, &QFont::setItalic);
}
void MainForm::Underline_Click()
{
    applyStyleBox(Underline, &QFont::setUnderline);
}
void MainForm::Strikeout_Click()
{
    applyStyleBox(Strikeout, &QFont::setStrikeOut);
}

void MainForm::ColorPick_Click()
{
    // A cancelled dialog keeps the colour confirmed last (black before any).
    if (const std::optional<QColor> chosen = m_platform.chooseColor(this, m_colorsColor))
        m_colorsColor = *chosen;
    setTextColour(BigText, m_colorsColor);
}

void MainForm::RemoveEffects_Click()
{
    resetStyles();
}
void MainForm::RemoveLabel_Click()
{
    resetStyles();
}

void MainForm::resetStyles()
{
    changePreviewFont([](QFont &font) {
        font.setBold(false);
        font.setItalic(false);
        font.setStrikeOut(false);
        font.setUnderline(false);
    });
    Bold->setChecked(false);
    Italic->setChecked(false);
    Underline->setChecked(false);
    Strikeout->setChecked(false);
}

void MainForm::ClearText_Click()
{
    clearPreview();
}
void MainForm::RemoveAll_Click()
{
    clearPreview();
}

void MainForm::clearPreview()
{
    // Removing the text through a cursor keeps the box's undo history, so the
    // user can take a "Clear All" back.
    QTextCursor cursor(BigText->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
}

void MainForm::BigText_GotFocus()
{
    WhichOne->setText(QStringLiteral("BigText"));
}

void MainForm::BigText_Click()
{
    WhichOne->setText(QStringLiteral("BigText"));
}

QWidget *MainForm::editTarget() const
{
    if (WhichOne->text() == QLatin1String("BigText"))
        return BigText;
    return FontFind;
}

void MainForm::UndoCode()
{
    EditCommands::undo(editTarget());
}
void MainForm::CutCode()
{
    EditCommands::cut(editTarget());
}
void MainForm::CopyCode()
{
    EditCommands::copy(editTarget());
}
void MainForm::PasteCode()
{
    EditCommands::paste(editTarget());
}
void MainForm::DelCode()
{
    EditCommands::deleteSelection(editTarget());
}
void MainForm::SelectAllCode()
{
    EditCommands::selectAll(editTarget());
}
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
    const QString chosen = m_platform.openFileName(this, FontInstaller::fontFileFilters());
    if (!chosen.isEmpty())
        FontPath->setText(chosen);
}

void MainForm::Label11_Click()
{
    if (FontPath->text().isEmpty())
        return;
    WinFontFolder::OpenWithShell(m_platform, this, FontPath->text());
}

void MainForm::Label9_Click()
{
    if (FontPath->text().isEmpty())
        return;
    FontInstaller::installFont(m_platform, this, FontPath->text());
}

void MainForm::Label13_Click()
{
    ExtrasCommands::openInstallGuide(m_platform, this);
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
    showFeedback();
}
void MainForm::OnTheWeb_Click()
{
    Support::OpenProductPage(m_platform);
}
void MainForm::AboutPro_Click()
{
    showAbout();
}

// The two windows behave as modal ones while the event loop keeps running: the
// main window is disabled until their own button enables it again.
void MainForm::showFeedback()
{
    if (!m_feedback)
        m_feedback = new ForGlyphory(m_platform, this);
    m_feedback->show();
    m_feedback->raise();
    setEnabled(false);
}

void MainForm::showAbout()
{
    setEnabled(false);
    if (!m_about)
        m_about = new AboutForm(m_platform, this);
    m_about->show();
    m_about->raise();
}
