// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QMainWindow>

#include <memory>

class AboutForm;
class EditTarget;
class FontBrowser;
class ForGlyphory;
class HelpWindows;
class InstallerPanel;
class LayoutBuilder;
class Platform;
class Preview;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListView;
class QListWidget;
class QPlainTextEdit;
class QTimer;

// The program's one working window. It holds the controls, which carry their names
// as object names, and the menus; each handler hands its event to the subsystem
// whose behaviour it is.
class MainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit MainForm(Platform &platform, QWidget *parent = nullptr);
    ~MainForm() override;

    // Load step: runs once, before the window is first shown.
    void Form_Load();

    // Lifecycle.
    void Quit_Click();
    void Command4_Click();
    void Image9_Click();
    void Minimize_Click();
    void Image8_Click();

    // Font list, search and count.
    void FontList_Click();
    void FontFind_GotFocus();
    void FontFind_Click();
    void FontFind_Change();
    void FindInList(QListView *list, const QString &text);
    void FontsNumberTimes_Timer();
    void Command1_Click();
    void Command2_Click();
    void RefreshLisr_Click();

    // Preview text and styles.
    void Sizelist_Click();
    void Bold_Click();
    void Italic_Click();
    void Underline_Click();
    void Strikeout_Click();
    void ColorPick_Click();
    void RemoveEffects_Click();
    void RemoveLabel_Click();
    void ClearText_Click();
    void RemoveAll_Click();
    void BigText_GotFocus();
    void BigText_Click();

    // Edit commands: each acts on the box named in WhichOne.
    void UndoCode();
    void CutCode();
    void CopyCode();
    void PasteCode();
    void DelCode();
    void SelectAllCode();
    void ReportCode();
    void OpenFile();
    void Undo_Click();
    void UndoButton_Click();
    void Cut2_Click();
    void Cut_Click();
    void Copy2_Click();
    void Copy_Click();
    void Paste2_Click();
    void Paste_Click();
    void Delete2_Click();
    void Delete_Click();
    void SelectAll_Click();

    // Font installer.
    void Label8_Click();
    void Label11_Click();
    void Label9_Click();
    void Label13_Click();

    // Extras and Help.
    void OpenWinFonts_Click();
    void Command3_Click();
    void CharacterMapButton_Click();
    void Label7_Click();
    void Label5_Click();
    void OpenRALO_Click();
    void Label16_Click();
    void Label15_Click();
    void License_Click();
    void Contact_Click();
    void LikeIt_Click();
    void OnTheWeb_Click();
    void AboutPro_Click();

    // The font selected in FontList; empty when none is.
    QString selectedFont() const;

    AboutForm *aboutForm() const;
    ForGlyphory *feedbackForm() const;
    // The preview text box's look, which the hand-over prepares.
    Preview &preview() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The filter's calls to the boxes' focus and click handlers.
    void noteFocus(const QObject *box);
    void noteClick(const QObject *box);
    void buildLayout();
    void takeControls(const LayoutBuilder &controls);
    void colourControls(const LayoutBuilder &controls);
    void setUpBoxes();
    void nameForScreenReaders();
    void watchEditBoxes();
    void holdInitialFocus();
    void buildMenus();
    void buildTabOrder();

    // The controls the handlers hand to the subsystems. From outside the window a
    // control is found by its object name, as a screen reader or a test finds it.
    QLineEdit *FontFind = nullptr;
    QLabel *FontsNumber = nullptr;
    QListView *FontList = nullptr;
    QListWidget *Sizelist = nullptr;
    QCheckBox *Bold = nullptr;
    QCheckBox *Italic = nullptr;
    QCheckBox *Underline = nullptr;
    QCheckBox *Strikeout = nullptr;
    QPlainTextEdit *BigText = nullptr;
    QLineEdit *FontPath = nullptr;
    // Hidden storage boxes.
    QLineEdit *WindowsPath = nullptr;
    QLineEdit *WhichOne = nullptr;
    QLineEdit *RegionalInfo = nullptr;
    QLineEdit *CharMapHelp = nullptr;
    QLineEdit *PASS = nullptr;
    QTimer *FontsNumberTimes = nullptr;

    Platform &m_platform;
    QList<QAction *> m_commands;
    std::unique_ptr<EditTarget> m_editing;
    std::unique_ptr<Preview> m_preview;
    std::unique_ptr<FontBrowser> m_fonts;
    std::unique_ptr<InstallerPanel> m_installer;
    std::unique_ptr<HelpWindows> m_help;
};
