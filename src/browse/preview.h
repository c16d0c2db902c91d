// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include "toolkit/windowfonts.h"

#include <QColor>

#include <functional>
#include <optional>

class Platform;
class QCheckBox;
class QListWidget;
class QPlainTextEdit;
class QWidget;

// How the preview text is shown: its size, its four styles, its colour, and its
// face as the font list picks it. The controls hold all of the state but the
// colour confirmed last; the whole text always has one font and one colour.
class Preview {
public:
    // The size every preview starts at.
    static constexpr int FirstSize = 8;

    struct Controls {
        QPlainTextEdit *text = nullptr;
        QListWidget *sizes = nullptr;
        QCheckBox *bold = nullptr;
        QCheckBox *italic = nullptr;
        QCheckBox *underline = nullptr;
        QCheckBox *strikeout = nullptr;
    };

    Preview(Platform &platform, const Controls &controls);

    // The face the preview uses now, which need not be the list's selection.
    QString fontName() const;

    // Selects the entry of the size list for a size, which applies it.
    void selectSize(int points);
    void applySelectedSize();
    // The preview in a family at the selected size, with every style whose box is
    // unchecked switched off; a checked box switched its style on already. An empty
    // family keeps the face.
    void showFont(const QString &family);
    // The preview at a size, with every style switched off whatever its box says,
    // in a family; an empty family keeps the face.
    void prepare(float points, const QString &family);
    // The style on exactly when its box is checked.
    void applyStyle(FaceStyle style);
    // A cancelled dialog keeps the colour confirmed last, black before any.
    void chooseColour(QWidget *parent);
    void resetStyles();
    void clearText();
    // The face the system has for a face name the layout asks for.
    void useFace(const QString &face);

private:
    QCheckBox *box(FaceStyle style) const;
    std::optional<float> selectedSize() const;
    void changeFont(const std::function<void(QFont &)> &change);

    Platform &m_platform;
    Controls m_controls;
    QColor m_confirmed = Qt::black;
};
