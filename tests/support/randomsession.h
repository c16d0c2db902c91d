// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class MainForm;
class QWidget;
class RunningProgram;

// Plays a seeded stream of random user events on a running program's windows and,
// after every event, checks what must hold whatever the user did. The same seed
// always plays the same events, so a failure can be replayed from its seed.
class RandomSession : public QObject {
    Q_OBJECT
public:
    // workFolder receives the files offered to the installer and the fonts folder.
    RandomSession(RunningProgram &program, quint64 seed, const QString &workFolder);
    ~RandomSession() override;

    // Plays up to count events; stops at the first broken rule. Returns an empty text
    // when every rule held, else "seed N event K: <event>: <rule>".
    QString run(int count);

    int eventsDriven() const { return m_events; }
    qint64 invariantsChecked() const { return m_checks; }

private:
    struct Action {
        int weight;
        std::function<QString()> play;
    };

    void buildActions();
    void prepareFiles();
    QString playOne();
    void restoreMainWindow();
    // An empty text when every rule holds, else the first broken one.
    QString checkInvariants(bool settle);
    bool expect(bool holds, const QString &rule, QString &failure);

    QString randomText();
    QString searchPrefix();
    QString typeInto(QWidget *box);
    QString pressKey(QWidget *target);
    QString clickListRow();
    QString clickSizeRow();
    QString chooseColour();
    QString browse();
    QString exitCommand(const QString &how, const std::function<void()> &run);
    QWidget *keyTarget() const;
    QWidget *mainChild(const QString &name) const;
    QWidget *visibleWindowChild(QWidget *window, const QString &name) const;
    int expectedSearchRow() const;
    int selectedRow() const;
    bool aboutShown() const;
    bool feedbackShown() const;
    QString pick(const QStringList &from);
    int below(int bound) { return int(m_random.bounded(quint32(bound))); }

    RunningProgram &m_program;
    QPointer<MainForm> m_main;
    quint64 m_seed;
    QRandomGenerator m_random;
    QString m_work;
    // GLYPHORY_TRACE prints every event as it is played, to follow a replay.
    bool m_trace;
    QStringList m_offeredFiles;
    QStringList m_names;
    std::vector<Action> m_actions;
    int m_totalWeight = 0;

    // What the rules compare with.
    QColor m_colour = Qt::black;
    bool m_searchDrives = false;
    bool m_listEvent = false;
    bool m_textChanged = false;
    bool m_selectionChanged = false;

    int m_events = 0;
    qint64 m_checks = 0;
};
