// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/windowfonts.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <optional>

class Platform;

// What a row of a window's layout table makes.
enum class ControlKind {
    Frame,        // group box; the text is its caption
    Panel,        // white picture box with a sunken border; its children lie inside the border
    Box,          // frame drawn as a sunken box, without caption
    Shape,        // white rectangle with a plain border
    Label,        // sized to fit its text
    WrappedLabel, // keeps its size and wraps its text onto several lines
    NameLabel,    // sized to fit; given more room, its text breaks anywhere, even inside a word
    PendingLabel, // placed and hidden: sized and shown only when its window shows its texts
    Link,         // clickable label in the link colour, sized to fit
    PlainLink,    // clickable label that looks like the labels around it
    Picture,      // picture without action; the text names the picture
    ImageButton,  // picture that acts as a button; the text names the picture
    Line,         // one-pixel line from (left, top), running width across and height down
    Button,
    CheckBox,
    TextBox,    // single-line text box
    StorageBox, // hidden single-line text box, named storage for a string
    ListBox,    // list of fixed entries
    ListView,   // list that shows a model
    TextArea,   // multi-line text box
};

// Tab visits the named controls of window in this order, and comes back to the first.
void orderTabStops(QWidget *window, std::initializer_list<const char *> names);

enum class Typeface { Inherited, Tahoma, Arial };

// A row's font; every font of the layouts is 8.25 points.
struct Face {
    Typeface family = Typeface::Inherited;
    FaceStyles styles = FaceStyle::Regular;
};

// One control of a window: positions and sizes in twips, relative to the inside of
// its parent (the window itself when parent is null). role is the window's handler
// for the control's one event: a click, a toggle, a change of selection or of text.
template <typename Window> struct LayoutRow {
    const char *name;
    ControlKind kind;
    const char *parent;
    QString text;
    int left, top, width, height;
    Face font = {};
    void (Window::*role)() = nullptr;
    QString toolTip = {};
};

// Builds a window's controls from its layout table, in table order, which is also
// the stacking order of controls that overlap, and keeps them by name.
class LayoutBuilder {
public:
    LayoutBuilder(Platform &platform, QWidget *root);

    template <typename Window, size_t N>
    void build(Window *window, const LayoutRow<Window> (&rows)[N])
    {
        for (const LayoutRow<Window> &row : rows) {
            QWidget *control =
                add(row.name, row.kind, row.parent, row.text,
                    {row.left, row.top, row.width, row.height}, row.font, row.toolTip);
            if (row.role)
                connectRole(control, window, [window, role = row.role] { (window->*role)(); });
        }
    }

    template <typename Control = QWidget> Control *get(const char *name) const
    {
        return qobject_cast<Control *>(m_controls.value(QLatin1String(name)));
    }

private:
    QWidget *add(const char *name, ControlKind kind, const char *parent, const QString &text,
                 const QRect &twipsBox, Face font, const QString &toolTip);
    std::optional<QFont> fontFor(Face font) const;
    static void connectRole(QWidget *control, QObject *context, const std::function<void()> &role);

    Platform &m_platform;
    QWidget *m_root;
    QHash<QString, QWidget *> m_controls;
    QSet<QWidget *> m_panels;
};
