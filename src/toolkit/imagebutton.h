// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A 16 x 16 picture that acts as a button. A mouse click leaves the keyboard focus
// where it was, so the text box the user works in keeps its caret and selection;
// Tab reaches it, and Enter or Space then acts as the click.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(const QString &pictureName, const QString &toolTip, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPixmap m_picture;
};
