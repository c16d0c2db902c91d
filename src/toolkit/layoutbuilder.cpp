// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
#include "layoutbuilder.h"

#include "toolkit/colours.h"
#include "toolkit/imagebutton.h"
#include "toolkit/linklabel.h"
#include "toolkit/pictures.h"
#include "toolkit/twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

    namespace
{

    // Paints its text itself so that it can break anywhere, even inside a word: a name
    // of any length then fits the width it is given.
    class WrapAnywhereLabel final : public QLabel {
    public:
        using QLabel::QLabel;

    protected:
        void paintEvent(QPaintEvent *) override
        {
            QPainter painter(this);
            painter.setPen(palette().color(foregroundRole()));
            painter.drawText(contentsRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere,
                             text());
        }
    };

    QWidget *fitted(QLabel * label, const QRect &box)
    {
        label->setTextFormat(Qt::PlainText);
        label->move(box.topLeft());
        label->adjustSize();
        return label;
    }

    QFrame *frame(QWidget * parent, int style)
    {
        auto *frame = new QFrame(parent);
        frame->setFrameStyle(style);
        return frame;
    }

} // namespace

LayoutBuilder::LayoutBuilder(Platform &platform, QWidget *root)
    : m_platform(platform)
    , m_root(root)
{
}

QWidget *LayoutBuilder::add(const char *name, ControlKind kind, const char *parentName,
                            const QString &text, const QRect &twipsBox, Face font,
                            const QString &toolTip)
{
    QWidget *parent = parentName ? get(parentName) : m_root;
    Q_ASSERT(parent);
    QPoint origin;
    if (m_panels.contains(parent)) {
        const int border = static_cast<QFrame *>(parent)->frameWidth();
        origin = QPoint(border, border);
    }
    const QRect box = twipsRect(twipsBox.x(), twipsBox.y(), twipsBox.width(), twipsBox.height())
                          .translated(origin);

    // The font comes first: labels measure their text with it.
    const auto withFont = [&](QWidget *control) {
        if (font.family != Typeface::Inherited) {
            const QString face = font.family == Typeface::Tahoma ? QStringLiteral("Tahoma")
                                                                 : QStringLiteral("Arial");
            control->setFont(faceFont(m_platform, face, 8.25, font.styles));
        }
        return control;
    };
    const auto placed = [&](QWidget *control) {
        control->setGeometry(box);
        return control;
    };

    QWidget *control = nullptr;
    switch (kind) {
    case ControlKind::Frame:
        control = placed(withFont(new QGroupBox(text, parent)));
        break;
    case ControlKind::Panel: {
        QFrame *panel = frame(parent, QFrame::Panel | QFrame::Sunken);
        panel->setLineWidth(2);
        setBackground(panel, Qt::white);
        m_panels.insert(panel);
        control = placed(panel);
        break;
    }
    case ControlKind::Box:
        control = placed(frame(parent, QFrame::Box | QFrame::Sunken));
        break;
    case ControlKind::Shape: {
        QFrame *shape = frame(parent, QFrame::Box | QFrame::Plain);
        shape->setAutoFillBackground(true);
        QPalette colours = shape->palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::Base));
        colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
        shape->setPalette(colours);
        control = placed(shape);
        break;
    }
    case ControlKind::Label:
        control = fitted(static_cast<QLabel *>(withFont(new QLabel(text, parent))), box);
        break;
    case ControlKind::WrappedLabel: {
        auto *label = static_cast<QLabel *>(withFont(new QLabel(text, parent)));
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        control = placed(label);
        break;
    }
    case ControlKind::NameLabel:
        control = fitted(static_cast<QLabel *>(withFont(new WrapAnywhereLabel(text, parent))), box);
        break;
    case ControlKind::PendingLabel:
        control = new QLabel(text, parent);
        control->move(box.topLeft());
        control->hide();
        break;
    case ControlKind::Link:
    case ControlKind::PlainLink: {
        auto *link = new LinkLabel(text, parent);
        if (kind == ControlKind::Link)
            paintAsLink(link);
        else
            link->unsetCursor();
        control = fitted(static_cast<QLabel *>(withFont(link)), box);
        break;
    }
    case ControlKind::Picture:
        control = placed(makePicture(text, parent));
        break;
    case ControlKind::ImageButton:
        control = placed(new ::ImageButton(text, toolTip, parent));
        break;
    case ControlKind::Line:
        // Each end is converted on its own, so the line ends where the table says.
        control = makeLine(
            parent, QString(), box.topLeft(),
            origin + twipsPoint(twipsBox.x() + twipsBox.width(), twipsBox.y() + twipsBox.height()));
        break;
    case ControlKind::Button:
        control = placed(withFont(new QPushButton(text, parent)));
        break;
    case ControlKind::CheckBox:
        control = placed(withFont(new QCheckBox(text, parent)));
        // The box and its gap to the caption can come out wider than the layout
        // allows for; the caption must still show whole.
        control->resize(qMax(control->width(), control->sizeHint().width()), control->height());
        break;
    case ControlKind::TextBox:
    case ControlKind::StorageBox:
        control = placed(withFont(new QLineEdit(text, parent)));
        if (kind == ControlKind::StorageBox) {
            control->setVisible(false);
            control->setFocusPolicy(Qt::NoFocus);
        }
        break;
    case ControlKind::ListBox:
        control = placed(withFont(new QListWidget(parent)));
        break;
    case ControlKind::ListView:
        control = placed(withFont(new QListView(parent)));
        break;
    case ControlKind::TextArea:
        control = placed(withFont(new QPlainTextEdit(parent)));
        break;
    }
    control->setObjectName(QLatin1String(name));
    if (!toolTip.isEmpty())
        control->setToolTip(toolTip);
    m_controls.insert(QLatin1String(name), control);
    return control;
}

void LayoutBuilder::connectRole(QWidget *control, QObject *context,
                                const std::function<void()> &role)
{
    if (auto *box = qobject_cast<QCheckBox *>(control))
        QObject::connect(box, &QCheckBox::stateChanged, context, role);
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        QObject::connect(button, &QAbstractButton::clicked, context, role);
    else if (auto *link = qobject_cast<LinkLabel *>(control))
        QObject::connect(link, &LinkLabel::clicked, context, role);
    else if (auto *list = qobject_cast<QListWidget *>(control))
        QObject::connect(list, &QListWidget::itemSelectionChanged, context, role);
    else if (auto *box = qobject_cast<QLineEdit *>(control))
        QObject::connect(box, &QLineEdit::textChanged, context, role);
    else
        Q_ASSERT_X(false, "LayoutBuilder", "this kind of control has no role to connect");
}
