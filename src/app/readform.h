// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class MainForm;
class Platform;
class QLabel;
class QTimer;

// The splash window: says the fonts are being read, then hands over to the main
// window. It stays loaded, hidden, for the rest of the run.
class ReadForm : public QWidget {
    Q_OBJECT
public:
    explicit ReadForm(Platform &platform, QWidget *parent = nullptr);
    ~ReadForm() override;

    // The single-instance check; false when another copy already runs and this
    // one must end without showing anything.
    bool Form_Load();
    void ReadingTimer_Timer();
    void CloseClick_Click();

    // Loads the main window and runs its load step, once.
    MainForm *loadMainForm();
    MainForm *mainForm() const { return m_main; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showTexts();

    QTimer *ReadingTimer = nullptr;
    Platform &m_platform;
    QList<QLabel *> m_texts;
    MainForm *m_main = nullptr;
    bool m_handingOver = false;
    bool m_placed = false;
};
