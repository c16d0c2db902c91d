// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

class MainForm;
class QWidget;
class RunningProgram;

// Types text the way a keyboard does, one character at a time.
void typeText(QWidget *receiver, const QString &text);

// Plays a seeded stream of random user events on a running program's windows and,
// after every event, checks what must hold whatever the user did. The same seed
// always plays the same events, so a failure can be replayed from its seed.
class RandomSession : public QObject {
public:
    RandomSession(RunningProgram &program, quint64 seed);

    // Plays count events and stops at the first broken rule. Returns an empty text
    // when every rule held, else "seed N event K: <event>: <rule>".
    QString run(int count);

private:
    QString playOne();
    QString brokenRule() const;
    QString randomText();
    int below(int bound) { return int(m_random.bounded(quint32(bound))); }
    template <typename List> auto pick(const List &from)
    {
        return from[below(int(std::size(from)))];
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
