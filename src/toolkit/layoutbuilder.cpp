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

#include <algorithm>

namespace {

// A row of a layout table worked out into pixels and a font.
struct Making {
    QWidget *parent;
    const QString &text;
    QRect box;  // inside the parent
    QPoint end; // the far end of a line
    std::optional<QFont> font;
    const QString &toolTip;
};

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

// The font comes first: labels measure their text with it.
template <typename Control> Control *styled(Control *control, const Making &row)
{
    if (row.font)
        control->setFont(*row.font);
    return control;
}

QWidget *placed(QWidget *control, const Making &row)
{
    control->setGeometry(row.box);
    return control;
}

QWidget *fitted(QLabel *label, const Making &row)
{
    label->setTextFormat(Qt::PlainText);
    label->move(row.box.topLeft());
    label->adjustSize();
    return label;
}

QFrame *frame(QWidget *parent, int style)
{
    auto *frame = new QFrame(parent);
    frame->setFrameStyle(style);
    return frame;
}

QWidget *frameRow(const Making &row)
{
    return placed(styled(new QGroupBox(row.text, row.parent), row), row);
}

QWidget *panelRow(const Making &row)
{
    QFrame *panel = frame(row.parent, QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    setBackground(panel, Qt::white);
    return placed(panel, row);
}

QWidget *boxRow(const Making &row)
{
    return placed(frame(row.parent, QFrame::Box | QFrame::Sunken), row);
}

QWidget *shapeRow(const Making &row)
{
    QFrame *shape = frame(row.parent, QFrame::Box | QFrame::Plain);
    shape->setAutoFillBackground(true);
    QPalette colours = shape->palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
    shape->setPalette(colours);
    return placed(shape, row);
}

QWidget *labelRow(const Making &row)
{
    return fitted(styled(new QLabel(row.text, row.parent), row), row);
}

QWidget *wrappedLabelRow(const Making &row)
{
    auto *label = styled(new QLabel(row.text, row.parent), row);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return placed(label, row);
}

QWidget *nameLabelRow(const Making &row)
{
    return fitted(styled(new WrapAnywhereLabel(row.text, row.parent), row), row);
}

QWidget *pendingLabelRow(const Making &row)
{
    auto *label = new QLabel(row.text, row.parent);
    label->move(row.box.topLeft());
    label->hide();
    return label;
}

QWidget *linkRow(const Making &row)
{
    auto *link = new LinkLabel(row.text, row.parent);
    paintAsLink(link);
    return fitted(styled(link, row), row);
}

QWidget *plainLinkRow(const Making &row)
{
    auto *link = new LinkLabel(row.text, row.parent);
    link->unsetCursor();
    return fitted(styled(link, row), row);
}

QWidget *pictureRow(const Making &row)
{
    return placed(makePicture(row.text, row.parent), row);
}

QWidget *imageButtonRow(const Making &row)
{
    return placed(new ImageButton(row.text, row.toolTip, row.parent), row);
}

QWidget *lineRow(const Making &row)
{
    return makeLine(row.parent, QString(), row.box.topLeft(), row.end);
}

QWidget *buttonRow(const Making &row)
{
    return placed(styled(new QPushButton(row.text, row.parent), row), row);
}

QWidget *checkBoxRow(const Making &row)
{
    QWidget *box = placed(styled(new QCheckBox(row.text, row.parent), row), row);
    // The box and its gap to the caption can come out wider than the layout
    // allows for; the caption must still show whole.
    box->resize(qMax(box->width(), box->sizeHint().width()), box->height());
    return box;
}

QWidget *textBoxRow(const Making &row)
{
    return placed(styled(new QLineEdit(row.text, row.parent), row), row);
}

QWidget *storageBoxRow(const Making &row)
{
    QWidget *box = textBoxRow(row);
    box->setVisible(false);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

QWidget *listBoxRow(const Making &row)
{
    return placed(styled(new QListWidget(row.parent), row), row);
}

QWidget *listViewRow(const Making &row)
{
    return placed(styled(new QListView(row.parent), row), row);
}

QWidget *textAreaRow(const Making &row)
{
    return placed(styled(new QPlainTextEdit(row.parent), row), row);
}

using Maker = QWidget *(*)(const Making &);

// clang-format off
const std::pair<ControlKind, Maker> Makers[] = {
    {ControlKind::Frame,        frameRow},
    {ControlKind::Panel,        panelRow},
    {ControlKind::Box,          boxRow},
    {ControlKind::Shape,        shapeRow},
    {ControlKind::Label,        labelRow},
    {ControlKind::WrappedLabel, wrappedLabelRow},
    {ControlKind::NameLabel,    nameLabelRow},
    {ControlKind::PendingLabel, pendingLabelRow},
    {ControlKind::Link,         linkRow},
    {ControlKind::PlainLink,    plainLinkRow},
    {ControlKind::Picture,      pictureRow},
    {ControlKind::ImageButton,  imageButtonRow},
    {ControlKind::Line,         lineRow},
    {ControlKind::Button,       buttonRow},
    {ControlKind::CheckBox,     checkBoxRow},
    {ControlKind::TextBox,      textBoxRow},
    {ControlKind::StorageBox,   storageBoxRow},
    {ControlKind::ListBox,      listBoxRow},
    {ControlKind::ListView,     listViewRow},
    {ControlKind::TextArea,     textAreaRow},
};
// clang-format on

Maker makerFor(ControlKind kind)
{
    const auto found = std::ranges::find(Makers, kind, &std::pair<ControlKind, Maker>::first);
    Q_ASSERT_X(found != std::end(Makers), "LayoutBuilder", "a kind of control without a maker");
    return found->second;
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
    // Each end of a line is converted on its own, so the line ends where the table says.
    const QRect box = twipsRect(twipsBox.x(), twipsBox.y(), twipsBox.width(), twipsBox.height())
                          .translated(origin);
    const QPoint end =
        origin + twipsPoint(twipsBox.x() + twipsBox.width(), twipsBox.y() + twipsBox.height());

    QWidget *control = makerFor(kind)({parent, text, box, end, fontFor(font), toolTip});
    if (kind == ControlKind::Panel)
        m_panels.insert(control);
    control->setObjectName(QLatin1String(name));
    if (!toolTip.isEmpty())
        control->setToolTip(toolTip);
    m_controls.insert(QLatin1String(name), control);
    return control;
}

std::optional<QFont> LayoutBuilder::fontFor(Face font) const
{
    switch (font.family) {
    case Typeface::Inherited:
        break;
    case Typeface::Tahoma:
        return windowFont(m_platform, font.styles);
    case Typeface::Arial:
        return faceFont(m_platform, QStringLiteral("Arial"), WindowPoints, font.styles);
    }
    return std::nullopt;
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

void orderTabStops(QWidget *window, std::initializer_list<const char *> names)
{
    QWidget *previous = nullptr;
    for (const char *name : names) {
        auto *control = window->findChild<QWidget *>(QLatin1String(name));
        Q_ASSERT(control);
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
