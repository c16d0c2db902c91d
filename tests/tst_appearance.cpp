// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
//
// How the windows look whatever the desktop hands Qt: its palette, the fonts
// it has for the faces the windows are laid out for.
#include "app/mainform.h"
#include "app/readform.h"
#include "app/reshape.h"
#include "loadedmainform.h"
#include "named.h"
#include "platform/platform.h"
#include "toolkit/colours.h"
#include "toolkit/windowfonts.h"
#include "windows/aboutform.h"
#include "windows/forglyphory.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

const QString WineTahomaBold = QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf");

QPalette themePalette(const QColor &window, const QColor &text, const QColor &base,
                      const QColor &highlight, const QColor &highlightedText)
{
    QPalette palette(text, window, window.lighter(), window.darker(), window, text, text, base,
                     window);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    palette.setColor(QPalette::Link, highlight);
    palette.setColor(QPalette::PlaceholderText, text);
    return palette;
}

double contrast(const QColor &one, const QColor &other)
{
    const auto luminance = [](const QColor &colour) {
        const auto linear = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double a = luminance(one), b = luminance(other);
    return (qMax(a, b) + 0.05) / (qMin(a, b) + 0.05);
}

// The colour a widget's text lies on: its own where it fills its background,
// else that of the first ancestor that does.
QColor backgroundOf(const QWidget *widget, QPalette::ColorGroup group)
{
    while (!widget->autoFillBackground() && !widget->isWindow() && widget->parentWidget())
        widget = widget->parentWidget();
    return widget->palette().color(group, widget->backgroundRole());
}

// The text and background colours each text-bearing control draws with, as the
// style asks its palette for them.
QList<std::pair<QColor, QColor>> textColoursOf(const QWidget *widget, QPalette::ColorGroup group)
{
    const auto role = [&](QPalette::ColorRole which) {
        return widget->palette().color(group, which);
    };
    if (qobject_cast<const QListView *>(widget))
        return {{role(QPalette::Text), role(QPalette::Base)},
                {role(QPalette::HighlightedText), role(QPalette::Highlight)}};
    if (qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QLineEdit *>(widget))
        return {{role(QPalette::Text), role(QPalette::Base)}};
    if (qobject_cast<const QPushButton *>(widget))
        return {{role(QPalette::ButtonText), role(QPalette::Button)}};
    if (qobject_cast<const QMenuBar *>(widget))
        return {{role(QPalette::ButtonText), backgroundOf(widget, group)}};
    const auto *label = qobject_cast<const QLabel *>(widget);
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    if ((label && !label->text().isEmpty()) || (box && !box->title().isEmpty()) ||
        qobject_cast<const QCheckBox *>(widget))
        return {{role(QPalette::WindowText), backgroundOf(widget, group)}};
    return {};
}

} // namespace

class AppearanceTest : public QObject {
    Q_OBJECT
    const std::unique_ptr<Platform> m_desktop = makePlatform();

private slots:
    void initTestCase() { followFontChanges(*m_desktop); }

    void textIsReadableOnEveryDesktopPalette_data()
    {
        QTest::addColumn<QPalette>("desktop");
        QTest::newRow("default") << QApplication::palette();
        // Colours of a dark and of a high-contrast desktop theme.
        QTest::newRow("dark") << themePalette(0x323232, 0xf0f0f0, 0x242424, 0x308cc6, 0xf0f0f0);
        QTest::newRow("high contrast")
            << themePalette(Qt::black, Qt::white, Qt::black, Qt::yellow, Qt::black);
    }

    void textIsReadableOnEveryDesktopPalette()
    {
        QFETCH(QPalette, desktop);
        // What a desktop theme hands Qt, in place before the program sets its colours.
        QApplication::setPalette(desktop);
        useLayoutColours();

        FakePlatform platform;
        ReadForm splash(platform);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        named<QTimer>(&splash, "ReadingTimer")->stop();
        QTRY_VERIFY(splash.findChild<QLabel *>(QStringLiteral("Label2"))->isVisible());
        MainForm *main = splash.loadMainForm();
        main->show();
        AboutForm about(platform, main);
        ForGlyphory feedback(platform, main);
        about.show();
        feedback.show();

        for (const QWidget *window :
             std::initializer_list<const QWidget *>{&splash, main, &about, &feedback}) {
            int checked = 0;
            for (const QWidget *control : window->findChildren<QWidget *>()) {
                // The search box's light grey stands for a hint until it is clicked.
                if (!control->isVisibleTo(window) || control->objectName() == u"FontFind")
                    continue;
                // The main window is disabled while About or the feedback window shows.
                for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled}) {
                    for (const auto &[text, background] : textColoursOf(control, group)) {
                        ++checked;
                        const double ratio = contrast(text, background);
                        QVERIFY2(ratio >= 4.5,
                                 qPrintable(control->objectName() + " in " + window->objectName() +
                                            ": " + QString::number(ratio)));
                    }
                }
            }
            QVERIFY2(checked >= 6, qPrintable(window->objectName()));
        }
    }

    void onlyThePreviewTextTakesTheChosenColour()
    {
        useLayoutColours();
        LoadedMainForm app;
        QVERIFY(app.show());
        auto *preview = named<QPlainTextEdit>(app.main.get(), "BigText");
        preview->setPlainText(QStringLiteral("Sample\n").repeated(60) + QString(300, u'w'));
        const auto bars = [preview] {
            return std::pair{preview->verticalScrollBar()->grab().toImage(),
                             preview->horizontalScrollBar()->grab().toImage()};
        };
        QVERIFY(preview->verticalScrollBar()->isVisible() &&
                preview->horizontalScrollBar()->isVisible());
        const auto before = bars();
        // The fixture's colour dialog answers red.
        app.main->ColorPick_Click();
        QCOMPARE(preview->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(bars() == before);
    }

    // Text keeps the font engines its font object was given, and with them the
    // fonts Qt was shown when it was laid out: after the platform says fonts were
    // shown, every widget holds an equal font that shares nothing with the old.
    void windowsShapeTheirTextAgainWhenFontsAreShown()
    {
        struct AnnouncingPlatform : FakePlatform {
            std::function<void()> fontsChanged;
            void setFontsChangedHandler(std::function<void()> handler) override
            {
                fontsChanged = std::move(handler);
            }
        } platform;
        followFontChanges(platform);
        QVERIFY(platform.fontsChanged);
        MainForm main(platform);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.grab();
        QList<std::tuple<QWidget *, QFont, bool>> before;
        for (QWidget *widget : QApplication::allWidgets())
            before.append({widget, widget->font(), widget->testAttribute(Qt::WA_SetFont)});
        platform.fontsChanged();
        for (const auto &[widget, font, ownFont] : std::as_const(before)) {
            const char *name = widget->metaObject()->className();
            QVERIFY2(widget->font() == font && !widget->font().isCopyOf(font), name);
            QVERIFY2(widget->testAttribute(Qt::WA_SetFont) == ownFont, name);
        }
    }

    void boldTahomaCaptionsAreDrawnFromTheBoldFace()
    {
        if (!QFile::exists(WineTahomaBold))
            QSKIP("Wine's Tahoma Bold is not installed (fonts-wine)");
        Platform &platform = *m_desktop;
        const QFont bold = faceFont(platform, QStringLiteral("Tahoma"), 8.25, FaceStyle::Bold);
        if (QFontInfo(bold).family() != u"Tahoma")
            QSKIP("the system has no Tahoma");
        const QFont regular = faceFont(platform, QStringLiteral("Tahoma"), 8.25);
        if (QRawFont::fromFont(regular).fontTable("head") !=
            QRawFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"), 11).fontTable("head"))
            QSKIP("the system has a Tahoma of its own");
        QCOMPARE(QRawFont::fromFont(bold).fontTable("head"),
                 QRawFont(WineTahomaBold, 11).fontTable("head"));

        // The bold face is bold in its bitmaps alone: drawn from its outlines it
        // takes no more ink than the regular face.
        const auto inkOf = [](const QFont &font) {
            QLabel caption(
                QStringLiteral("Glad to hear that you liked it. These are several things "
                               "you can do: "));
            caption.setPalette(layoutPalette());
            caption.setFont(font);
            caption.adjustSize();
            const QImage image = caption.grab().toImage();
            int ink = 0; // pixels nearer black than white
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ink += qGray(image.pixel(x, y)) < 128;
            return ink;
        };
        const int regularInk = inkOf(regular), boldInk = inkOf(bold);
        QVERIFY2(boldInk > regularInk * 13 / 10,
                 qPrintable(QStringLiteral("bold %1, regular %2").arg(boldInk).arg(regularInk)));
    }

    void previewDrawsInTheSelectedFamily()
    {
        const QString family = QStringLiteral("Nimbus Mono PS");
        ReadForm splash(*m_desktop);
        splash.show();
        QTRY_VERIFY_WITH_TIMEOUT(splash.mainForm() && splash.mainForm()->isVisible(), 20000);
        MainForm *main = splash.mainForm();
        auto *list = main->findChild<QListView *>(QStringLiteral("FontList"));
        const QModelIndexList found = list->model()->match(
            list->model()->index(0, 0), Qt::DisplayRole, family, 1, Qt::MatchExactly);
        if (found.isEmpty())
            QSKIP("Nimbus Mono PS is not installed (fonts-urw-base35)");
        list->selectionModel()->setCurrentIndex(found.first(), QItemSelectionModel::ClearAndSelect);

        const QFont preview = main->findChild<QPlainTextEdit *>(QStringLiteral("BigText"))->font();
        // The face Qt draws with, not the name it was asked for; Qt adds the
        // foundry to a family that two foundries make.
        const QString drawn = QRawFont::fromFont(preview).familyName();
        QCOMPARE(drawn.left(drawn.indexOf(QStringLiteral(" ["))), family);
    }
};

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
