// SPDX-FileCopyrightText: 2026 The Glyphory developers
// SPDX-License-Identifier: MIT
//
// The main window over Debian's own font packages, with fontconfig shown their
// files alone: the faces a user has beyond Regular, Bold and Italic, a
// variable font's instances, and families named in Japanese, Chinese and
// Korean.
#include "app/mainform.h"
#include "named.h"
#include "platform/linux/desktopplatform.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFontInfo>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const Packages[] = {"fonts-dejavu-core", "fonts-dejavu-extra", "fonts-inter-variable",
                                "fonts-misaki",      "fonts-alee",         "fonts-wqy-microhei"};
QStringList missingPackages;
QString fontsFolder;

class QuietPlatform : public DesktopPlatform {
public:
    bool anotherInstanceRunning() override { return false; }
    void information(QWidget *, const QString &, const QString &) override {}
    void endProgram() override {}
};

QString lacking(const QStringList &packages)
{
    for (const QString &package : packages) {
        if (missingPackages.contains(package))
            return package + QStringLiteral(" is not installed");
    }
    return {};
}

} // namespace

// QSKIP ends the test function it stands in, so it cannot stand in a helper.
#define SKIP_WITHOUT(...)                                                                          \
    if (const QString why = lacking({__VA_ARGS__}); !why.isEmpty())                                \
    QSKIP(qPrintable(why))

class TestRealFonts : public QObject {
    Q_OBJECT
    QuietPlatform platform;
    std::unique_ptr<MainForm> main;

    QStringList listed(const QString &prefix) const
    {
        QStringList names;
        const QAbstractItemModel *model = named<QListView>(main.get(), "FontList")->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString name = model->index(row, 0).data().toString();
            if (name.startsWith(prefix))
                names << name;
        }
        return names;
    }

private slots:
    void initTestCase()
    {
        main = std::make_unique<MainForm>(platform);
        main->Form_Load();
    }

    void everyStyleGroupIsListedOnce()
    {
        SKIP_WITHOUT("fonts-dejavu-core", "fonts-dejavu-extra");
        QCOMPARE(listed("DejaVu").join(u'|'),
                 "DejaVu Math TeX Gyre|DejaVu Sans|DejaVu Sans Condensed|DejaVu Sans "
                 "Light|DejaVu Sans Mono|DejaVu Serif|DejaVu Serif Condensed");
        SKIP_WITHOUT("fonts-inter-variable");
        QCOMPARE(listed("Inter ").join(u'|'),
                 "Inter Black|Inter Display|Inter Display Black|Inter Display Extra Bold|"
                 "Inter Display Extra Light|Inter Display Light|Inter Display Medium|"
                 "Inter Display Semi Bold|Inter Display Thin|Inter Extra Bold|Inter Extra "
                 "Light|Inter Light|Inter Medium|Inter Semi Bold|Inter Thin");
    }

    // A row is the entry, the style boxes checked, and the face drawn: its
    // style name, and the file where telling it by its style is not enough.
    void eachEntryDrawsItsOwnFaces_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("file");
        const auto row = [](const char *entry, const char *boxes, const char *style,
                            const char *file) {
            QTest::addRow("%s %s", entry, boxes) << entry << boxes << style << file;
        };
        row("DejaVu Sans", "", "Book", "DejaVuSans.ttf");
        row("DejaVu Sans", "BI", "Bold Oblique", "DejaVuSans-BoldOblique.ttf");
        row("DejaVu Sans Light", "", "ExtraLight", "DejaVuSans-ExtraLight.ttf");
        // A group without a bold face has its own made bold.
        row("DejaVu Sans Light", "B", "ExtraLight", "DejaVuSans-ExtraLight.ttf");
        row("DejaVu Sans Condensed", "", "Condensed", "DejaVuSansCondensed.ttf");
        row("DejaVu Sans Condensed", "B", "Condensed Bold", "DejaVuSansCondensed-Bold.ttf");
        row("DejaVu Serif Condensed", "I", "Condensed Italic", "DejaVuSerifCondensed-Italic.ttf");
        row("DejaVu Serif", "", "Book", "DejaVuSerif.ttf");
        row("DejaVu Sans Mono", "", "Book", "DejaVuSansMono.ttf");
        row("DejaVu Math TeX Gyre", "", "Regular", "DejaVuMathTeXGyre.ttf");
        row("Inter", "B", "Bold", "");
        row("Inter Thin", "I", "Thin Italic", "");
        row("Inter Semi Bold", "", "Semi Bold", "");
    }
    void eachEntryDrawsItsOwnFaces()
    {
        QFETCH(QString, entry);
        QFETCH(QString, boxes);
        SKIP_WITHOUT(entry.startsWith(u"Inter") ? "fonts-inter-variable" : "fonts-dejavu-extra");
        named<QLineEdit>(main.get(), "FontFind")->setText(entry);
        QCOMPARE(main->selectedFont(), entry);
        named<QCheckBox>(main.get(), "Bold")->setChecked(boxes.contains(u'B'));
        named<QCheckBox>(main.get(), "Italic")->setChecked(boxes.contains(u'I'));
        const QFont font = named<QPlainTextEdit>(main.get(), "BigText")->font();
        QTEST(QFontInfo(font).styleName(), "style");
        QFETCH(QString, file);
        if (!file.isEmpty()) {
            const QRawFont drawn = QRawFont::fromFont(font);
            const QRawFont expected(QDir(fontsFolder).filePath(file), 12);
            QVERIFY(expected.isValid());
            QCOMPARE(drawn.fontTable("head"), expected.fontTable("head"));
        }
        // "Copy Font Name" copies the name as listed.
        main->Command1_Click();
        QCOMPARE(QGuiApplication::clipboard()->text(), entry);
    }

    void namesInOtherLanguagesFindTheFamily_data()
    {
        QTest::addColumn<QString>("package");
        QTest::addColumn<QString>("selected");
        const auto row = [](const char *typed, const char *package, const char *selected) {
            QTest::newRow(typed) << package << selected;
        };
        row("美咲ゴ", "fonts-misaki", "MisakiGothic");
        // Three names begin so; the first in the list's order is chosen.
        row("美咲", "fonts-misaki", "MisakiGothic");
        row("美咲明", "fonts-misaki", "MisakiMincho");
        row("은진 낙", "fonts-alee", "Eunjin Nakseo");
        row("文泉驛等寬", "fonts-wqy-microhei", "WenQuanYi Micro Hei Mono");
        row("文泉驿微", "fonts-wqy-microhei", "WenQuanYi Micro Hei");
        row("wenquanyi micro hei m", "fonts-wqy-microhei", "WenQuanYi Micro Hei Mono");
    }
    void namesInOtherLanguagesFindTheFamily()
    {
        QFETCH(QString, package);
        SKIP_WITHOUT(package);
        named<QLineEdit>(main.get(), "FontFind")
            ->setText(QString::fromUtf8(QTest::currentDataTag()));
        QTEST(main->selectedFont(), "selected");
    }
};

// fontconfig sees the packages' own files and nothing else, before Qt or
// fontconfig first look at fonts.
int main(int argc, char *argv[])
{
    QTemporaryDir dir;
    const QDir root(dir.path());
    root.mkpath(QStringLiteral("fonts"));
    fontsFolder = root.filePath(QStringLiteral("fonts"));
    for (const char *package : Packages) {
        QProcess query;
        query.start(QStringLiteral("dpkg-query"), {QStringLiteral("-L"), QLatin1String(package)});
        query.waitForFinished();
        const QStringList files = QString::fromUtf8(query.readAllStandardOutput()).split(u'\n');
        bool found = false;
        for (const QString &file : files) {
            if (file.endsWith(u".ttf") || file.endsWith(u".ttc") || file.endsWith(u".otf"))
                found |= QFile::link(file, QDir(fontsFolder).filePath(QFileInfo(file).fileName()));
        }
        if (!found)
            missingPackages << QLatin1String(package);
    }
    QFile config(root.filePath(QStringLiteral("fonts.conf")));
    if (!config.open(QIODevice::WriteOnly))
        return 1;
    config.write("<?xml version=\"1.0\"?>\n<fontconfig>\n<dir>" + fontsFolder.toUtf8() +
                 "</dir>\n<cachedir>" + root.filePath(QStringLiteral("cache")).toUtf8() +
                 "</cachedir>\n<include ignore_missing=\"yes\">/etc/fonts/conf.d</include>\n"
                 "</fontconfig>\n");
    config.close();
    qputenv("FONTCONFIG_FILE", QFile::encodeName(config.fileName()));

    QApplication app(argc, argv);
    TestRealFonts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_realfonts.moc"
