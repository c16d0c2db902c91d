// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QLabel>

class QCursor;

// The hand cursor shown over every clickable label and image.
QCursor handCursor();
// A picture from the program's resources, drawn sharp at any scale factor.
QPixmap picture(const QString &name);
// The program's window icon (16, 32 and 48 pixel images).
QIcon programIcon();

// Gives a label the links' dark blue text.
void paintAsLink(QWidget *label);
// The colour of a control's text, for labels and text boxes alike.
void setTextColour(QWidget *widget, const QColor &colour);
// A background of its own, drawn under labels and text boxes alike.
void setBackground(QWidget *widget, const QColor &colour);

// A label that acts as a link: a click is its only action. The caller sets the
// link style's colour and font, which differ from window to window.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString &text, QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_pressed = false;
};

// A 16 x 16 picture that acts as a button. It never takes the keyboard focus, so
// the text box the user works in keeps its caret and selection.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(const QString &pictureName, const QString &toolTip, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

// A plain picture with no action.
QLabel *makePicture(const QString &pictureName, QWidget *parent);
// A one-pixel line between two points, in the scroll-bar colour the windows use.
QWidget *makeLine(QWidget *parent, const QString &name, QPoint from, QPoint to);

// Places a window in the middle of the screen it is on.
void centreOnScreen(QWidget *window);
