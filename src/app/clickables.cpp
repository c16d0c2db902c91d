// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "clickables.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCursor>
#include <QFrame>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

void paintAsLink(QWidget *label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
    label->setPalette(palette);
}

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

QCursor handCursor()
{
    static const QPixmap hand(QStringLiteral(":/images/hand.png"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    // The fingertip is the hot spot.
    return QCursor(hand, 9, 1);
}

QPixmap picture(const QString &name)
{
    // QPixmap picks the @2x file by itself on a high-DPI screen.
    return QPixmap(QStringLiteral(":/images/%1.png").arg(name));
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/images/glyphory-%1.png").arg(size), QSize(size, size));
    return icon;
}

namespace {

// A screen reader meets a link label as a link it can follow, named by its caption.
class LinkLabelAccessible : public QAccessibleWidget {
public:
    explicit LinkLabelAccessible(LinkLabel *link)
        : QAccessibleWidget(link, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto *link = static_cast<const LinkLabel *>(widget());
        if (kind == QAccessible::Name && link->accessibleName().isEmpty())
            return link->text();
        if (kind == QAccessible::Description && link->accessibleDescription().isEmpty())
            return link->toolTip();
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<LinkLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *linkLabelAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("LinkLabel") && object && object->isWidgetType())
        return new LinkLabelAccessible(static_cast<LinkLabel *>(object));
    return nullptr;
}

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    static const bool registered = [] {
        QAccessible::installFactory(linkLabelAccessible);
        return true;
    }();
    Q_UNUSED(registered);
    setCursor(handCursor());
    setTextFormat(Qt::PlainText);
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

ImageButton::ImageButton(const QString &pictureName, const QString &toolTip, QWidget *parent)
    : QAbstractButton(parent)
    , m_picture(picture(pictureName))
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(handCursor());
    setToolTip(toolTip);
    setAccessibleName(toolTip);
    setText(toolTip);
}

QSize ImageButton::sizeHint() const
{
    return QSize(16, 16);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_picture.isNull())
        return;
    const QSize size = m_picture.deviceIndependentSize().toSize();
    painter.drawPixmap(
        QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
        m_picture);
}

QLabel *makePicture(const QString &pictureName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(picture(pictureName));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QWidget *makeLine(QWidget *parent, const QString &name, QPoint from, QPoint to)
{
    auto *line = new QFrame(parent);
    line->setObjectName(name);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(200, 200, 200));
    line->setPalette(palette);
    const QRect span = QRect(from, to).normalized();
    line->setGeometry(span.left(), span.top(), qMax(1, span.width()), qMax(1, span.height()));
    return line;
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen();
    if (!screen)
        return;
    // A window not yet shown has not taken its size: Qt sizes it to its
    // contents as it shows it, after it was placed. That is done here first.
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    // Before the first show Qt does not count the frame in frameGeometry(); the
    // platform window knows it as soon as it exists (or, with a window manager
    // that has not framed it yet, takes it as none).
    QRect frame = window->frameGeometry();
    if (!window->isVisible()) {
        window->winId();
        if (const QWindow *handle = window->windowHandle())
            frame = window->geometry().marginsAdded(handle->frameMargins());
    }
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}
